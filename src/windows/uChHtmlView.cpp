#include "uChHtmlView.h"

#include "BrowserWindows.h"
#include "ContentPages.h"
#include "ContentPath.h"
#include "FilterSettings.h"
#include "Filters.h"
#include "PageAddresses.h"
#include "SkinNames.h"
#include "SortResultPage.h"
#include "WindowLayout.h"
#include "uChHtmlView21.h"

#include <string>

namespace {

const TBrowserWindowSetup kSetup = PageWindowSetup(TContextTarget::Catalogue);

// The window buttons after the close button.
enum TWindowButton { CloseButton = 0, ShowButton = 1, AllButton = 2 };

constexpr QPoint kPanelPlace = WindowLayout::kFilterPanelPlace;

std::vector<size_t> GroupSizes()
{
    return {kFilterFlagCounts.begin(), kFilterFlagCounts.end()};
}

} // namespace

TfChHtmlView::TfChHtmlView(const TBrowserHost& host)
    : TBrowserWindow(host, kSetup), TabButtons(*this, host.Skin, TGroupRole::Tabs),
      FilterGroups(MakeFilterGroups())
{
    for (const std::string_view section : SkinNames::kCatalogueButtons)
        WindowButtons().AddButton(section, ButtonKind::Push);
    for (size_t group = 0; group < size_t(kFilterGroupCount); ++group)
        TabButtons.AddButton(SkinNames::TabSection(group), ButtonKind::Push);
    Pane().Links = {.Work = [](int index) { OpenWork(fChHtmlView21, index); }, .Entry = {}};
    LoadSettings();
    NavigatePlaceholder();
    filterPanel_ = Host().Skin.Picture(SkinNames::kFilterPanel);
}

std::vector<TMainMenuEx> TfChHtmlView::MakeFilterGroups()
{
    std::vector<TMainMenuEx> groups;
    for (size_t group = 0; group < size_t(kFilterGroupCount); ++group) {
        TMainMenuEx& switches = groups.emplace_back(*this, Host().Skin);
        for (size_t button = 0; button < kFilterFlagCounts[group]; ++button)
            switches.AddButton(SkinNames::SwitchSection(group, button), ButtonKind::Toggle);
    }
    return groups;
}

void TfChHtmlView::LoadSettings()
{
    LoadedStates = ReadFilterStates(ContentDir(), GroupSizes());
    switches_ = LoadedStates;
    DrawSwitches();
}

// The buttons show the switches as they are: on, or up.
void TfChHtmlView::DrawSwitches()
{
    for (size_t group = 0; group < FilterGroups.size(); ++group) {
        std::span<TButtonEx> buttons = FilterGroups[group].Buttons();
        for (size_t k = 0; k < buttons.size() && k < switches_[group].size(); ++k) {
            buttons[k].SetOn(switches_[group][k]);
            buttons[k].SetState(switches_[group][k] ? ButtonState::Active : ButtonState::Up);
        }
    }
}

void TfChHtmlView::SaveSettings()
{
    // Only what this window changed since it last read or stored the switches: another
    // viewer's changes in between stay.
    WriteFilterChanges(ContentDir(), LoadedStates, switches_);
    LoadedStates = switches_;
}

bool TfChHtmlView::GeneratePage(int group)
{
    CurrentGroup = std::clamp(group, 0, kFilterGroupCount - 1);
    Host().Selection =
        SelectFilterGroup(Host().Works, CurrentGroup, switches_[size_t(CurrentGroup)]);
    if (Host().Selection.empty()) {
        Browser().Navigate(ContentPath::Join(ContentDir(), ContentPages::kNoWorksFiltered));
        return true;
    }
    return ShowGeneratedPage(Pane(), ContentPages::kSortResult,
                             SortResultPage(Host().Selection, TPageAddresses(ContentDir())));
}

void TfChHtmlView::BringToView()
{
    const bool wasHidden = isHidden();
    ShowOnTop();
    // A hidden window holds the placeholder; its browser comes back when that has loaded.
    if (wasHidden)
        NavigatePlaceholder();
}

std::vector<TMainMenuEx*> TfChHtmlView::ButtonGroups()
{
    return {&TabButtons, &ShownGroup()};
}

void TfChHtmlView::DescribeControls(TAccessibleControls& controls)
{
    TBrowserWindow::DescribeControls(controls);
    const TButtonEx* shownTab = &TabButtons.Buttons()[size_t(CurrentGroup)];
    for (TAccessibleControl& control : controls)
        control.On = control.On || control.Identity == shownTab;
}

// The switches are stored at every release, whether or not one changed; a failed write is told
// and the release goes on.
void TfChHtmlView::ButtonsReleased(QPoint point)
{
    const int windowButton = WindowButtons().FindButtonAt(point);
    std::vector<bool>& shown = switches_[size_t(CurrentGroup)];
    if (const int button = ShownGroup().FindButtonAt(point); button >= 0)
        shown[size_t(button)] = !shown[size_t(button)];
    if (windowButton == AllButton)
        std::fill(shown.begin(), shown.end(), true);
    DrawSwitches();
    Guarded([this] { SaveSettings(); });
    if (const int tab = TabButtons.FindButtonAt(point); tab >= 0) {
        CurrentGroup = tab;
        PanelShown = tab != 0;
    }
    if (windowButton == CloseButton)
        hide();
    else if (windowButton == ShowButton)
        PagePending = GeneratePage(CurrentGroup);
}

// A step on a page that is about to be replaced would scroll the wrong page.
TReleaseStep TfChHtmlView::ReleaseStep() const
{
    return PagePending ? TReleaseStep::Skip : TReleaseStep::Step;
}

void TfChHtmlView::PaintLayers(QPainter& canvas)
{
    if (PanelShown)
        canvas.drawImage(kPanelPlace, filterPanel_.Pixels());
    ShownGroup().Draw(canvas);
    TabButtons.Draw(canvas);
}

void TfChHtmlView::wbDocumentComplete(TBrowserPane& pane, const QUrl& url)
{
    PagePending = false;
    TBrowserWindow::wbDocumentComplete(pane, url);
}
