#pragma once

#include "BrowserWindow.h"

// The information window: content pages such as the about page, in the common browser frame.
class TfChHtmlViewInfo1 : public TBrowserWindow {
public:
    explicit TfChHtmlViewInfo1(const TBrowserHost& host);

    // Opens a page of the content's html folder by file name.
    void OpenPage(const QString& pageFileName);

protected:
    void FormShow() override;
    void FormHide() override;
    void wbDocumentComplete(TBrowserPane& pane, const QUrl& url) override;
};
