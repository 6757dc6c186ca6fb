#pragma once

#include "SkinWindow.h"

// A window as the skin controls see it, recording what they set.
class FakeSkinWindow : public TSkinWindow {
public:
    void SetPointer(Qt::CursorShape shape) override { pointer = shape; }
    void SetHintText(const QString& text) override { hintText = text; }
    void SetHintsOn(bool on) override { hintsOn = on; }
    TPressTag GetTag() const override { return tag; }
    void SetTag(TPressTag value) override { tag = value; }
    QPoint ClientToScreen(QPoint client) const override
    {
        return client + QPoint(left, top) + parentOrigin;
    }

    int Left() const override { return left; }
    int Top() const override { return top; }
    int Width() const override { return width; }
    int Height() const override { return height; }
    void MoveTo(int newLeft, int newTop) override
    {
        left = newLeft;
        top = newTop;
    }
    QSize ScreenSize() const override { return screen; }

    // What a window's mouse-move handler resets before it calls its controls.
    void ResetForMove()
    {
        tag = TPressTag::Free;
        pointer = Qt::ArrowCursor;
        hintsOn = false;
        hintText.clear();
    }

    Qt::CursorShape pointer = Qt::ArrowCursor;
    QString hintText;
    bool hintsOn = false;
    TPressTag tag = TPressTag::Free;
    int left = 0;
    int top = 0;
    int width = 100;
    int height = 80;
    QPoint parentOrigin; // where the coordinates left and top count from, on the screen
    QSize screen{1024, 768};
};
