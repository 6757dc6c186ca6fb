#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <functional>

// The splash of the start: a background and a bar that grows over 3.456 seconds of elapsed
// time. When the time is up it stops Timer2, which tells the start-up to go on.
class TfLoader : public QWidget {
    Q_OBJECT

public:
    // The present time in units of one hundred-millionth of a day (0.864 ms).
    using TClock = std::function<double()>;
    static TClock SteadyClock();

    explicit TfLoader(TClock clock = SteadyClock());

    // Width of the bar after elapsed units: 491 pixels over the whole duration, a half
    // rounding to the even neighbour.
    static int BarWidth(double elapsedUnits);

    bool IsTiming() const { return Timer2.isActive(); }
    int CurrentBarWidth() const { return BarWidth(currentTime_ - startTime_); }

    void Timer2Timer();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FormCreate();
    void FormPaint(QPainter& canvas);

    QTimer Timer2;
    TClock clock_;
    QString contentDir_;
    QImage background_;
    QImage composition_;
    QImage progress_;
    double startTime_ = 0;
    double currentTime_ = 0;
    bool started_ = false;
    int duration_ = 0;
};
