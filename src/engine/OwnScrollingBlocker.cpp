#include "OwnScrollingBlocker.h"

#include <QApplication>
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
    // The engine's input widget inside the view comes and goes with its renderer.
    qApp->installEventFilter(this);
}

bool TOwnScrollingBlocker::eventFilter(QObject* watched, QEvent* event)
{
    const auto* widget = qobject_cast<QWidget*>(watched);
    return view_ && widget && widget != view_ && view_->isAncestorOf(widget) &&
           ScrollsThePage(*event);
}
