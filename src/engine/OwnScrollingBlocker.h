#pragma once

#include "ViewInputWatcher.h"

// Keeps the engine from scrolling its page by itself: the wheel and the scrolling keys never
// reach the engine's input widget inside the view, so the page moves only by the window's own
// steps, which see those events first where they enter the window. While the page's focus is in
// a field the user types into, the keys are the field's.
class TOwnScrollingBlocker : public TViewInputWatcher {
public:
    explicit TOwnScrollingBlocker(QWidget& view) : TViewInputWatcher(view) {}

    // Whether the page's focus, behind this input widget of its view, is in an element the user
    // types into: a text field, an editable area.
    static bool TakesTyping(const QWidget& input);

private:
    bool InputEvent(const QWidget& input, const QEvent& event) override;
};
