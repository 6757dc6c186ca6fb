#pragma once

#include <QWebEngineUrlSchemeHandler>

// Serves the content's files to the engine: each read through the content's one opener, which
// refuses a file that really lies outside the content, pages with their pictures' addresses in
// the scheme. Only the current catalogue's host is served, and only to be read.
class TContentSchemeHandler : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    void requestStarted(QWebEngineUrlRequestJob* job) override;
};
