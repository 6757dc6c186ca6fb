#include "uEmbeddedWBPage.h"

TEmbeddedWB::TPage::TPage(TEmbeddedWB& owner, QWebEngineProfile& profile, QWidget& window,
                          const TUserActivation& input)
    : QWebEnginePage(&profile), owner_(owner), dialogs_(window, input)
{
}

bool TEmbeddedWB::TPage::acceptNavigationRequest(const QUrl& url, NavigationType type,
                                                 bool isMainFrame)
{
    return owner_.AllowNavigation(url, isMainFrame, type == NavigationTypeLinkClicked);
}

void TEmbeddedWB::TPage::javaScriptAlert(const QUrl&, const QString& text)
{
    dialogs_.Alert(text);
}

bool TEmbeddedWB::TPage::javaScriptConfirm(const QUrl&, const QString& text)
{
    return dialogs_.Confirm(text);
}

bool TEmbeddedWB::TPage::javaScriptPrompt(const QUrl&, const QString& text,
                                          const QString& defaultValue, QString* result)
{
    const std::optional<QString> given = dialogs_.Prompt(text, defaultValue);
    if (given && result)
        *result = *given;
    return given.has_value();
}
