#pragma once

#include "MessageHook.h"
#include "PageCommandTarget.h"
#include "SkinPicture.h"
#include "SkinnedWindow.h"
#include "uMainMenu.h"

#include <functional>

class QKeyEvent;

// The program's own context menu over a page: save, print and copy, carried out on the page of
// the window the target names once the press is over; the pop-up hides at the press. It never
// takes the focus from the page: while it shows, it listens to the program's message hook
// before the windows do, and the keys are its own.
class TfChContext : public TSkinnedWindow, public TMessageListener {
public:
    // The window that runs the commands of a target, or null while there is none.
    using TTargetFinder = std::function<TPageCommandTarget*(TContextTarget)>;

    TContextTarget TargetCode = TContextTarget::Catalogue;

    // Shown with its corner just above and left of a screen point, for a target's page.
    void ShowAt(QPoint screenPoint, TContextTarget target);
    // A press somewhere in the program hides it, unless the press is its own.
    void HideOnPressAt(const QObject* receiver);

protected:
    // Its pictures and buttons come from skin, and hook hands it the keys; both outlive it.
    TfChContext(TTickSource& ticks, const TSkin& skin, TMessageHook& hook,
                TTargetFinder findTarget);
    // Besides what every skinned window leaves: the hook.
    void Unhook();

    void FormPaint(QPainter& canvas) override;
    void DescribeControls(TAccessibleControls& controls) override;
    void FormMouseDown(Qt::MouseButton button, QPoint point) override;
    void FormMouseMove(QPoint point) override;
    void FormMouseUp(Qt::MouseButton button, QPoint point) override;
    void FormShow() override;
    void FormHide() override;
    bool MarkShown() const override { return isVisible(); }

private:
    bool HookMessage(QObject* receiver, QEvent* event) override;
    // The arrows and Tab move the focus mark round the commands, Space and Enter carry out the
    // marked one, Escape hides the pop-up. False for any other key.
    bool TakeKey(const QKeyEvent& event);
    void RunLater(TPageCommand command);

    TMessageHook& hook_;
    TTargetFinder findTarget_;
    TMainMenuEx ButtonGroup;
    TSkinPicture Background;
    int Chosen = -1;
};
