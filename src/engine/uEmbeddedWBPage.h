#pragma once

#include "PageDialogs.h"
#include "uEmbeddedWB.h"

#include <QWebEnginePage>

// The adapter's page: it hands the engine's navigation decisions to the adapter, and its
// script boxes to the boxes that keep a page from trapping the user.
class TEmbeddedWB::TPage : public QWebEnginePage {
public:
    TPage(TEmbeddedWB& owner, QWebEngineProfile& profile, QWidget& window,
          const TUserActivation& input);

    TPageDialogs& Dialogs() { return dialogs_; }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptAlert(const QUrl& origin, const QString& text) override;
    bool javaScriptConfirm(const QUrl& origin, const QString& text) override;
    bool javaScriptPrompt(const QUrl& origin, const QString& text, const QString& defaultValue,
                          QString* result) override;

private:
    TEmbeddedWB& owner_;
    TPageDialogs dialogs_;
};
