#pragma once

#include <QWebEngineUrlRequestInterceptor>

// Pages are the content's files, and so is everything they show: they come through the content's
// scheme, whose handler opens each by the content's rule. A request for anything else, from a
// page's script, a frame, a picture or a link, is blocked: a file address (the engine opens no
// file by itself), another catalogue's, anything remote. So is every request a script makes
// itself (fetch, XMLHttpRequest, pings): a page shows its pictures and style sheets, but its
// script reads no file and sends nothing out of the machine. Windows a page asks for are opened
// outside the program, not through here.
class QUrl;

// An address a page may be shown at: the content's, a local file (whose link numbers the windows
// read; the blocker refuses to load it), or what the page makes itself (about:, data:, blob:).
bool IsPageAddress(const QUrl& url);

class TLocalOnlyRequests : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};
