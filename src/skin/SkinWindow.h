#pragma once

#include "SkinOwner.h"

#include <QSize>

// A skinned window as the window mover sees it: one it moves, tests the Tag of, or keeps
// another window inside.
class TSkinWindow : public TSkinOwner {
public:
    // Left and Top in the coordinates the window is placed in (the screen for a top-level
    // window, the parent's client area for a child window).
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void MoveTo(int left, int top) = 0;

    virtual QSize ScreenSize() const = 0;
};
