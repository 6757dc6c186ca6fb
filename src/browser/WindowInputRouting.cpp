#include "WindowInputRouting.h"

#include "AccessibleSkin.h"

#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

TWindowInputRouting::TWindowInputRouting(QWidget& window, std::deque<TBrowserPane>& panes,
                                         TPopUpOnPress onPress, TContextPopUpCalls popUp)
    : window_(window), panes_(panes), onPress_(onPress), popUp_(std::move(popUp))
{
}

void TWindowInputRouting::Route(QObject* receiver, QEvent& event)
{
    if (!window_.isVisible())
        return;
    if (EscapeInside(receiver, event)) {
        window_.hide();
        return;
    }
    const auto* window = qobject_cast<QWindow*>(receiver);
    if (!window || !window->handle())
        return;
    switch (event.type()) {
    case QEvent::Wheel:
        if (const int delta = static_cast<QWheelEvent&>(event).angleDelta().y(); delta != 0)
            panes_.front().Key(delta < 0 ? Qt::Key_Down : Qt::Key_Up);
        break;
    case QEvent::KeyPress:
        Key(static_cast<QKeyEvent&>(event).key());
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        Press(receiver, static_cast<QMouseEvent&>(event).button());
        break;
    default:
        break;
    }
}

// Escape closes the window wherever in it the focus is: on the window, in its edit or in a page,
// whose engine keeps the key to itself.
bool TWindowInputRouting::EscapeInside(const QObject* receiver, const QEvent& event) const
{
    if (event.type() != QEvent::KeyPress ||
        static_cast<const QKeyEvent&>(event).key() != Qt::Key_Escape || !receiver->isWidgetType())
        return false;
    const auto* widget = static_cast<const QWidget*>(receiver);
    return widget == &window_ || window_.isAncestorOf(widget);
}

void TWindowInputRouting::Key(int key)
{
    // Where a focus mark is shown, the arrows move it instead; a field being typed into takes
    // them itself.
    const bool typing = std::any_of(panes_.begin(), panes_.end(), [](const TBrowserPane& pane) {
        return pane.Browser().TakesTyping();
    });
    if (!typing && !(FocusMarkShown() && (key == Qt::Key_Up || key == Qt::Key_Down)))
        panes_.front().Key(key);
}

void TWindowInputRouting::Press(const QObject* receiver, Qt::MouseButton button)
{
    if (onPress_ == TPopUpOnPress::Hide && (button == Qt::LeftButton || button == Qt::RightButton))
        popUp_.HideForPress(receiver);
}
