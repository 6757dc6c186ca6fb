#pragma once

#include "AccessibleSkin.h"

#include <QPoint>

#include <functional>
#include <optional>
#include <vector>

class QPainter;
class QWidget;

enum class TFocusMove { Next, Previous };

// The keyboard's place among the controls drawn on one window: the control the focus mark is
// on, moved through the controls a window describes, in reading order (rows from the top, each
// from the left). A control the keyboard reaches is visible and can be pressed; the mark stays
// on its control while the window changes around it, and is gone when that control goes.
class TKeyboardFocus {
public:
    // The control under the mark, by its identity; none when no mark is shown.
    const void* Focused() const { return focused_; }
    void Clear() { focused_ = nullptr; }

    // Puts the mark on the first control (Next) or the last (Previous); false when the window
    // has none the keyboard reaches.
    bool Enter(const TAccessibleControls& controls, TFocusMove move);
    // Puts the mark on one control, by its identity, as a window's default; false when the
    // keyboard does not reach it.
    bool Put(const TAccessibleControls& controls, const void* identity);
    // Moves the mark one control on; false, with the mark gone, when the move leaves the
    // controls at either end. Without a mark it enters them.
    bool Step(const TAccessibleControls& controls, TFocusMove move);
    // Moves the mark within its control's group, round from one end to the other; false when
    // there is no mark.
    bool StepInGroup(const TAccessibleControls& controls, TFocusMove move);

    // Where a click presses the control under the mark, in the window's client pixels.
    std::optional<QPoint> PressPoint(const TAccessibleControls& controls) const;
    // The control under the mark as last described.
    const TAccessibleControl* Control(const TAccessibleControls& controls) const;

private:
    bool MoveWithin(const std::vector<const TAccessibleControl*>& order, TFocusMove move,
                    bool round);

    const void* focused_ = nullptr;
};

// A frame around a control, on its outline where it has one, that shows on light and on dark
// pictures alike.
void DrawFocusMark(QPainter& canvas, const TAccessibleControl& control);

// The controls of a window the keyboard reaches, in reading order.
std::vector<const TAccessibleControl*> ReadingOrder(const TAccessibleControls& controls);

// What Tab (Next) and Shift+Tab (Previous) do in a window: the mark moves through its controls,
// then the focus through its widgets (its pages, then its edit), then round to the controls
// again; never out of the window. markMoved shows the mark where it moved, and says whether it
// did.
void TraverseWindow(QWidget& window, TKeyboardFocus& keyboard, const TAccessibleControls& controls,
                    std::vector<QWidget*> widgets, TFocusMove move,
                    const std::function<bool(bool moved)>& markMoved);

// Hands on the focus of a child window Qt is hiding: to the top sibling window that takes the
// focus, where it had it last, else to the window it stands on. False for a top-level window.
bool HandFocusToSibling(QWidget& window);
