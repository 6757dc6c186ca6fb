#pragma once

#include "PageScroll.h"
#include "PageStep.h"
#include "WholeFile.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QUrl>

#include <functional>
#include <memory>
#include <string>

class QPrinter;
class QVariant;
class QWebEngineLoadingInfo;
class QWebEngineView;
class QWidget;

// The embedded browser of a skinned window: one engine view as a child of the window, with no
// scroll bars, borders or menus of its own. The document is reached asynchronously: each
// document operation answers in a callback on the UI thread, never after the adapter is gone.
class TEmbeddedWB : public QObject {
public:
    // The view is created hidden, as a child of parent at geometry.
    TEmbeddedWB(QWidget& parent, QRect geometry);
    ~TEmbeddedWB() override;

    // Before every navigation, our own loads and link clicks alike, in the page and in its
    // frames, with the requested address; answering true cancels it and the page stays.
    std::function<bool(const QUrl& url)> BeforeNavigate;
    // The user's own press in the page asks for a new browser window, or clicked a link to an
    // address no page may show (a web site, mail); answering true refuses it. Otherwise the
    // address is handed on (the window opens it outside the program). The page stays either
    // way. What a page's script asks for by itself is refused unheard.
    std::function<bool(const QUrl& url)> NewWindow;
    // Once per completed page load, failed loads included; not for a cancelled navigation or a
    // written page text.
    std::function<void(const QUrl& url)> DocumentComplete;
    // Instead of the engine's own context menu, at this screen point.
    std::function<void(QPoint screenPoint)> ShowContextMenu;
    // Whenever the page has scrolled, however: keys, the focus, a find, a script or our own
    // scroll operations; with its new position from the top.
    std::function<void(int position)> Scrolled;

    // From now on nobody hears the browser: the callbacks are dropped, and script answers still
    // to come go unheard. For a window on its way out.
    void Disconnect();

    // Loads a local HTML file.
    void Navigate(const QString& filePath);
    // Whether a document exists: false until the first page load has completed.
    bool HasDocument() const;
    // The address of the page shown, as a file address: empty until a page has loaded.
    QUrl Url() const;

    // Replaces the current document's content at once with a Windows-1251 page text; the text
    // is also what SaveSource writes until the next navigation.
    void WritePage(const std::string& pageText, std::function<void(bool ok)> done = {});

    // Without a document (HasDocument false) the three scroll operations do nothing and do not
    // answer; with one they always answer, while the adapter lives.

    // The root-or-body probe: root mode when the root's scrollTop was above 0, or reads back 1
    // after 1 is written to it (a page at the top stays at the top), then the scrolling
    // element's position and range.
    void GetScroll(std::function<void(TPageScroll)> done);
    // The probe, then the scrolling element's scrollTop := position (the page stops at its end).
    void SetScroll(int position, std::function<void()> done = {});
    // One step on the root element or on the body, then the state after it as GetScroll
    // answers.
    void ScrollStep(TPageStep step, bool rootScrolls, std::function<void(TPageScroll)> done);

    // The page printed on a printer the print dialog has set up: portrait with margins of
    // 19.05 mm, the window title left and "Page p of P" right at the top of every page, the
    // address left and the date right at the bottom.
    // done hears whether every page reached the printer, while the adapter lives.
    void Print(std::shared_ptr<QPrinter> printer, const QString& title,
               std::function<void(bool printed)> done);
    // The title the page itself gives, though a screen reader hears the window's.
    QString PageTitle() const;
    // Whether Tab finds anything in the page; until the loaded page has told, it may.
    bool TakesFocus() const;
    // Copies the page's selection to the clipboard.
    void Copy();
    // Writes the page source: the bytes of the file behind the page as loaded, or the written
    // page text. A file that exists is replaced only by a complete new one.
    WholeFile::TWrite SaveSource(const QString& fileName) const;

    void Show();
    void Hide();
    // Its window is closed: an open box of the page ends, and the page runs nothing, no timer,
    // script or box, until it loads again or shows. A page that loads while its window is
    // hidden stops the same way once loaded.
    void Suspend();
    // Whether the keys are the page's own: its focus is in a field the user types into.
    bool TakesTyping() const;
    // The control's own visibility, whatever its window's and whether it is covered.
    bool IsVisible() const;
    // A browser that other windows cover whole stands beyond its window's edge while they do, so
    // the window is composed without its page; its page, its visibility and its focus stay.
    void SetCovered(bool covered);
    void SetWidth(int width);
    // Where the browser stands in its window when nothing covers it.
    QRect Geometry() const;
    QWebEngineView& View() const;

private:
    class TPage;
    struct TState;
    std::unique_ptr<TState> state_;

    // The page and its view's wiring to it; the engine starts with the first page.
    void MakePage();
    // The page's navigation decision: a page shows local files alone, and asks BeforeNavigate.
    bool AllowNavigation(const QUrl& url, bool isMainFrame, bool clicked);
    void LoadingChanged(const QWebEngineLoadingInfo& info);
    void Settle();
    // Stops the page, no timer, script or box, while its window stays hidden.
    void FreezeOnceHidden();
    // Runs script in the page; answer gets its result unless the adapter went away first.
    void RunScript(const QString& script, std::function<void(const QVariant&)> answer);
};
