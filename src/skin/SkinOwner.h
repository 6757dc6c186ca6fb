#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

// What a button group or a scroll bar needs of the window it lives on. Every skinned window
// implements it once in its base, so the controls stay plain objects that tests can drive.
class TSkinOwner {
public:
    virtual ~TSkinOwner() = default;

    virtual void SetPointer(Qt::CursorShape shape) = 0;
    virtual void SetHintText(const QString& text) = 0;
    virtual void SetHintsOn(bool on) = 0;

    // One bit from the button groups to the window mover: a group sets it to 1 when it takes
    // a press, the window clears it at the start of each mouse move.
    virtual int GetTag() const = 0;
    virtual void SetTag(int tag) = 0;

    // Screen pixels of a point given in the window's client pixels, with the window where it
    // is now.
    virtual QPoint ClientToScreen(QPoint client) const = 0;
};
