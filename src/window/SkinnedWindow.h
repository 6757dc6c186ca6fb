#pragma once

#include "AccessibleSkin.h"
#include "Dialogs.h"
#include "HintDisplay.h"
#include "KeyboardFocus.h"
#include "SkinWindow.h"
#include "TickSource.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <exception>
#include <vector>

// The plumbing every skinned window shares, over the widget kind it is (a plain widget, or a
// dialog for the modal question): the owner services its skin controls use (pointer, hint,
// Tag, screen), the composed paint, the mouse handlers by name, and what a screen reader is
// told of the controls drawn on it. An error escaping a handler is shown in the standard error
// box and the program goes on. A window is made as a TSealed one, which unhooks it before any
// of its parts go; from then on no handler of it runs. The keyboard reaches the controls too:
// Tab and Shift+Tab move a focus mark through them in reading order and on through the window's
// own widgets, and never out of the window; Space and Enter press the marked control as a click
// does; arrow keys move the mark within its group.
template <typename TWidget>
class TSkinnedWindowOf : public TWidget, public TSkinWindow, public TAccessibleSkin {
public:
    // Its hint waits on a clock of ticks.
    explicit TSkinnedWindowOf(TTickSource& ticks, QWidget* parent = nullptr)
        : TWidget(parent), hint_(*this, ticks)
    {
        RegisterSkinWindow(this, *this);
        this->setMouseTracking(true);
        // Every paint covers the whole window with its composition.
        this->setAttribute(Qt::WA_OpaquePaintEvent);
        this->setFocusPolicy(Qt::StrongFocus);
    }

    TPressTag Tag = TPressTag::Free;

    void SetPointer(Qt::CursorShape shape) override { this->setCursor(shape); }
    void SetHintText(const QString& text) override { hint_.SetText(text); }
    void SetHintsOn(bool on) override { hint_.SetOn(on); }
    TPressTag GetTag() const override { return Tag; }
    void SetTag(TPressTag tag) override { Tag = tag; }
    QPoint ClientToScreen(QPoint client) const override { return this->mapToGlobal(client); }

    int Left() const override { return this->x(); }
    int Top() const override { return this->y(); }
    int Width() const override { return this->width(); }
    int Height() const override { return this->height(); }
    void MoveTo(int left, int top) override { this->move(left, top); }
    QSize ScreenSize() const override
    {
        const QScreen* screen = this->screen() ? this->screen() : QApplication::primaryScreen();
        return screen->geometry().size();
    }

    const THintDisplay& Hint() const { return hint_; }

    void DescribeControls(TAccessibleControls&) override {}
    const void* FocusedControl() const override
    {
        return MarkShown() ? keyboard_.Focused() : nullptr;
    }

protected:
    // Composes the whole window and draws it onto canvas in one operation.
    virtual void FormPaint(QPainter& canvas) = 0;
    virtual void FormMouseDown(Qt::MouseButton, QPoint) {}
    virtual void FormMouseMove(QPoint) {}
    virtual void FormMouseUp(Qt::MouseButton, QPoint) {}
    virtual void FormShow() {}
    virtual void FormHide() {}
    // The window's widgets Tab reaches after its controls, in order: its pages, then its edit.
    virtual std::vector<QWidget*> FocusWidgets() { return {}; }

    // Runs a handler; what it throws goes to the error box, and the rest of it is skipped.
    // Afterwards the hint shows what the handler left. A window on its way out runs none: an
    // event Qt sends while it takes the window apart would find its parts gone.
    template <typename THandler> void Guarded(THandler handler)
    {
        if (unhooked_)
            return;
        try {
            handler();
        } catch (const std::exception& error) {
            Dialogs().ShowError(this, QString::fromLocal8Bit(error.what()));
        }
        hint_.Apply();
    }

    // Repaints without erasing: the paint covers everything.
    void Invalidate() { this->update(); }

    // Whether the focus mark is drawn: while the window has the focus, unless it never takes it.
    virtual bool MarkShown() const { return this->hasFocus(); }
    TKeyboardFocus& Keyboard() { return keyboard_; }
    // The controls as the window describes them now.
    TAccessibleControls Controls()
    {
        TAccessibleControls controls;
        DescribeControls(controls);
        return controls;
    }

    // Leaves everything outside the window that could call it, before any of its parts go: a
    // screen reader no longer finds it, its hint never shows, and its handlers run no more. A
    // window that registers itself elsewhere hides this with its own, which calls this one.
    void Unhook()
    {
        unhooked_ = true;
        UnregisterSkinWindow(this);
        hint_.Stop();
    }

    // Composes the whole window: the background picture first (an empty area where it is
    // missing), then what drawLayers draws. The canvas is the window's off-screen backing store,
    // which reaches the screen in one operation, so no picture of the window's own is kept.
    template <typename TLayers>
    void Compose(QPainter& canvas, const QImage& background, TLayers drawLayers)
    {
        if (background.deviceIndependentSize() != QSizeF(this->size()))
            canvas.fillRect(this->rect(), Qt::black);
        canvas.drawImage(0, 0, background);
        drawLayers(canvas);
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter canvas(this);
        Guarded([&] {
            FormPaint(canvas);
            if (!MarkShown() || !keyboard_.Focused())
                return;
            const TAccessibleControls controls = Controls();
            if (const TAccessibleControl* marked = keyboard_.Control(controls))
                DrawFocusMark(canvas, *marked);
        });
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        // The mouse takes over from the keyboard.
        keyboard_.Clear();
        Guarded([&] { FormMouseDown(event->button(), event->position().toPoint()); });
        hint_.Stop();
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        Guarded([&] { FormMouseMove(event->position().toPoint()); });
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        Guarded([&] { FormMouseUp(event->button(), event->position().toPoint()); });
        hint_.Stop();
    }
    // A double click is a press to the handlers, as a second click is.
    void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }
    // Only the program's own showing and hiding; minimising the program is not one.
    void showEvent(QShowEvent* event) override
    {
        TWidget::showEvent(event);
        if (!event->spontaneous())
            Guarded([&] { FormShow(); });
    }
    void hideEvent(QHideEvent* event) override
    {
        TWidget::hideEvent(event);
        // Its hint goes with the window.
        hint_.SetOn(false);
        hint_.Apply();
        if (!event->spontaneous())
            Guarded([&] { FormHide(); });
    }

    // A key left to the window itself never reaches the window it stands on.
    void keyPressEvent(QKeyEvent* event) override
    {
        bool taken = false;
        Guarded([&] { taken = ControlKey(event->key()); });
        if (!taken)
            TWidget::keyPressEvent(event);
        if (!this->isWindow())
            event->accept();
    }
    // Space and Enter press the control under the mark as a click does; the arrows move the mark
    // within its group. False for any other key, and without a mark.
    bool ControlKey(int key)
    {
        const TAccessibleControls controls = Controls();
        switch (key) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // No move before it: a hint would show wherever the pointer happens to be.
            if (const std::optional<QPoint> at = keyboard_.PressPoint(controls)) {
                FormMouseDown(Qt::LeftButton, *at);
                FormMouseUp(Qt::LeftButton, *at);
                return true;
            }
            return false;
        case Qt::Key_Left:
        case Qt::Key_Up:
            return MarkMoved(keyboard_.StepInGroup(controls, TFocusMove::Previous));
        case Qt::Key_Right:
        case Qt::Key_Down:
            return MarkMoved(keyboard_.StepInGroup(controls, TFocusMove::Next));
        default:
            return false;
        }
    }
    bool focusNextPrevChild(bool next) override
    {
        // Qt asks a child window it hides to hand the focus on.
        if (!this->isVisible() || unhooked_)
            return (!unhooked_ && HandFocusToSibling(*this)) || TWidget::focusNextPrevChild(next);
        Guarded([&] {
            TraverseWindow(*this, keyboard_, Controls(), FocusWidgets(),
                           next ? TFocusMove::Next : TFocusMove::Previous,
                           [this](bool moved) { return MarkMoved(moved); });
        });
        return true;
    }
    // Focus that comes by Tab puts the mark on the first control, by Shift+Tab on the last; any
    // other way leaves the mark where it was. A dialog that is shown tells its focus it came by
    // Tab before it has it: that one is no key of the user's.
    void focusInEvent(QFocusEvent* event) override
    {
        TWidget::focusInEvent(event);
        Guarded([&] {
            const bool byTab =
                event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
            if (byTab && this->hasFocus()) {
                const TAccessibleControls controls = Controls();
                keyboard_.Enter(controls, event->reason() == Qt::TabFocusReason
                                              ? TFocusMove::Next
                                              : TFocusMove::Previous);
            }
            MarkMoved(true);
        });
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        TWidget::focusOutEvent(event);
        Invalidate();
    }

    bool MarkMoved(bool moved)
    {
        if (moved) {
            Invalidate();
            TellFocusMoved(this);
        }
        return moved;
    }

private:
    THintDisplay hint_;
    TKeyboardFocus keyboard_;
    bool unhooked_ = false;
};

using TSkinnedWindow = TSkinnedWindowOf<QWidget>;
