#pragma once

#include "PageCommandTarget.h"
#include "SkinPicture.h"
#include "SkinnedWindow.h"
#include "uMainMenu.h"

#include <functional>

// The program's own context menu over a page: save, print and copy, carried out on the page of
// the window the target names, on the press itself; the pop-up then hides.
class TfChContext : public TSkinnedWindow {
public:
    // The window that runs the commands of a target, or null while there is none.
    using TTargetFinder = std::function<TPageCommandTarget*(TContextTarget)>;

    TContextTarget TargetCode = TContextTarget::Catalogue;

protected:
    TfChContext(const QString& contentDir, TTargetFinder findTarget);

    void FormPaint(QPainter& canvas) override;
    void DescribeControls(TAccessibleControls& controls) override;
    void FormMouseDown(Qt::MouseButton button, QPoint point) override;
    void FormMouseMove(QPoint point) override;
    void FormMouseUp(Qt::MouseButton button, QPoint point) override;

private:
    TTargetFinder findTarget_;
    TMainMenuEx ButtonGroup;
    TSkinPicture Background;
    int Chosen = -1;
};
