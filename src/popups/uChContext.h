#pragma once

#include "PageCommandTarget.h"
#include "SkinPicture.h"
#include "SkinnedWindow.h"
#include "uMainMenu.h"

#include <functional>

class QKeyEvent;

// The program's own context menu over a page: save, print and copy, carried out on the page of
// the window the target names, on the press itself; the pop-up then hides. It never takes the
// focus from the page, so the window that has it hands it the keys.
class TfChContext : public TSkinnedWindow {
public:
    // The window that runs the commands of a target, or null while there is none.
    using TTargetFinder = std::function<TPageCommandTarget*(TContextTarget)>;

    TContextTarget TargetCode = TContextTarget::Catalogue;

    // The arrows and Tab move the focus mark round the commands, Space and Enter carry out the
    // marked one, Escape hides the pop-up. False for any other key.
    bool TakeKey(const QKeyEvent& event);

protected:
    // Its pictures and buttons come from skin, which outlives it.
    TfChContext(TTickSource& ticks, const TSkin& skin, TTargetFinder findTarget);

    void FormPaint(QPainter& canvas) override;
    void DescribeControls(TAccessibleControls& controls) override;
    void FormMouseDown(Qt::MouseButton button, QPoint point) override;
    void FormMouseMove(QPoint point) override;
    void FormMouseUp(Qt::MouseButton button, QPoint point) override;
    // It reopens without a mark.
    void FormHide() override { Keyboard().Clear(); }
    bool MarkShown() const override { return isVisible(); }

private:
    TTargetFinder findTarget_;
    TMainMenuEx ButtonGroup;
    TSkinPicture Background;
    int Chosen = -1;
};
