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

bool TOwnScrollingBlocker::TakesTyping(const QWidget& input)
{
    // The engine switches input methods on for its input widget exactly while such an element
    // has the focus.
    return input.testAttribute(Qt::WA_InputMethodEnabled);
}

bool TOwnScrollingBlocker::InputEvent(const QWidget& input, const QEvent& event)
{
    if (event.type() != QEvent::Wheel && TakesTyping(input))
        return false;
    return ScrollsThePage(event);
}
