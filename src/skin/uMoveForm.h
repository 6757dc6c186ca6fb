#pragma once

#include <QPoint>

class TSkinWindow;

// Drags a borderless window by its surface: a press outside the window's buttons starts a
// drag, moves follow the mouse, and the window stays inside the bounds window (or the screen).
class TMoveForm {
public:
    // bounds may be null for the screen; gate is the window whose Tag vetoes a drag and whose
    // size is kept inside the bounds (every window passes itself as target and gate).
    TMoveForm(TSkinWindow& target, QPoint startPos, const TSkinWindow* bounds,
              const TSkinWindow& gate);

    bool IsMoving() const { return moving_; }

    // Points in the target's client pixels; any mouse button acts the same.
    void MouseDown(QPoint point);
    void MouseMove(QPoint point);
    void MouseUp(QPoint point);

private:
    TSkinWindow& target_;
    const TSkinWindow* bounds_;
    const TSkinWindow& gate_;
    QPoint startPos_;
    QPoint startMouse_{-1, -1}; // screen pixels
    bool moving_ = false;
};
