#pragma once

#include "Skin.h"
#include "SkinPicture.h"
#include "SplashPace.h"
#include "TickSource.h"

#include <QWidget>

// The splash of the start: a background and a bar that grows over 3.456 seconds of elapsed
// time, measured in units of one hundred-millionth of a day (0.864 ms). When the time is up it
// stops timing, which tells the start-up to go on.
class TfLoader : public QWidget {
    Q_OBJECT

public:
    // Its pictures come from skin, which outlives it.
    TfLoader(TTickSource& ticks, const TSkin& skin, TSplashPace pace = TSplashPace::Whole);

    // Width of the bar after elapsed units: 491 pixels over the whole duration, a half
    // rounding to the even neighbour.
    static int BarWidth(double elapsedUnits);

    bool IsTiming() const { return timing_; }
    // Whether it has painted while on screen.
    bool HasShown() const { return shown_; }
    int CurrentBarWidth() const { return BarWidth(currentTime_ - startTime_); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FormCreate(const TSkin& skin);
    void FormPaint(QPainter& canvas);
    void Timer2Timer();
    double NowUnits() const;

    TTickSource& ticks_;
    const double unitsPerTickUnit_;
    bool timing_ = true;
    bool shown_ = false;
    TSkinPicture background_;
    TSkinPicture progress_;
    double startTime_ = 0;
    double currentTime_ = 0;
    bool started_ = false;
    int duration_ = 0;
};
