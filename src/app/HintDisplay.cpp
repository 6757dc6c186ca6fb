#include "HintDisplay.h"

#include <QCursor>
#include <QToolTip>
#include <QWidget>

namespace {
// The pause before a hint appears, as desktop hints do.
constexpr int kRestMilliseconds = 500;
} // namespace

THintDisplay::THintDisplay(QWidget& window) : window_(window)
{
    rest_.setSingleShot(true);
    rest_.setInterval(kRestMilliseconds);
    QObject::connect(&rest_, &QTimer::timeout, &window_, [this] {
        shown_ = text_;
        QToolTip::showText(QCursor::pos(), text_, &window_);
    });
}

void THintDisplay::Apply()
{
    const QString wanted = on_ ? text_ : QString();
    if (wanted == shown_ && (!wanted.isEmpty() || !rest_.isActive()))
        return;
    rest_.stop();
    if (!shown_.isEmpty()) {
        QToolTip::hideText();
        shown_.clear();
    }
    if (!wanted.isEmpty())
        rest_.start();
}
