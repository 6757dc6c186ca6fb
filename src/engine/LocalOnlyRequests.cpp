#include "LocalOnlyRequests.h"

#include <QStringView>
#include <QUrl>

#include <algorithm>
#include <array>

namespace {

// What a local page and the program's own scripts may load.
constexpr std::array<QStringView, 4> kLocalSchemes = {u"file", u"data", u"blob", u"qrc"};

// Requests that only a script makes.
constexpr std::array kScriptRequests = {QWebEngineUrlRequestInfo::ResourceTypeXhr,
                                        QWebEngineUrlRequestInfo::ResourceTypePing,
                                        QWebEngineUrlRequestInfo::ResourceTypeCspReport};

bool IsLocal(const QUrl& url)
{
    const QString scheme = url.scheme();
    return std::any_of(kLocalSchemes.begin(), kLocalSchemes.end(),
                       [&scheme](QStringView local) { return scheme == local; });
}

bool IsScriptRequest(QWebEngineUrlRequestInfo::ResourceType type)
{
    return std::find(kScriptRequests.begin(), kScriptRequests.end(), type) != kScriptRequests.end();
}

} // namespace

void TLocalOnlyRequests::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    info.block(!IsLocal(info.requestUrl()) || IsScriptRequest(info.resourceType()));
}
