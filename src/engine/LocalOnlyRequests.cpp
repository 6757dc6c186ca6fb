#include "LocalOnlyRequests.h"

#include "ContentFence.h"

#include <QFileInfo>
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

// Where the file really is, links followed, so that a link in the content cannot lead out of
// it; a file that is not there is nothing a page needs.
bool IsContentFile(const QUrl& url)
{
    if (!url.isLocalFile())
        return false;
    return ContentFence::Contains(QFileInfo(url.toLocalFile()).canonicalFilePath());
}

bool IsScriptRequest(QWebEngineUrlRequestInfo::ResourceType type)
{
    return std::find(kScriptRequests.begin(), kScriptRequests.end(), type) != kScriptRequests.end();
}

} // namespace

bool IsPageAddress(const QUrl& url)
{
    return url.isLocalFile() || url.scheme() == u"about" || IsInPage(url);
}

void TLocalOnlyRequests::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    const QUrl& url = info.requestUrl();
    info.block(!(IsInPage(url) || IsContentFile(url)) || IsScriptRequest(info.resourceType()));
}
