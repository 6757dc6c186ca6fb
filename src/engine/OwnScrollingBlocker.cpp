#include "OwnScrollingBlocker.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

bool ScrollsThePage(const QEvent& event)
{
    if (event.type() == QEvent::Wheel)
        return true;
    if (event.type() != QEvent::KeyPress && event.type() != QEvent::ShortcutOverride)
        return false;
    switch (static_cast<const QKeyEvent&>(event).key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Space:
        return true;
    default:
        return false;
    }
}

} // namespace

TOwnScrollingBlocker::TOwnScrollingBlocker(QWidget& view) : QObject(&view), view_(&view)
{
    view.installEventFilter(this);
    WatchInputWidgets();
}

// The engine's input widget inside the view comes and goes with its renderer. Watched again
// whenever the view shows, the blocker stands first among the widget's filters, before any
// that came later.
void TOwnScrollingBlocker::WatchInputWidgets()
{
    for (QWidget* child : view_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->installEventFilter(this);
}

bool TOwnScrollingBlocker::eventFilter(QObject* watched, QEvent* event)
{
    if (!view_)
        return false;
    if (watched == view_) {
        if (event->type() == QEvent::ChildAdded || event->type() == QEvent::Show)
            WatchInputWidgets();
        return false;
    }
    return ScrollsThePage(*event);
}
