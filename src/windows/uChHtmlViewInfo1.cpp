#include "uChHtmlViewInfo1.h"

#include "BrowserWindows.h"
#include "ContentPath.h"
#include "uChHtmlView.h"

namespace {

const TBrowserWindowSetup kSetup = PageWindowSetup(TContextTarget::Information);

} // namespace

TfChHtmlViewInfo1::TfChHtmlViewInfo1(const TBrowserHost& host) : TBrowserWindow(host, kSetup)
{
    // This window's browser is never hidden; it shows the page it has.
    Browser().Show();
    // A work link brings the catalogue to view as it stands; an entry link does nothing.
    Pane().Links = {.Work =
                        [](int) {
                            if (fChHtmlView)
                                fChHtmlView->BringToView();
                        },
                    .Entry = [](int) {}};
}

void TfChHtmlViewInfo1::OpenPage(QStringView relativePath)
{
    Browser().Navigate(ContentPath::Join(ContentDir(), relativePath));
}

// Each showing starts from the placeholder at the centre; the browser stays shown.
void TfChHtmlViewInfo1::FormShow()
{
    raise();
    CentreInMainWindow();
    NavigatePlaceholder();
}

void TfChHtmlViewInfo1::FormHide()
{
    if (Pane().Bar().IsVisible())
        Pane().Bar().SetPosition(0);
}

void TfChHtmlViewInfo1::wbDocumentComplete(TBrowserPane& pane, const QUrl&)
{
    pane.TakeLoadedPage();
}
