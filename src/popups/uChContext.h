#pragma once

#include "SkinnedWindow.h"
#include "uMainMenu.h"

#include <QImage>

#include <optional>

class TBrowserWindow;

// The program's own context menu over a page: save, print and copy, carried out on the page of
// the window the target code names, on the press itself; the pop-up then hides.
class TfChContext : public TSkinnedWindow {
public:
    enum TTarget { CatalogueTarget = 0, SearchTarget = 1, InformationTarget = 2 };

    TfChContext();

    int TargetCode = CatalogueTarget;

protected:
    void FormPaint(QPainter& canvas) override;
    void FormMouseDown(Qt::MouseButton button, QPoint point) override;
    void FormMouseMove(QPoint point) override;
    void FormMouseUp(Qt::MouseButton button, QPoint point) override;

private:
    void FormCreate();
    // The window whose page the commands act on, if it exists.
    TBrowserWindow* Target() const;

    std::optional<TMainMenuEx> ButtonGroup;
    QImage Background;
    QImage Surface;
    int Chosen = -1;
};
