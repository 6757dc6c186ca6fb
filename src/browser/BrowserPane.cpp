#include "BrowserPane.h"

#include "ContentPages.h"
#include "ContentPath.h"
#include "LinkNumber.h"

#include <QHash>
#include <QWebEngineView>

namespace {

// The range a bar has before its first page: the bar shows.
constexpr int kInitialRange = 1000;
// End takes the page past any page's end: the page stops there, the thumb at the bottom.
constexpr int kEndPosition = 100000;
// Held on an arrow or in the track, a step repeats from this many ticks after the press.
constexpr int kRepeatAfterTicks = 4;

std::variant<TScrollEx, TScrollEx1> MakeBar(const TBrowserPaneSetup& setup, TSkinWindow& owner,
                                            const TSkin& skin)
{
    if (setup.BarKind == TScrollBarKind::Compact)
        return std::variant<TScrollEx, TScrollEx1>(std::in_place_type<TScrollEx1>, owner, skin,
                                                   setup.ScrollSection);
    return std::variant<TScrollEx, TScrollEx1>(std::in_place_type<TScrollEx>, owner, skin,
                                               setup.ScrollSection);
}

std::optional<TPageStep> StepOfArea(ScrollArea area)
{
    switch (area) {
    case ScrollArea::UpArrow:
        return TPageStep::Up;
    case ScrollArea::DownArrow:
        return TPageStep::Down;
    case ScrollArea::TrackAbove:
        return TPageStep::PageUp;
    case ScrollArea::TrackBelow:
        return TPageStep::PageDown;
    case ScrollArea::None:
        break;
    }
    return std::nullopt;
}

std::optional<TPageStep> StepOfKey(int key)
{
    static const QHash<int, TPageStep> kKeySteps = {
        {Qt::Key_PageUp, TPageStep::PageUp},
        {Qt::Key_Up, TPageStep::Up},
        {Qt::Key_PageDown, TPageStep::PageDown},
        {Qt::Key_Down, TPageStep::Down},
    };
    const auto found = kKeySteps.constFind(key);
    return found == kKeySteps.constEnd() ? std::nullopt : std::optional(*found);
}

} // namespace

TBrowserPane::TBrowserPane(QWidget& window, TSkinWindow& owner, const TSkin& skin,
                           const TBrowserPaneSetup& setup, bool& rootScrolls,
                           std::function<void()> repaint)
    : setup_(setup), repaint_(std::move(repaint)), wb(window, setup.BrowserGeometry),
      bar_(MakeBar(setup, owner, skin)),
      scrolling_(wb, Bar(), setup.BrowserWidth, rootScrolls, repaint_)
{
    // The standard bar shows from the start; the compact one only once a page needs it.
    if (setup.BarKind == TScrollBarKind::Standard) {
        Bar().SetMax(kInitialRange);
        Bar().SetVisible(true);
    } else {
        Bar().SetVisible(false);
    }
}

TScrollExBase& TBrowserPane::Bar()
{
    return std::visit([](TScrollExBase& bar) -> TScrollExBase& { return bar; }, bar_);
}

const TScrollExBase& TBrowserPane::Bar() const
{
    return std::visit([](const TScrollExBase& bar) -> const TScrollExBase& { return bar; }, bar_);
}

void TBrowserPane::Draw(QPainter& canvas) const
{
    if (const auto* standard = std::get_if<TScrollEx>(&bar_))
        standard->Draw(canvas);
}

bool TBrowserPane::FollowLink(const QUrl& url) const
{
    for (const auto& [marker, action] :
         {std::pair{kWorkMarker, &Links.Work}, std::pair{kEntryMarker, &Links.Entry}}) {
        if (!*action)
            continue;
        if (const auto number = LinkNumber(url, marker)) {
            (*action)(*number);
            return true;
        }
    }
    return false;
}

void TBrowserPane::MouseDown(QPoint point)
{
    PressTicks = 0;
    HeldArea = Bar().AreaAt(point);
    Bar().MouseDown(point);
}

bool TBrowserPane::MouseMove(QPoint point)
{
    if (!Bar().IsVisible())
        return false;
    Bar().MouseMove(point);
    if (!Bar().IsDragging())
        return false;
    scrolling_.FollowDrag();
    return true;
}

void TBrowserPane::MouseUp(QPoint point, TReleaseStep step)
{
    HeldArea = ScrollArea::None;
    Bar().MouseUp(point);
    if (step == TReleaseStep::Step)
        StepForArea(Bar().AreaAt(point));
}

void TBrowserPane::RepeatHeldStep()
{
    if (PressTicks >= kRepeatAfterTicks)
        StepForArea(HeldArea);
}

void TBrowserPane::StepForArea(ScrollArea area)
{
    if (const auto step = StepOfArea(area))
        scrolling_.Step(*step);
}

void TBrowserPane::Key(int key)
{
    if (const auto step = StepOfKey(key))
        scrolling_.Step(*step);
    else if (key == Qt::Key_Home)
        scrolling_.JumpTo(0);
    else if (key == Qt::Key_End)
        scrolling_.JumpTo(kEndPosition);
}

void TBrowserPane::TakeLoadedPage()
{
    scrolling_.UpdateScrollRange([this] {
        if (Bar().IsVisible())
            Bar().SetPosition(0);
        repaint_();
    });
}

void TBrowserPane::ShowLoadedPage(const QUrl& url)
{
    scrolling_.UpdateScrollRange([this, url] {
        // A browser placed beyond its window's edge shows no page, so its bar has nothing to
        // scroll.
        const QWidget& window = *wb.View().parentWidget();
        if (!window.rect().intersects(wb.Geometry()))
            Bar().SetMax(0);
        if (Bar().IsVisible())
            Bar().SetPosition(0);
        const auto showPage = [this] {
            wb.Show();
            repaint_();
        };
        if (!url.toString().contains(u'#')) {
            showPage();
            return;
        }
        // The page has jumped to an anchor.
        scrolling_.GetPageScroll([this, showPage](int position, int) {
            if (Bar().IsVisible())
                Bar().SetPosition(position);
            showPage();
        });
    });
}

void TBrowserPane::NavigatePlaceholder(const QString& contentDir)
{
    wb.Navigate(ContentPath::Join(contentDir, ContentPages::kBrowserPlaceholder));
}
