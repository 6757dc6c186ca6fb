#pragma once

#include "ViewInputWatcher.h"

// Keeps the engine from scrolling its page by itself: the wheel and the scrolling keys never
// reach the engine's input widget inside the view, so the page moves only by the window's own
// steps, which see those events first where they enter the window.
class TOwnScrollingBlocker : public TViewInputWatcher {
public:
    explicit TOwnScrollingBlocker(QWidget& view) : TViewInputWatcher(view) {}

private:
    bool InputEvent(const QEvent& event) override;
};
