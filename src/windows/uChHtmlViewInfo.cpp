#include "uChHtmlViewInfo.h"

#include "BrowserWindows.h"
#include "ContentPages.h"
#include "ContentPath.h"
#include "PageAddresses.h"
#include "SearchEdit.h"
#include "SkinNames.h"
#include "Win1251.h"
#include "WindowLayout.h"
#include "uChHtmlView21.h"

namespace {

constexpr int kResultWidth = 613;

// No clocks: the window has neither press-and-hold repeat nor hints coming back after a move.
const TBrowserWindowSetup kSetup = {
    .Panes =
        {
            {
                .BrowserGeometry = WindowLayout::kSearchBrowser,
                .ScrollSection = SkinNames::kPageScroll,
                .BarKind = TScrollBarKind::Standard,
                .BrowserWidth = kResultWidth,
                .ContextTarget = TContextTarget::Search,
            },
            {
                .BrowserGeometry = WindowLayout::kHistoryBrowser,
                .ScrollSection = SkinNames::kHistoryScroll,
                .BarKind = TScrollBarKind::Compact,
                .BrowserWidth = WindowLayout::kHistoryBrowser.width(),
                // The history's menu, by the mouse or the Menu key, is the window's: its
                // commands act on the results, as the work windows' act on the catalogue's.
                .ContextTarget = TContextTarget::Search,
                .BarName = u"History scroll bar",
            },
        },
    .PageCommands = true,
    .PopUpOnPress = TPopUpOnPress::Hide,
    .HasClock = false,
};

// The search buttons, by index; the two layout buttons share their place.
enum TSearchButton { SearchButton = 0, CardsButton = 1, TextButton = 2 };

// The shortest query searched, in characters.
constexpr size_t kShortestQuery = 2;

constexpr QPoint kHeadingPlace = WindowLayout::kSearchHeadingPlace;

} // namespace

TfChHtmlViewInfo::TfChHtmlViewInfo(const TBrowserHost& host)
    : TBrowserWindow(host, kSetup), searchButtons_(*this, host.Skin),
      edSearch(new TSearchEdit(*this)), cardsHeading_(host.Skin.Picture(SkinNames::kCardsHeading)),
      textHeading_(host.Skin.Picture(SkinNames::kTextHeading))
{
    for (const std::string_view section : SkinNames::kSearchButtons)
        searchButtons_.AddButton(section, ButtonKind::Push);
    // Both browsers show whatever page they have; they are never hidden.
    Results().Browser().Show();
    HistoryPane().Browser().Show();
    Results().Links = {.Work = [](int index) { OpenWork(fChHtmlView21, index); },
                       .Entry = [this](int index) { Replay(index); }};
    HistoryPane().Links = {.Work = {}, .Entry = [this](int index) { Replay(index); }};
    connect(edSearch, &QLineEdit::returnPressed, this,
            [this] { Guarded([this] { RunSearch(edSearch->text()); }); });
    ShowLayoutButton();
}

void TfChHtmlViewInfo::ShowLayoutButton()
{
    const std::span<TButtonEx> buttons = searchButtons_.Buttons();
    TButtonEx& shown = buttons[ShowAsText ? CardsButton : TextButton];
    TButtonEx& hidden = buttons[ShowAsText ? TextButton : CardsButton];
    shown.SetVisible(true);
    hidden.SetVisible(false);
    if (Keyboard().Focused() == &hidden)
        Keyboard().Put(Controls(), &shown);
}

void TfChHtmlViewInfo::RunSearch(const QString& query)
{
    const std::string typed = Win1251::FromUnicode(query);
    if (typed.size() < kShortestQuery || query == TSearchEdit::Placeholder)
        return;
    const TPageAddresses addresses(ContentDir());
    if (!Replaying) {
        History.push_back({typed});
        // A history that cannot be written stops the search; the entry stays.
        if (!ShowGeneratedPage(HistoryPane(), ContentPages::kHistoryResult,
                               HistoryPage(History, addresses)))
            return;
    }
    Host().Selection = Host().SearchTexts.Find(Host().Works, typed);
    if (Host().Selection.empty()) {
        Results().Browser().Navigate(ContentPath::Join(ContentDir(), ContentPages::kNothingFound));
        return;
    }
    const TSearchLayout layout = ShowAsText ? TSearchLayout::TextList : TSearchLayout::Cards;
    ShowGeneratedPage(Results(), ContentPages::kSearchResult,
                      SearchResultPage(Host().Selection, layout, addresses));
}

void TfChHtmlViewInfo::Replay(int index)
{
    if (index < 0 || size_t(index) >= History.size())
        return;
    Replaying = true;
    edSearch->setText(Win1251::ToUnicode(History[size_t(index)].Query));
    RunSearch(edSearch->text());
    Replaying = false;
}

void TfChHtmlViewInfo::ButtonsReleased(QPoint point)
{
    switch (searchButtons_.FindButtonAt(point)) {
    case SearchButton:
        RunSearch(edSearch->text());
        break;
    case CardsButton:
        // Takes effect at the next search; the page shown stays.
        ShowAsText = !PaintedAsText;
        ShowLayoutButton();
        break;
    default:
        break;
    }
    TBrowserWindow::ButtonsReleased(point);
}

// The group shows the button for the other layout, the heading names the current one.
void TfChHtmlViewInfo::PaintLayers(QPainter& canvas)
{
    ShowLayoutButton();
    const std::span<const TButtonEx> buttons = searchButtons_.Buttons();
    buttons[SearchButton].Draw(canvas);
    buttons[ShowAsText ? CardsButton : TextButton].Draw(canvas);
    canvas.drawImage(kHeadingPlace, (ShowAsText ? textHeading_ : cardsHeading_).Pixels());
    PaintedAsText = ShowAsText;
}

// The oldest query runs again; the result browser ends on its placeholder all the same.
void TfChHtmlViewInfo::FormShow()
{
    raise();
    CentreInMainWindow();
    if (!History.empty())
        Replay(0);
    else
        HistoryPane().Browser().Navigate(ContentPath::Join(ContentDir(), ContentPages::kNoHistory));
    Results().Browser().Navigate(ContentPath::Join(ContentDir(), ContentPages::kSearchPlaceholder));
}

std::vector<QWidget*> TfChHtmlViewInfo::FocusWidgets()
{
    std::vector<QWidget*> widgets = TBrowserWindow::FocusWidgets();
    widgets.push_back(edSearch);
    return widgets;
}

QWidget& TfChHtmlViewInfo::TypingFocus()
{
    return *edSearch;
}

void TfChHtmlViewInfo::FormHide()
{
    if (Results().Bar().IsVisible())
        Results().Bar().SetPosition(0);
}

void TfChHtmlViewInfo::wbDocumentComplete(TBrowserPane& pane, const QUrl&)
{
    pane.TakeLoadedPage();
}
