#include "uEmbeddedWBPage.h"

TEmbeddedWB::TPage::TPage(TEmbeddedWB& owner, QWebEngineProfile& profile)
    : QWebEnginePage(&profile), owner_(owner)
{
}

bool TEmbeddedWB::TPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame)
{
    // Frames inside a page load what the page itself asks for; only the page is the browser's.
    return !isMainFrame || owner_.AllowNavigation(url);
}
