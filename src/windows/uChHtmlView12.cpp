#include "uChHtmlView12.h"

#include "BrowserWindows.h"
#include "SkinNames.h"
#include "WindowLayout.h"
#include "uChHtmlView21.h"

namespace {

// Its browser stands beyond the window's right edge: the window never shows a page, so there
// is none to save, print or copy, and no pop-up.
const TWorkWindowSetup kSetup = {
    .Window =
        WorkBrowserSetup(WindowLayout::kLargePictureBrowser, SkinNames::kPageScroll, std::nullopt),
    .OwnButtons = SkinNames::kLargePictureButtons,
    .PictureFolder = u"\\images\\big\\",
    .PictureRect = WindowLayout::kLargePicture,
    .LoadsWorkPage = false,
};

enum TOwnButton { BackButton = 0, PreviousButton = 1, NextButton = 2 };

} // namespace

TfChHtmlView12::TfChHtmlView12(const TBrowserHost& host) : TWorkWindow(host, kSetup)
{
    // A work link here goes nowhere.
    Pane().Links = {.Work = [](int) {}, .Entry = {}};
}

void TfChHtmlView12::ButtonsReleased(QPoint point)
{
    switch (OwnButtons.FindButtonAt(point)) {
    case BackButton:
        if (fChHtmlView21)
            fChHtmlView21->ShowWorkOf(*this);
        hide();
        break;
    case PreviousButton:
        Step(TWorkStep::Previous);
        break;
    case NextButton:
        Step(TWorkStep::Next);
        break;
    default:
        break;
    }
    TWorkWindow::ButtonsReleased(point);
}

TWorkWindow* TfChHtmlView12::Partner() const
{
    return fChHtmlView21;
}
