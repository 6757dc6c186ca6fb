#include "uEmbeddedWBPage.h"

TEmbeddedWB::TPage::TPage(TEmbeddedWB& owner, QWebEngineProfile& profile)
    : QWebEnginePage(&profile), owner_(owner)
{
}

bool TEmbeddedWB::TPage::acceptNavigationRequest(const QUrl& url, NavigationType type,
                                                 bool isMainFrame)
{
    return owner_.AllowNavigation(url, isMainFrame, type == NavigationTypeLinkClicked);
}
