#include "HintDisplay.h"

#include "TickSource.h"

#include <QApplication>
#include <QCursor>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {

// The pause before a hint appears, as desktop hints do.
constexpr std::chrono::milliseconds kRest(500);

std::vector<THintDisplay*>& Displays()
{
    static std::vector<THintDisplay*> displays;
    return displays;
}

// Sees every window of the program as it shows: a dialog, a box, a skinned window over others.
class TShownWindows : public QObject {
public:
    static void Watch()
    {
        static TShownWindows* const watcher = new TShownWindows(qApp);
        (void)watcher;
    }

private:
    explicit TShownWindows(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType())
            THintDisplay::WindowShown(*static_cast<QWidget*>(watched));
        return false;
    }
};

} // namespace

THintDisplay::THintDisplay(QWidget& window, TTickSource& ticks)
    : window_(window), rest_(ticks.Every(kRest, window, [this] { RestEnded(); }))
{
    rest_.SetRunning(false);
    TShownWindows::Watch();
    Displays().push_back(this);
}

THintDisplay::~THintDisplay()
{
    std::erase(Displays(), this);
}

void THintDisplay::WindowShown(const QWidget& shown)
{
    // The hint itself is a window too; a page or an edit showing inside a window is no window.
    const bool overOthers =
        shown.isWindow() ? shown.windowType() != Qt::ToolTip
                         : std::ranges::any_of(Displays(), [&shown](const THintDisplay* display) {
                               return &display->window_ == &shown;
                           });
    if (!overOthers)
        return;
    for (THintDisplay* display : Displays()) {
        if (&display->window_ != &shown)
            display->Stop();
    }
}

bool THintDisplay::IsWaiting() const
{
    return rest_.IsRunning();
}

void THintDisplay::RestEnded()
{
    rest_.SetRunning(false);
    // A window hidden meanwhile has no hint to show, nor one whose child window or browser the
    // pointer has gone on to: the hint belongs to what is under the pointer.
    if (!window_.isVisible() || window_.childAt(window_.mapFromGlobal(QCursor::pos())))
        return;
    shown_ = pending_;
    // A hint is the skin's plain text: read as markup, a title could load any file or nest
    // deeper than the stack allows.
    QToolTip::showText(QCursor::pos(), Qt::convertFromPlainText(shown_, Qt::WhiteSpacePre),
                       &window_);
}

void THintDisplay::Apply()
{
    const QString wanted = on_ ? text_ : QString();
    if (wanted == shown_ || (IsWaiting() && wanted == pending_)) {
        if (wanted.isEmpty())
            rest_.SetRunning(false);
        return;
    }
    rest_.SetRunning(false);
    if (!shown_.isEmpty()) {
        QToolTip::hideText();
        shown_.clear();
    }
    pending_ = wanted;
    if (!pending_.isEmpty())
        rest_.SetRunning(true);
}

void THintDisplay::Stop()
{
    on_ = false;
    Apply();
}
