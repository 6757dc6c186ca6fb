#pragma once

#include "ScrollCoupling.h"
#include "SkinnedWindow.h"
#include "uEmbeddedWB.h"
#include "uMain.h"
#include "uMainMenu.h"
#include "uMoveForm.h"
#include "uScrollEx.h"

#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

// What tells one browser window apart from another.
struct TBrowserWindowSetup {
    TBackgroundPair TfMain::*Frame; // the frame picture pair the main window holds for it
    QRect BrowserGeometry;          // the browser's place at creation
    const char* ScrollSection;      // its bar in scrolls.ini
    int BrowserWidth;               // the browser's width after each load
    int ContextTarget;              // the code the context pop-up gets
    bool PageCommands;              // save, print and copy act on this window's page
    bool HidesContextOnPress;       // a press anywhere hides the context pop-up
};

// A skinned child window of the main window with one page in an embedded browser, its own
// scroll bar beside it kept in step with the page, wheel and keys turned into page steps,
// links with a work or entry number turned into the program's navigation, the question before
// a page opens a new browser window, and the program's own context pop-up.
class TBrowserWindow : public TSkinnedWindow {
public:
    // 0 saves the page source, 1 prints, 2 copies; other kinds do nothing.
    void PageCommand(int kind);
    void SaveHtmlSource(const QString& fileName, TEmbeddedWB& browser);

    TEmbeddedWB& Browser() const { return *wb; }
    const TScrollEx& ScrollBar() const { return *scrollBar_; }

    // Press-and-hold: Timer1 counts ticks since the last press, timer repeats the held step.
    QTimer Timer1;
    QTimer timer;
    void Timer1Timer();
    void timerTimer();

protected:
    explicit TBrowserWindow(const TBrowserWindowSetup& setup);
    ~TBrowserWindow() override;

    // The number a link to the program carries after its marker ("<<" work, ">>" entry), the
    // window's action for it; an empty action leaves that marker unexamined.
    struct TLinkActions {
        std::function<void(int)> Work;
        std::function<void(int)> Entry;
    };
    void SetLinkActions(TLinkActions actions) { links_ = std::move(actions); }

    // The steps every browser window takes at creation; navigate tells whether the browser
    // loads the placeholder page at once.
    void CreateCommon(bool navigate);
    void CentreInMainWindow();
    void NavigatePlaceholder();

    void FormShow() override;
    void FormHide() override;
    void FormPaint(QPainter& canvas) override;
    void FormMouseDown(Qt::MouseButton button, QPoint point) override;
    void FormMouseMove(QPoint point) override;
    void FormMouseUp(Qt::MouseButton button, QPoint point) override;
    virtual void wbDocumentComplete(const QUrl& url);
    // Layers of the window's own, painted after the buttons and the bar.
    virtual void PaintLayers(QPainter&) {}

    // Whether creation got as far as the parts every handler uses.
    bool Created() const { return scrolling_ && windowButtons_; }
    TScrollCoupling& Scrolling() { return *scrolling_; }
    TScrollEx& Bar() { return *scrollBar_; }
    TMainMenuEx& WindowButtons() { return *windowButtons_; }

    std::unique_ptr<TEmbeddedWB> wb;
    int PressTicks = 0;
    int HeldArea = 0;
    bool HintArmed = false;
    bool RootScrolls = true;

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void appMessage(QObject* receiver, QEvent* event);
    // The step a key makes, or the jump of Home and End.
    void HandleKey(int key);
    bool wbBeforeNavigate2(const QUrl& url);
    bool wbNewWindow2(const QUrl& url);
    void wbShowContextMenu(QPoint screenPoint);
    void AskBeforeOpening(const QUrl& url);

    const TBrowserWindowSetup setup_;
    std::optional<TScrollEx> scrollBar_;
    std::optional<TMoveForm> mover_;
    std::optional<TMainMenuEx> windowButtons_;
    std::optional<TScrollCoupling> scrolling_;
    TLinkActions links_;
    bool pageRefused_ = false; // the user refused the page shown a new window
};
