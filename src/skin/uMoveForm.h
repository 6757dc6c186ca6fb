#pragma once

#include <QPoint>

class TSkinWindow;

// Drags a borderless window by its surface: a press outside the window's buttons starts a
// drag, moves follow the mouse, and the window stays inside the bounds window (or the screen).
class TMoveForm {
public:
    // bounds may be null for the screen; the target's Tag vetoes a drag.
    TMoveForm(TSkinWindow& target, const TSkinWindow* bounds);

    bool IsMoving() const { return moving_; }

    // Points in the target's client pixels; any mouse button acts the same.
    void MouseDown(QPoint point);
    void MouseMove(QPoint point);
    void MouseUp(QPoint point);

private:
    TSkinWindow& target_;
    const TSkinWindow* bounds_;
    QPoint startPos_;           // the target's place at the press
    QPoint startMouse_{-1, -1}; // screen pixels
    bool moving_ = false;
};
