#include "HintDisplay.h"

#include <QCursor>
#include <QTextDocument>
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
        // A window hidden meanwhile has no hint to show, nor one whose child window or browser
        // the pointer has gone on to: the hint belongs to what is under the pointer.
        if (!window_.isVisible() || window_.childAt(window_.mapFromGlobal(QCursor::pos())))
            return;
        shown_ = pending_;
        // A hint is the skin's plain text: read as markup, a title could load any file or
        // nest deeper than the stack allows.
        QToolTip::showText(QCursor::pos(), Qt::convertFromPlainText(shown_, Qt::WhiteSpacePre),
                           &window_);
    });
}

void THintDisplay::Apply()
{
    const QString wanted = on_ ? text_ : QString();
    if (wanted == shown_ || (rest_.isActive() && wanted == pending_)) {
        if (wanted.isEmpty())
            rest_.stop();
        return;
    }
    rest_.stop();
    if (!shown_.isEmpty()) {
        QToolTip::hideText();
        shown_.clear();
    }
    pending_ = wanted;
    if (!pending_.isEmpty())
        rest_.start();
}

void THintDisplay::Stop()
{
    on_ = false;
    Apply();
}
