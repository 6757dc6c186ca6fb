#pragma once

#include "NewWindowQuestion.h"
#include "PageCommandTarget.h"
#include "ScrollCoupling.h"
#include "uEmbeddedWB.h"
#include "uScrollEx.h"

#include <QRect>

#include <functional>
#include <optional>
#include <string_view>
#include <variant>

class QPainter;
class QWidget;
class TSkinWindow;

// The standard bar, or the compact one that answers the mouse but is never drawn.
enum class TScrollBarKind { Standard, Compact };

// What tells one browser of a window apart from another.
struct TBrowserPaneSetup {
    QRect BrowserGeometry;          // the browser's place at creation
    std::string_view ScrollSection; // its bar in scrolls.ini
    TScrollBarKind BarKind;
    int BrowserWidth; // the browser's width after each load
    // The target the context pop-up gets over this browser; none: no pop-up.
    std::optional<TContextTarget> ContextTarget;
    // What a screen reader calls its bar.
    std::u16string_view BarName = u"Page scroll bar";
};

// The number a link to the program carries after its marker ("<<" work, ">>" entry), and the
// action for it; an empty action leaves that marker unexamined.
struct TLinkActions {
    std::function<void(int)> Work;
    std::function<void(int)> Entry;
};

// Whether a release on the bar steps the page.
enum class TReleaseStep { Step, Skip };

// One browser of a window with its skinned bar beside it, kept in step with the page: steps
// from keys and from presses on the bar, press-and-hold repeat, the bar's range after each
// load, the page's links to the program and its requests for new windows.
class TBrowserPane {
public:
    // The browser is a child of window; owner is the window the bar's buttons report to;
    // repaint is called whenever the bar may have moved.
    TBrowserPane(QWidget& window, TSkinWindow& owner, const TSkin& skin,
                 const TBrowserPaneSetup& setup, bool& rootScrolls, std::function<void()> repaint);

    TEmbeddedWB& Browser() { return wb; }
    const TEmbeddedWB& Browser() const { return wb; }
    TScrollExBase& Bar();
    const TScrollExBase& Bar() const;
    TScrollCoupling& Scrolling() { return scrolling_; }
    const TBrowserPaneSetup& Setup() const { return setup_; }
    TNewWindowQuestion& NewWindows() { return newWindows_; }

    TLinkActions Links;
    // Whether the address is a link to the program; its action has then run.
    bool FollowLink(const QUrl& url) const;

    void Draw(QPainter& canvas) const;

    // Mouse events of the window, in its client pixels.
    void MouseDown(QPoint point);
    bool BarContains(QPoint point) const { return Bar().Contains(point); }
    // True while the bar's thumb is dragged: the page has followed it.
    bool MouseMove(QPoint point);
    // Ends a hold and a drag; a release on an arrow or in the track makes its step unless told
    // to skip it.
    void MouseUp(QPoint point, TReleaseStep step);

    // Press-and-hold: each tick counts from the press; from the fourth on, the held step
    // repeats with every tick.
    void CountTick() { ++PressTicks; }
    bool IsHolding() const { return HeldArea != ScrollArea::None; }
    void RepeatHeldStep();

    // A key's step, or the jump of Home and End; other keys do nothing.
    void Key(int key);

    // After a page load: the bar's range from the page and its thumb at the top (or where an
    // anchor took the page), then the browser shown.
    void ShowLoadedPage(const QUrl& url);
    // After a page load in a browser that is never hidden: the bar's range from the page and
    // its thumb at the top.
    void TakeLoadedPage();
    void NavigatePlaceholder(const QString& contentDir);

private:
    void StepForArea(ScrollArea area);

    const TBrowserPaneSetup setup_;
    std::function<void()> repaint_;
    TEmbeddedWB wb;
    std::variant<TScrollEx, TScrollEx1> bar_;
    TScrollCoupling scrolling_;
    TNewWindowQuestion newWindows_;
    int PressTicks = 0;
    ScrollArea HeldArea = ScrollArea::None;
};
