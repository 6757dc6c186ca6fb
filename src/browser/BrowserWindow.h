#pragma once

#include "BrowserHost.h"
#include "BrowserPane.h"
#include "CoveredPages.h"
#include "PageCommandTarget.h"
#include "PageCommands.h"
#include "WindowInputRouting.h"
#include "uMainMenu.h"
#include "uMoveForm.h"

#include <deque>
#include <vector>

// What tells one browser window apart from another, beside its panes.
struct TBrowserWindowSetup {
    std::vector<TBrowserPaneSetup> Panes; // the first one's page takes the keys and the commands
    bool PageCommands;                    // save, print and copy act on this window's page
    TPopUpOnPress PopUpOnPress;
    bool HasClock = true; // press-and-hold repeats and hints come back after a move
};

// A window with one page browser beside the standard bar, whose page the pop-up's commands for
// target act on.
TBrowserWindowSetup PageWindowSetup(TContextTarget target);

// A skinned child window of the main window with its browsers: the frame picture with the
// window's buttons and the browsers' bars, the mover, the clock of press-and-hold and of
// hints, and the context pop-up over its pages; the program's message hook hands it the
// program's input and its siblings' moves. The program's windows are its subclasses.
class TBrowserWindow : public TSkinnedWindow, public TPageCommandTarget, public TMessageListener {
public:
    void PageCommand(TPageCommand command) override;
    bool OffersPageCommands() const { return setup_.PageCommands; }

    // Shown, or brought in front of its siblings when it already was, with the keyboard's focus
    // where the window takes its typing.
    void ShowOnTop()
    {
        show();
        raise();
        TypingFocus().setFocus(Qt::OtherFocusReason);
    }

    TEmbeddedWB& Browser() { return Pane().Browser(); }
    const TScrollExBase& ScrollBar() const { return panes_.front().Bar(); }
    TPageCommands& PageCommands() { return pageCommands_; }

protected:
    TBrowserWindow(const TBrowserHost& host, const TBrowserWindowSetup& setup);

    // Besides what every skinned window leaves: the program's message hook, the engine and the
    // clock.
    void Unhook();

    TBrowserPane& Pane(size_t index = 0) { return panes_[index]; }
    const QString& ContentDir() const { return host_.Skin.ContentDir(); }
    void CentreInMainWindow();
    // Where the keyboard's focus goes as the window is shown: the window itself, whose keys
    // step its page and mark its buttons.
    virtual QWidget& TypingFocus() { return *this; }
    void NavigatePlaceholder() { Pane().NavigatePlaceholder(ContentDir()); }
    // Writes a generated page into the content folder and loads it in a pane. Where the file
    // cannot be written the page goes into the document, and the user is told why. True when
    // the page loads.
    bool ShowGeneratedPage(TBrowserPane& pane, QStringView relativePath, const std::string& page);

    void FormShow() override;
    void FormHide() override;
    // Whatever the window does on hiding, its pages stop with it.
    void hideEvent(QHideEvent* event) override;
    void FormPaint(QPainter& canvas) override;
    void FormMouseDown(Qt::MouseButton button, QPoint point) override;
    void FormMouseMove(QPoint point) override;
    void FormMouseUp(Qt::MouseButton button, QPoint point) override;
    // A page of a browser has loaded.
    virtual void wbDocumentComplete(TBrowserPane& pane, const QUrl& url);
    // Layers of the window's own, painted after the buttons and the bars.
    virtual void PaintLayers(QPainter&) {}
    // The window's own button groups after its window buttons, in the order they see the mouse.
    virtual std::vector<TMainMenuEx*> ButtonGroups() { return {}; }
    void DescribeControls(TAccessibleControls& controls) override;
    std::vector<QWidget*> FocusWidgets() override;
    // What a release does once every group has had it: the close button hides the window.
    virtual void ButtonsReleased(QPoint point);
    // Whether a release on a bar steps its page.
    virtual TReleaseStep ReleaseStep() const { return TReleaseStep::Step; }

    const TBrowserHost& Host() const { return host_; }
    TMainMenuEx& WindowButtons() { return windowButtons_; }

private:
    void Timer1Timer();
    void timerTimer();
    void RunClockWhileNeeded();
    bool HookMessage(QObject* receiver, QEvent* event) override;
    void SetBrowsersCovered(bool covered);
    std::deque<TBrowserPane> MakePanes();
    void WireBrowser(TBrowserPane& pane);
    bool wbBeforeNavigate2(TBrowserPane& pane, const QUrl& url);
    void wbShowContextMenu(const TBrowserPane& pane, QPoint screenPoint);

    const TBrowserHost host_;
    const TBrowserWindowSetup setup_;
    TMainMenuEx windowButtons_;
    TMoveForm mover_;
    bool HintArmed = false;
    bool RootScrolls = true;
    // Last, so the browsers go first: their pending answers refer to the window's parts.
    std::deque<TBrowserPane> panes_;
    TPageCommands pageCommands_;
    TWindowInputRouting input_;
    TCoveredPages covered_;
    TClock& timer; // counts a held press, repeats its step and switches hints back on
};
