#pragma once

#include "WorkWindow.h"

// The work page: the work's title, its medium picture and its own page, with a button that lays
// the large picture on top.
class TfChHtmlView21 : public TWorkWindow {
protected:
    explicit TfChHtmlView21(const TBrowserHost& host);

    void ButtonsReleased(QPoint point) override;
    TWorkWindow* Partner() const override;
};
