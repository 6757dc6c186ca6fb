#pragma once

#include "SkinnedWindow.h"
#include "TVelmoraData.h"
#include "uMainMenu.h"

#include <QImage>
#include <QTimer>

#include <optional>
#include <vector>

class QCloseEvent;

// A background picture and the same-size copy its window composes each paint on.
struct TBackgroundPair {
    QImage Picture;
    QImage Composition;
};

// The main window: a 1024 by 768 picture with seven catalogue signs and four frame buttons.
// It owns the content folder, the catalogue and the browser windows' backgrounds.
class TfMain : public TSkinnedWindow {
public:
    TfMain();

    QTimer Timer1;
    QString ContentDir;
    TBackgroundPair MainBackground;
    TBackgroundPair CatalogueBackground; // the catalogue window's frame
    TBackgroundPair SearchBackground;    // the search and history window's frame
    TBackgroundPair WorkPicture12Background;
    TBackgroundPair WorkPage21Background;
    TBackgroundPair AboutBackground; // the information window's frame
    TVelmoraDataArray Works;
    TVelmoraDataArray Selection;

    // Hides the search, information and catalogue windows; the work windows stay.
    void HideBrowserWindows();

protected:
    void FormPaint(QPainter& canvas) override;
    void FormMouseDown(Qt::MouseButton button, QPoint point) override;
    void FormMouseMove(QPoint point) override;
    void FormMouseUp(Qt::MouseButton button, QPoint point) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void Timer1Timer();
    bool FormClose();
    void LoadBackgrounds();
    std::vector<int> DrawnStates() const;

    std::optional<TMainMenuEx> signStrip_;
    std::optional<TMainMenuEx> frameStrip_;
    std::vector<int> paintedStates_;
};
