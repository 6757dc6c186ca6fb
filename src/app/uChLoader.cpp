#include "uChLoader.h"

#include "JpegPicture.h"
#include "Placement.h"
#include "SkinNames.h"
#include "WindowLayout.h"

#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <cmath>

namespace {

constexpr int kDurationUnits = 4000;
constexpr QRect kBarArea = WindowLayout::kSplashBar;
constexpr int kFullBarWidth = kBarArea.width();
constexpr int kProgressRows = 38;
constexpr double kMillisecondsPerUnit = 0.864;
constexpr std::chrono::milliseconds kTimer2Interval(1);
constexpr double kQuickPaceFactor = 16;

} // namespace

TfLoader::TfLoader(TTickSource& ticks, const TSkin& skin, TSplashPace pace)
    : ticks_(ticks), unitsPerTickUnit_(pace == TSplashPace::Quick ? kQuickPaceFactor : 1)
{
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("Velmora"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    FormCreate(skin);
    ticks_.Every(kTimer2Interval, *this, [this] { Timer2Timer(); });
}

double TfLoader::NowUnits() const
{
    return ticks_.Now().count() / kMillisecondsPerUnit * unitsPerTickUnit_;
}

void TfLoader::FormCreate(const TSkin& skin)
{
    progress_ = skin.Picture(SkinNames::kSplashBar);
    background_ = skin.Picture(SkinNames::kSplashBackground);
    // Decoded now: the splash's first paint is the first thing the user sees.
    for (const TSkinPicture* picture : {&progress_, &background_})
        picture->Pixels();
    started_ = false;
    setFixedSize(WindowLayout::kSplash);
    duration_ = kDurationUnits;
    move(CentredOnDesktop(screen()->geometry().size(), size()));
}

int TfLoader::BarWidth(double elapsedUnits)
{
    return int(std::nearbyint(elapsedUnits / kDurationUnits * kFullBarWidth));
}

void TfLoader::Timer2Timer()
{
    if (!timing_)
        return;
    if (!started_) {
        startTime_ = currentTime_ = NowUnits();
        started_ = true;
        return;
    }
    const int shownWidth = CurrentBarWidth();
    currentTime_ = NowUnits();
    if (currentTime_ > startTime_ + duration_)
        timing_ = false;
    // The bar moves a pixel every few ticks; repainting only then looks the same.
    if (CurrentBarWidth() != shownWidth)
        update();
}

void TfLoader::FormPaint(QPainter& canvas)
{
    // The canvas is the window's off-screen backing store, shown in one operation.
    if (background_.IsNull()) {
        canvas.fillRect(rect(), palette().window()); // no background picture: an empty window
        return;
    }
    DrawPicturePart(canvas, rect(), background_.Pixels(), rect());
    if (const int width = CurrentBarWidth(); width > 0)
        DrawPicturePart(canvas, QRect(kBarArea.left(), kBarArea.top(), width, kBarArea.height()),
                        progress_.Pixels(), QRect(0, 0, width, kProgressRows));
}

void TfLoader::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    FormPaint(canvas);
    shown_ = shown_ || (windowHandle() && windowHandle()->isExposed());
}
