#pragma once

#include "CatalogueLoader.h"
#include "SkinPicture.h"
#include "SkinnedWindow.h"
#include "TVelmoraData.h"
#include "TickSource.h"
#include "uMainMenu.h"

#include <future>
#include <vector>

class QCloseEvent;

// The main window: a 1024 by 768 picture with seven catalogue signs and four frame buttons.
// It owns the content folder, the catalogue and the browser windows' frames.
class TfMain : public TSkinnedWindow {
public:
    QString ContentDir;
    TSkinPicture MainBackground;
    // The frame of each browser window, in the order of their registry.
    std::vector<TSkinPicture> BrowserFrames;
    TVelmoraDataArray Works;
    TVelmoraDataArray Selection;

    // Hides the search, information and catalogue windows; the work windows stay.
    void HideBrowserWindows();
    // Begins reading the catalogue; does nothing after the first call.
    void StartLoading();
    // Waits for the catalogue to be read (beginning if it has not), takes it into Works and tells
    // what could not be read; does nothing after the first call. Before anything reads Works.
    void FinishLoading();
    // Paints itself once off the screen while the splash waits, so that its first paint on the
    // screen, after the splash, finds its pictures decoded.
    void PaintAhead();

protected:
    // Its pictures and buttons come from skin, which outlives it.
    TfMain(TTickSource& ticks, const TSkin& skin);

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
    void LoadBackgrounds();
    std::vector<int> DrawnStates() const;

    const TSkin& skin_;
    TMainMenuEx signStrip_;
    TMainMenuEx frameStrip_;
    std::vector<int> paintedStates_;
    bool loadStarted_ = false;
    std::future<TLoadedCatalogue> catalogueLoad_;
    TClock& Timer1; // repaints while the buttons' pictures may still change
};
