#include "uChHtmlView21.h"

#include "BrowserWindows.h"
#include "SkinNames.h"
#include "WindowLayout.h"
#include "uChHtmlView12.h"

namespace {

const TWorkWindowSetup kSetup = {
    .Window = WorkBrowserSetup(WindowLayout::kWorkBrowser, SkinNames::kWorkPageScroll,
                               TContextTarget::WorkPage),
    .OwnButtons = SkinNames::kWorkPageButtons,
    .PictureFolder = u"\\images\\middle\\",
    .PictureRect = WindowLayout::kMiddlePicture,
    .LoadsWorkPage = true,
};

enum TOwnButton { LargePictureButton = 0 };

} // namespace

TfChHtmlView21::TfChHtmlView21(const TBrowserHost& host) : TWorkWindow(host, kSetup)
{
    Pane().Links = {.Work = [](int index) { OpenWork(fChHtmlView12, index); }, .Entry = {}};
}

void TfChHtmlView21::ButtonsReleased(QPoint point)
{
    if (OwnButtons.FindButtonAt(point) == LargePictureButton)
        OpenWorkOf(fChHtmlView12, *this);
    TWorkWindow::ButtonsReleased(point);
}

TWorkWindow* TfChHtmlView21::Partner() const
{
    return fChHtmlView12;
}
