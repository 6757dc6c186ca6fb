#pragma once

#include "BrowserHost.h"
#include "BrowserPane.h"

#include <deque>

class QEvent;
class QObject;
class QWidget;

// Whether a press anywhere in the program hides the context pop-up while the window shows.
enum class TPopUpOnPress { Hide, Keep };

// A browser window's share of the program's input, handed to it by the program's hook. Each
// input event is seen first by the top-level window it is for; acting only there counts every
// wheel turn, key and press once. While the window shows, the wheel and the keys step its first
// page, Escape anywhere inside it closes it, and a press may hide the context pop-up.
class TWindowInputRouting {
public:
    // The window's panes outlive the routing; the first takes the steps.
    TWindowInputRouting(QWidget& window, std::deque<TBrowserPane>& panes, TPopUpOnPress onPress,
                        TContextPopUpCalls popUp);

    void Route(QObject* receiver, QEvent& event);

private:
    bool EscapeInside(const QObject* receiver, const QEvent& event) const;
    void Key(int key);
    void Press(const QObject* receiver, Qt::MouseButton button);

    QWidget& window_;
    std::deque<TBrowserPane>& panes_;
    const TPopUpOnPress onPress_;
    const TContextPopUpCalls popUp_;
};
