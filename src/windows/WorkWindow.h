#pragma once

#include "BrowserWindow.h"

#include <QImage>

#include <optional>
#include <span>
#include <string_view>
#include <vector>

// The browser of a work window: its page is as wide as the work page's browser. The pop-up over it
// acts on its own page for the target it is given; with none there is no pop-up and no page
// commands.
TBrowserWindowSetup WorkBrowserSetup(QRect browserGeometry, std::string_view scrollSection,
                                     std::optional<TContextTarget> contextTarget);

// What tells the two work windows apart, beside their browser.
struct TWorkWindowSetup {
    TBrowserWindowSetup Window;
    std::span<const std::string_view> OwnButtons; // sections of buttons.ini, in group order
    std::u16string_view PictureFolder;            // the work's picture is its FileName there
    QRect PictureRect;                            // the picture is stretched into it
    bool LoadsWorkPage;                           // the browser shows the work's own page
};

class TWorkWindow;

// Shows a work window, if it exists, on top with work index of the Selection, as a work link
// does; an index outside the Selection does nothing.
void OpenWork(TWorkWindow* window, int index);
// Shows a work window, if it exists, on top with the work another one shows.
void OpenWorkOf(TWorkWindow* window, const TWorkWindow& shown);

enum class TWorkStep { Previous, Next };

// A window that shows one work of a result set: its title, its picture and its own buttons.
// It keeps the set it was shown from, so that a result replaced under it never makes it show or
// open a work the user did not step to: its steps walk the current Selection while that holds
// the shown work, and the set it came from otherwise. The two work windows show one work: a
// work shown in one is the other's too while the other is open.
class TWorkWindow : public TBrowserWindow {
public:
    // Shows work index of the Selection; an index outside it changes nothing. The caller
    // shows the window.
    void ShowWork(int index);
    // Shows the work the other window shows, in the set it walks.
    void ShowWorkOf(const TWorkWindow& other);
    bool InSelection(int index) const;
    // None before the first work.
    const TVelmoraData* ShownWork() const;
    int CurrentIndex = 0; // of the shown work, in the set the window walks

protected:
    TWorkWindow(const TBrowserHost& host, const TWorkWindowSetup& setup);

    std::vector<TMainMenuEx*> ButtonGroups() override { return {&OwnButtons}; }
    void PaintLayers(QPainter& canvas) override;
    // Steps to the work before or after the shown one, wrapping around the set.
    void Step(TWorkStep step);
    // The other work window, if it exists.
    virtual TWorkWindow* Partner() const = 0;

    TMainMenuEx OwnButtons;

private:
    void WorkChanged();
    void LoadWork();
    void FollowSelection();

    const TWorkWindowSetup& workSetup_;
    TVelmoraDataArray set_;
    QImage WorkPicture;
};
