#include "uChHtmlViewInfo1.h"

#include "ContentPath.h"
#include "Windows.h"

namespace {

const TBrowserWindowSetup kSetup = {
    .Frame = &TfMain::AboutBackground,
    .BrowserGeometry = QRect(42, 52, 610, 476),
    .ScrollSection = "wb_vscroll",
    .BrowserWidth = 610,
    .ContextTarget = 2,
    .PageCommands = true,
    .HidesContextOnPress = true,
};

} // namespace

TfChHtmlViewInfo1::TfChHtmlViewInfo1() : TBrowserWindow(kSetup)
{
    Guarded([this] {
        CreateCommon(false);
        // This window's browser is never hidden; it shows the page it has.
        wb->Show();
    });
    // A work link brings the catalogue to view once it exists; an entry link does nothing.
    SetLinkActions({.Work = [](int) {}, .Entry = [](int) {}});
}

void TfChHtmlViewInfo1::OpenPage(const QString& pageFileName)
{
    if (!Created())
        return;
    wb->Navigate(ContentPath::Join(fMain->ContentDir, QStringLiteral("\\html\\") + pageFileName));
}

// Each showing starts from the placeholder at the centre; the browser stays shown.
void TfChHtmlViewInfo1::FormShow()
{
    if (!Created())
        return;
    raise();
    CentreInMainWindow();
    NavigatePlaceholder();
}

void TfChHtmlViewInfo1::FormHide()
{
    if (Created() && Bar().IsVisible())
        Bar().SetPosition(0);
}

void TfChHtmlViewInfo1::wbDocumentComplete(const QUrl&)
{
    Scrolling().UpdateScrollRange([this] {
        if (Bar().IsVisible())
            Bar().SetPosition(0);
        Invalidate();
    });
}
