#pragma once

#include "AccessibleSkin.h"
#include "Dialogs.h"
#include "HintDisplay.h"
#include "SkinWindow.h"

#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <exception>

// The plumbing every skinned window shares, over the widget kind it is (a plain widget, or a
// dialog for the modal question): the owner services its skin controls use (pointer, hint,
// Tag, screen), the composed paint, the mouse handlers by name, and what a screen reader is
// told of the controls drawn on it. An error escaping a handler is shown in the standard error
// box and the program goes on. A window is made as a TSealed one, which unhooks it before any
// of its parts go; from then on no handler of it runs.
template <typename TWidget>
class TSkinnedWindowOf : public TWidget, public TSkinWindow, public TAccessibleSkin {
public:
    explicit TSkinnedWindowOf(QWidget* parent = nullptr) : TWidget(parent), hint_(*this)
    {
        RegisterSkinWindow(this, *this);
        this->setMouseTracking(true);
        // Every paint covers the whole window with its composition.
        this->setAttribute(Qt::WA_OpaquePaintEvent);
    }

    int Tag = 0;

    void SetPointer(Qt::CursorShape shape) override { this->setCursor(shape); }
    void SetHintText(const QString& text) override { hint_.SetText(text); }
    void SetHintsOn(bool on) override { hint_.SetOn(on); }
    int GetTag() const override { return Tag; }
    void SetTag(int tag) override { Tag = tag; }
    QPoint ClientToScreen(QPoint client) const override { return this->mapToGlobal(client); }

    int Left() const override { return this->x(); }
    int Top() const override { return this->y(); }
    int Width() const override { return this->width(); }
    int Height() const override { return this->height(); }
    void MoveTo(int left, int top) override { this->move(left, top); }
    QSize ScreenSize() const override
    {
        const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        return screen->geometry().size();
    }

    const THintDisplay& Hint() const { return hint_; }

    void DescribeControls(TAccessibleControls&) override {}

protected:
    // Composes the whole window and draws it onto canvas in one operation.
    virtual void FormPaint(QPainter& canvas) = 0;
    virtual void FormMouseDown(Qt::MouseButton, QPoint) {}
    virtual void FormMouseMove(QPoint) {}
    virtual void FormMouseUp(Qt::MouseButton, QPoint) {}
    virtual void FormShow() {}
    virtual void FormHide() {}

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
        Guarded([&] { FormPaint(canvas); });
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        Guarded([&] { FormMouseDown(event->button(), event->position().toPoint()); });
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        Guarded([&] { FormMouseMove(event->position().toPoint()); });
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        Guarded([&] { FormMouseUp(event->button(), event->position().toPoint()); });
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

private:
    THintDisplay hint_;
    bool unhooked_ = false;
};

using TSkinnedWindow = TSkinnedWindowOf<QWidget>;
