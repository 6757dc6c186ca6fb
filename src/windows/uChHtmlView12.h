#pragma once

#include "WorkWindow.h"

// The large picture of a work, laid on the work page, with buttons back to the work page and to
// the previous and next work of the Selection.
class TfChHtmlView12 : public TWorkWindow {
protected:
    explicit TfChHtmlView12(const TBrowserHost& host);

    void ButtonsReleased(QPoint point) override;
    TWorkWindow* Partner() const override;
};
