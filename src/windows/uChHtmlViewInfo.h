#pragma once

#include "BrowserWindow.h"
#include "SearchPages.h"

#include <QImage>

class TSearchEdit;

// The search and history window: a query searches the texts of every work; the hits become the
// Selection and a result page, as a text list or as cards; every new query joins the history
// beside it, whose entries run their query again.
class TfChHtmlViewInfo : public TBrowserWindow {
public:
    // Searches for a query as typed; one shorter than two characters, or the edit's
    // placeholder, changes nothing.
    void RunSearch(const QString& query);

    THistoryArray History;     // the queries in the order they were made
    bool Replaying = false;    // a query runs again: the history stays as it is
    bool ShowAsText = true;    // the next result page is a text list, else cards
    bool PaintedAsText = true; // the layout the last paint showed

    TSearchEdit& SearchEdit() { return *edSearch; }
    TEmbeddedWB& HistoryBrowser() { return HistoryPane().Browser(); }
    // Never drawn; it takes the mouse once a long history has made it visible.
    const TScrollExBase& HistoryBar() { return HistoryPane().Bar(); }

protected:
    explicit TfChHtmlViewInfo(const TBrowserHost& host);

    std::vector<TMainMenuEx*> ButtonGroups() override { return {&searchButtons_}; }
    void ButtonsReleased(QPoint point) override;
    void PaintLayers(QPainter& canvas) override;
    void FormShow() override;
    void FormHide() override;
    // The edit after the pages.
    std::vector<QWidget*> FocusWidgets() override;
    // What the user types as the window shows is the query.
    QWidget& TypingFocus() override;
    void wbDocumentComplete(TBrowserPane& pane, const QUrl& url) override;

private:
    // Of the two layout buttons at one place, the one for the other layout is shown and reached
    // by the keyboard; a mark on the one that goes passes to it.
    void ShowLayoutButton();
    TBrowserPane& Results() { return Pane(0); }
    TBrowserPane& HistoryPane() { return Pane(1); }
    // Runs history entry index again; one outside the history does nothing.
    void Replay(int index);

    TMainMenuEx searchButtons_;
    TSearchEdit* edSearch; // owned by the window as its child
    TSkinPicture cardsHeading_;
    TSkinPicture textHeading_;
};
