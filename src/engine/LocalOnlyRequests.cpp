#include "LocalOnlyRequests.h"

#include "ContentScheme.h"

#include <QStringView>
#include <QUrl>

#include <algorithm>
#include <array>

namespace {

// Addresses that name no file and reach nothing outside the page.
constexpr std::array<QStringView, 3> kInPageSchemes = {u"data", u"blob", u"qrc"};

// Requests that only a script makes.
constexpr std::array kScriptRequests = {QWebEngineUrlRequestInfo::ResourceTypeXhr,
                                        QWebEngineUrlRequestInfo::ResourceTypePing,
                                        QWebEngineUrlRequestInfo::ResourceTypeCspReport};

bool IsInPage(const QUrl& url)
{
    const QString scheme = url.scheme();
    return std::any_of(kInPageSchemes.begin(), kInPageSchemes.end(),
                       [&scheme](QStringView inPage) { return scheme == inPage; });
}

bool IsScriptRequest(QWebEngineUrlRequestInfo::ResourceType type)
{
    return std::find(kScriptRequests.begin(), kScriptRequests.end(), type) != kScriptRequests.end();
}

} // namespace

bool IsPageAddress(const QUrl& url)
{
    return url.isLocalFile() || ContentScheme::IsContent(url) || url.scheme() == u"about" ||
           IsInPage(url);
}

void TLocalOnlyRequests::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    const QUrl& url = info.requestUrl();
    info.block(!(IsInPage(url) || ContentScheme::IsContent(url)) ||
               IsScriptRequest(info.resourceType()));
}
