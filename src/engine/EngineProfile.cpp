#include "EngineProfile.h"

#include "ContentScheme.h"
#include "ContentSchemeHandler.h"
#include "LocalOnlyRequests.h"

#include <QApplication>
#include <QPointer>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

#include <utility>

namespace {

// The browser shows no scroll bars, error pages or drops of its own. Pages come through the
// content's scheme and reach no file address and nothing remote.
constexpr std::pair<QWebEngineSettings::WebAttribute, bool> kSettings[] = {
    {QWebEngineSettings::ShowScrollBars, false},
    {QWebEngineSettings::AutoLoadImages, true},
    {QWebEngineSettings::LocalContentCanAccessRemoteUrls, false},
    {QWebEngineSettings::LocalContentCanAccessFileUrls, false},
    {QWebEngineSettings::ErrorPageEnabled, false},
    {QWebEngineSettings::NavigateOnDropEnabled, false},
    {QWebEngineSettings::PluginsEnabled, false},
    {QWebEngineSettings::FullScreenSupportEnabled, false},
    {QWebEngineSettings::JavascriptCanAccessClipboard, false},
    // A window only for the user's click; the request reaches the browser's handler, which
    // decides.
    {QWebEngineSettings::JavascriptCanOpenWindows, false},
};

QWebEngineProfile* MakeProfile()
{
    auto* profile = new QWebEngineProfile(qApp);
    profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    for (const auto& [attribute, on] : kSettings)
        profile->settings()->setAttribute(attribute, on);
    profile->setUrlRequestInterceptor(new TLocalOnlyRequests(profile));
    profile->installUrlSchemeHandler(ContentScheme::Name(), new TContentSchemeHandler(profile));
    // A page loaded again would come back where it was scrolled to, while the window's bar
    // starts at the top: every page starts at its top.
    QWebEngineScript startAtTop;
    startAtTop.setInjectionPoint(QWebEngineScript::DocumentCreation);
    startAtTop.setWorldId(QWebEngineScript::ApplicationWorld);
    startAtTop.setSourceCode(QStringLiteral("history.scrollRestoration = 'manual';"));
    profile->scripts()->insert(startAtTop);
    return profile;
}

} // namespace

QWebEngineProfile& EngineProfile()
{
    static QPointer<QWebEngineProfile> profile;
    if (!profile)
        profile = MakeProfile();
    return *profile;
}
