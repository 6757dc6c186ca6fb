#pragma once

#include "uEmbeddedWB.h"

#include <QWebEnginePage>

// The adapter's page: it only hands the engine's navigation decisions to the adapter.
class TEmbeddedWB::TPage : public QWebEnginePage {
public:
    TPage(TEmbeddedWB& owner, QWebEngineProfile& profile);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    TEmbeddedWB& owner_;
};
