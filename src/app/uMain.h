#pragma once

#include "Catalogue.h"
#include "SkinPicture.h"
#include "SkinnedWindow.h"
#include "TVelmoraData.h"
#include "TickSource.h"
#include "uMainMenu.h"

#include <vector>

class QCloseEvent;

// The main window: a 1024 by 768 picture with seven catalogue signs and four frame buttons.
class TfMain : public TSkinnedWindow {
public:
    QString ContentDir;
    TSkinPicture MainBackground;
    // The catalogue's, as the windows name them.
    TVelmoraDataArray& Works;
    TVelmoraDataArray& Selection;

    // Hides the search, information and catalogue windows; the work windows stay.
    void HideBrowserWindows();
    // Paints itself once off the screen while the splash waits, so that its first paint on the
    // screen, after the splash, finds its pictures decoded.
    void PaintAhead();

protected:
    // Its pictures and buttons come from skin; both it and catalogue outlive it.
    TfMain(TTickSource& ticks, const TSkin& skin, TCatalogue& catalogue);

    // Besides what every skinned window leaves: its repaint clock.
    void Unhook();

    void FormPaint(QPainter& canvas) override;
    void DescribeControls(TAccessibleControls& controls) override;
    void FormMouseDown(Qt::MouseButton button, QPoint point) override;
    void FormMouseMove(QPoint point) override;
    void FormMouseUp(Qt::MouseButton button, QPoint point) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void Timer1Timer();
    bool FormClose();
    void OpenCatalogue(int group);
    std::vector<int> DrawnStates() const;

    const TSkin& skin_;
    TMainMenuEx signStrip_;
    TMainMenuEx frameStrip_;
    std::vector<int> paintedStates_;
    TClock& Timer1; // repaints while the buttons' pictures may still change
};
