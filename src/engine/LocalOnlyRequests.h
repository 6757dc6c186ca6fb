#pragma once

#include <QWebEngineUrlRequestInterceptor>

// Pages are local files, and so is everything they show. A request for anything else, from a
// page's script, a picture or a link, is blocked, and so is every request a script makes itself
// (fetch, XMLHttpRequest, pings): a page shows its pictures and style sheets, but its script
// reads no file and sends nothing out of the machine. Windows a page asks for are opened
// outside the program, not through here.
class TLocalOnlyRequests : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};
