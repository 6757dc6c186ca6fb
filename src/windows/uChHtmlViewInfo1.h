#pragma once

#include "BrowserWindow.h"

// The information window: content pages such as the about page, in the common browser frame.
class TfChHtmlViewInfo1 : public TBrowserWindow {
public:
    // A page of the content folder, by its path relative to the folder.
    void OpenPage(QStringView relativePath);

protected:
    explicit TfChHtmlViewInfo1(const TBrowserHost& host);

    void FormShow() override;
    void FormHide() override;
    void wbDocumentComplete(TBrowserPane& pane, const QUrl& url) override;
};
