#pragma once

#include <QWebEngineUrlRequestInterceptor>

// Pages are the content's files, and so is everything they show. A request for anything else,
// from a page's script, a frame, a picture or a link, is blocked: a file outside the content
// folder (or the installed folder a user's folder links to), by where it really is, links
// followed; any address that is not a local file. So is every request a script makes itself
// (fetch, XMLHttpRequest, pings): a page shows its pictures and style sheets, but its script
// reads no file and sends nothing out of the machine. Windows a page asks for are opened
// outside the program, not through here.
class QUrl;

// An address a page may be shown at: a local file, or what the page makes itself (about:,
// data:, blob:). Where the file may be is the request blocker's to say.
bool IsPageAddress(const QUrl& url);

class TLocalOnlyRequests : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};
