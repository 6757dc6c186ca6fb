#include "HintDisplay.h"

#include "TickSource.h"

#include <QCursor>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>

namespace {
// The pause before a hint appears, as desktop hints do.
constexpr std::chrono::milliseconds kRest(500);
} // namespace

THintDisplay::THintDisplay(QWidget& window, TTickSource& ticks)
    : window_(window), rest_(ticks.Every(kRest, window, [this] { RestEnded(); }))
{
    rest_.SetRunning(false);
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
