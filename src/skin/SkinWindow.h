#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <Qt>

// The one bit from the button groups to the window mover: a group marks a press it took, the
// window clears the mark at the start of each mouse move.
enum class TPressTag { Free = 0, TakenByButton = 1 };

// What the skin controls need of the window they live on: the pointer, the hint and the Tag
// for the button groups and bars, the place and size for the mover. Every skinned window
// implements it once in its base, so the controls stay plain objects that tests can drive.
class TSkinWindow {
public:
    virtual ~TSkinWindow() = default;

    virtual void SetPointer(Qt::CursorShape shape) = 0;
    virtual void SetHintText(const QString& text) = 0;
    virtual void SetHintsOn(bool on) = 0;

    virtual TPressTag GetTag() const = 0;
    virtual void SetTag(TPressTag tag) = 0;

    // Screen pixels of a point given in the window's client pixels, with the window where it
    // is now.
    virtual QPoint ClientToScreen(QPoint client) const = 0;

    // Left and Top in the coordinates the window is placed in (the screen for a top-level
    // window, the parent's client area for a child window).
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void MoveTo(int left, int top) = 0;

    virtual QSize ScreenSize() const = 0;
};
