#pragma once

#include "BrowserWindow.h"
#include "FilterSettings.h"
#include "SkinPicture.h"

#include <vector>

// The catalogue window: the works of one filter group as a page of cards, the seven group tabs
// and, for the chosen group, its panel of filter switches, which are kept in settings.ini.
class TfChHtmlView : public TBrowserWindow {
public:
    // Makes the works of a group (its switched-on filters; all works for group 0), sorted by
    // name, the Selection and shows them. True when a page is loading for it.
    bool GeneratePage(int group);
    // Shows the window as it stands, without a new page.
    void BringToView();

    void LoadSettings();
    void SaveSettings();
    // The buttons of a group's filter switches, in flag order.
    std::span<const TButtonEx> Switches(int group) const
    {
        return FilterGroups[size_t(group)].Buttons();
    }

    int CurrentGroup = 0;     // the group whose switches are shown and answer the mouse
    bool PanelShown = false;  // the filter panel picture is drawn
    bool PagePending = false; // a page asked for by the show button is still loading

protected:
    explicit TfChHtmlView(const TBrowserHost& host);

    std::vector<TMainMenuEx*> ButtonGroups() override;
    // The tab of the group shown is the one on.
    void DescribeControls(TAccessibleControls& controls) override;
    void ButtonsReleased(QPoint point) override;
    TReleaseStep ReleaseStep() const override;
    void PaintLayers(QPainter& canvas) override;
    void wbDocumentComplete(TBrowserPane& pane, const QUrl& url) override;

private:
    std::vector<TMainMenuEx> MakeFilterGroups();
    TMainMenuEx& ShownGroup() { return FilterGroups[size_t(CurrentGroup)]; }

    void DrawSwitches();

    TMainMenuEx TabButtons;
    std::vector<TMainMenuEx> FilterGroups; // the switches' buttons, drawn from switches_
    TFilterStates switches_;               // the filter switches, as the user set them
    TFilterStates LoadedStates;            // the switches as last read or stored
    TSkinPicture filterPanel_;
};
