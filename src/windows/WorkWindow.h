#pragma once

#include "BrowserWindow.h"

#include <QImage>

#include <optional>
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
    std::vector<std::string_view> OwnButtons; // sections of buttons.ini, in group order
    std::u16string_view PictureFolder;        // the work's picture is its FileName there
    QRect PictureRect;                        // the picture is stretched into it
    bool LoadsWorkPage;                       // the browser shows the work's own page
};

class TWorkWindow;

// Shows a work window, if it exists, on top with work index of the Selection, as a work link
// does; an index outside the Selection does nothing.
void OpenWork(TWorkWindow* window, int index);

// A window that shows one work of the Selection: its title, its picture and its own buttons.
// It keeps a copy of the work it shows, so a Selection replaced meanwhile is never read
// outside its bounds.
class TWorkWindow : public TBrowserWindow {
public:
    // Shows work index of the Selection; an index outside it changes nothing. The caller
    // shows the window.
    void ShowWork(int index);
    bool InSelection(int index) const;
    int CurrentIndex = 0;

protected:
    TWorkWindow(const TBrowserHost& host, const TWorkWindowSetup& setup);

    std::vector<TMainMenuEx*> ButtonGroups() override { return {&OwnButtons}; }
    void PaintLayers(QPainter& canvas) override;
    // The index before and after the current one, wrapping around the Selection; none while it
    // is empty.
    std::optional<int> PreviousIndex() const;
    std::optional<int> NextIndex() const;

    TMainMenuEx OwnButtons;

private:
    const TWorkWindowSetup& workSetup_;
    std::optional<TVelmoraData> ShownWork;
    QImage WorkPicture;
};
