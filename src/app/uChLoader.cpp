#include "uChLoader.h"

#include "ContentPath.h"
#include "Placement.h"
#include "uFunctions.h"

#include <QPainter>
#include <QScreen>

#include <chrono>
#include <cmath>

namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 407;
constexpr int kDurationUnits = 4000;
constexpr int kFullBarWidth = 491;
constexpr QRect kBarArea(20, 319, kFullBarWidth, 39);
constexpr int kProgressRows = 38;
constexpr double kMillisecondsPerUnit = 0.864;

} // namespace

TfLoader::TClock TfLoader::SteadyClock()
{
    return [] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return std::chrono::duration<double, std::milli>(now).count() / kMillisecondsPerUnit;
    };
}

TfLoader::TfLoader(TClock clock) : clock_(std::move(clock))
{
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("Velmora"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    Timer2.setInterval(1);
    Timer2.setTimerType(Qt::PreciseTimer);
    connect(&Timer2, &QTimer::timeout, this, &TfLoader::Timer2Timer);
    FormCreate();
    Timer2.start();
}

void TfLoader::FormCreate()
{
    contentDir_ = ContentPath::ExecutableDir();
    LoadJpegBitmap(ContentPath::Join(contentDir_, u"\\design\\loader\\loading_pr.jpg"), progress_);
    LoadJpegBitmap(ContentPath::Join(contentDir_, u"\\design\\loader\\loading_bg.jpg"),
                   background_);
    composition_ = background_;
    started_ = false;
    setFixedSize(kWidth, kHeight);
    duration_ = kDurationUnits;
    move(CentredOnDesktop(screen()->geometry().size(), size()));
}

int TfLoader::BarWidth(double elapsedUnits)
{
    return int(std::nearbyint(elapsedUnits / kDurationUnits * kFullBarWidth));
}

void TfLoader::Timer2Timer()
{
    if (!started_) {
        startTime_ = currentTime_ = clock_();
        started_ = true;
        return;
    }
    const int shownWidth = CurrentBarWidth();
    currentTime_ = clock_();
    if (currentTime_ > startTime_ + duration_)
        Timer2.stop();
    // The bar moves a pixel every few ticks; repainting only then looks the same.
    if (CurrentBarWidth() != shownWidth)
        update();
}

void TfLoader::FormPaint(QPainter& canvas)
{
    // Only the window's part of the picture: a larger picture is never seen beyond it.
    composition_ = background_.isNull() ? QImage() : background_.copy(rect());
    const int width = CurrentBarWidth();
    if (width > 0 && !composition_.isNull()) {
        QPainter composer(&composition_);
        composer.drawImage(QRect(kBarArea.left(), kBarArea.top(), width, kBarArea.height()),
                           progress_, QRect(0, 0, width, kProgressRows));
    }
    if (composition_.isNull())
        canvas.fillRect(rect(), palette().window()); // no background picture: an empty window
    canvas.drawImage(0, 0, composition_);
}

void TfLoader::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    FormPaint(canvas);
}
