#pragma once

#include "BrowserWindow.h"

// The information window: content pages such as the about page, in the common browser frame.
class TfChHtmlViewInfo1 : public TBrowserWindow {
public:
    explicit TfChHtmlViewInfo1(const TBrowserHost& host);

    // A page of the content folder, by its path relative to the folder.
    void OpenPage(QStringView relativePath);

protected:
    void FormShow() override;
    void FormHide() override;
    void wbDocumentComplete(TBrowserPane& pane, const QUrl& url) override;
};
