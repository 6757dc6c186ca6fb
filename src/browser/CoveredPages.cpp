#include "CoveredPages.h"

#include <QEvent>
#include <QRegion>
#include <QTimer>
#include <QWidget>

TCoveredPages::TCoveredPages(QWidget& window, TIsPageWindow isPageWindow,
                             std::function<void(bool covered)> setCovered)
    : window_(window), isPageWindow_(isPageWindow), setCovered_(std::move(setCovered))
{
}

void TCoveredPages::See(const QObject* receiver, const QEvent& event)
{
    if (ChangesStacking(receiver, event))
        Update();
}

bool TCoveredPages::ChangesStacking(const QObject* receiver, const QEvent& event) const
{
    switch (event.type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ZOrderChange:
    case QEvent::Move:
    case QEvent::Resize:
        return isPageWindow_(receiver);
    default:
        return false;
    }
}

bool TCoveredPages::CoveredBySiblings() const
{
    if (!window_.isVisible())
        return false;
    QRegion uncovered(window_.geometry());
    // The last children stand on top.
    const QObjectList& siblings = window_.parentWidget()->children();
    for (auto sibling = siblings.crbegin(); sibling != siblings.crend() && *sibling != &window_;
         ++sibling) {
        const auto* widget = qobject_cast<const QWidget*>(*sibling);
        if (widget && isPageWindow_(widget) && widget->isVisible())
            uncovered -= widget->geometry();
    }
    return uncovered.isEmpty();
}

// Uncovered pages come back at once, before the focus is handed on to them. Covering waits until
// the events of the change are over (a window opening is shown, moved and raised in turn), and
// is done once for them all.
void TCoveredPages::Update()
{
    if (!CoveredBySiblings()) {
        setCovered_(false);
        return;
    }
    if (queued_)
        return;
    queued_ = true;
    QTimer::singleShot(0, &window_, [this] {
        queued_ = false;
        setCovered_(CoveredBySiblings());
    });
}
