#include "BrowserWindow.h"

#include "ContentPath.h"
#include "SkinNames.h"
#include "WholeFile.h"
#include "WindowLayout.h"

#include <QHideEvent>
#include <QTimer>
#include <QWebEngineView>

#include <algorithm>

namespace {

constexpr std::chrono::milliseconds kTick(100);

// The window buttons' first one; a window adds its others after it.
enum TWindowButton { CloseButton = 0 };

bool IsBrowserWindow(const QObject* object)
{
    return dynamic_cast<const TBrowserWindow*>(object) != nullptr;
}

} // namespace

TBrowserWindowSetup PageWindowSetup(TContextTarget target)
{
    return {
        .Panes = {{
            .BrowserGeometry = WindowLayout::kCatalogueBrowser,
            .ScrollSection = SkinNames::kPageScroll,
            .BarKind = TScrollBarKind::Standard,
            .BrowserWidth = WindowLayout::kCatalogueBrowser.width(),
            .ContextTarget = target,
        }},
        .PageCommands = true,
        .PopUpOnPress = TPopUpOnPress::Hide,
    };
}

TBrowserWindow::TBrowserWindow(const TBrowserHost& host, const TBrowserWindowSetup& setup)
    : TSkinnedWindow(host.Ticks, &host.MainWindow), host_(host), setup_(setup),
      windowButtons_(*this, host.Skin), mover_(*this, &host.MainWindow), panes_(MakePanes()),
      pageCommands_(*this, panes_.front().Browser()),
      input_(*this, panes_, setup.PopUpOnPress, host.PopUp),
      covered_(*this, IsBrowserWindow, [this](bool covered) { SetBrowsersCovered(covered); }),
      timer(host.Ticks.Every(kTick, *this, [this] {
          // The held press is counted before its step repeats.
          Guarded([this] {
              Timer1Timer();
              timerTimer();
          });
      }))
{
    setFixedSize(WindowLayout::kBrowserWindow);
    CentreInMainWindow();
    for (const std::string_view section : SkinNames::kCloseButton)
        windowButtons_.AddButton(section, ButtonKind::Push);
    for (TBrowserPane& pane : panes_)
        WireBrowser(pane);
    host.Hook.Add(*this);
    RunClockWhileNeeded();
    hide();
}

void TBrowserWindow::Unhook()
{
    TSkinnedWindow::Unhook();
    host_.Hook.Remove(*this);
    for (TBrowserPane& pane : panes_)
        pane.Browser().Disconnect();
    timer.SetRunning(false);
}

std::deque<TBrowserPane> TBrowserWindow::MakePanes()
{
    std::deque<TBrowserPane> panes;
    for (const TBrowserPaneSetup& pane : setup_.Panes)
        panes.emplace_back(*this, *this, host_.Skin, pane, RootScrolls, [this] { Invalidate(); });
    return panes;
}

void TBrowserWindow::WireBrowser(TBrowserPane& pane)
{
    TEmbeddedWB& browser = pane.Browser();
    browser.BeforeNavigate = [this, &pane](const QUrl& url) {
        return wbBeforeNavigate2(pane, url);
    };
    browser.NewWindow = [this, &pane](const QUrl& url) {
        // The question waits until the engine's request has returned: no modal loop inside it.
        QTimer::singleShot(0, this, [this, &pane, url] {
            Guarded([&] { pane.NewWindows().Ask(url, isVisible()); });
        });
        return true;
    };
    browser.DocumentComplete = [this, &pane](const QUrl& url) {
        pane.NewWindows().PageLoaded();
        Guarded([&] { wbDocumentComplete(pane, url); });
    };
    browser.ShowContextMenu = [this, &pane](QPoint point) {
        Guarded([&] { wbShowContextMenu(pane, point); });
    };
    browser.Scrolled = [this, &pane](int position) {
        Guarded([&] { pane.Scrolling().FollowPage(position); });
    };
}

void TBrowserWindow::CentreInMainWindow()
{
    move(WindowLayout::CentredPlace(host_.MainWindow.size(), size()));
}

bool TBrowserWindow::ShowGeneratedPage(TBrowserPane& pane, QStringView relativePath,
                                       const std::string& page)
{
    const QString path = ContentPath::Join(ContentDir(), relativePath);
    const WholeFile::TWrite written = WholeFile::Replace(path, page, TFolderOwner::Content);
    if (written.Ok()) {
        pane.Browser().Navigate(path);
        return true;
    }
    pane.Browser().WritePage(page, [this, &pane](bool) {
        pane.Scrolling().UpdateScrollRange([this] { Invalidate(); });
    });
    Dialogs().ShowError(this, QStringLiteral("Cannot write %1: %2").arg(path, written.Reason));
    return false;
}

void TBrowserWindow::FormShow()
{
    raise();
    // The browser comes back when its next page has loaded.
    Browser().Hide();
}

void TBrowserWindow::FormHide()
{
    NavigatePlaceholder();
    Browser().Hide();
}

void TBrowserWindow::hideEvent(QHideEvent* event)
{
    TSkinnedWindow::hideEvent(event);
    if (event->spontaneous())
        return;
    for (TBrowserPane& pane : panes_)
        pane.Browser().Suspend();
}

void TBrowserWindow::FormPaint(QPainter& canvas)
{
    Compose(canvas, host_.Frame.Pixels(), [this](QPainter& composer) {
        windowButtons_.Draw(composer);
        for (const TBrowserPane& pane : panes_)
            pane.Draw(composer);
        PaintLayers(composer);
    });
}

void TBrowserWindow::FormMouseDown(Qt::MouseButton, QPoint point)
{
    windowButtons_.MouseDown(point);
    for (TMainMenuEx* group : ButtonGroups())
        group->MouseDown(point);
    bool onABar = false;
    for (TBrowserPane& pane : panes_) {
        pane.MouseDown(point);
        onABar = onABar || pane.BarContains(point);
    }
    if (!onABar)
        mover_.MouseDown(point);
    RunClockWhileNeeded();
    Invalidate();
}

void TBrowserWindow::FormMouseMove(QPoint point)
{
    // A hint the main window showed does not stay over this window.
    host_.MainWindow.SetHintsOn(false);
    host_.MainWindow.SetHintText(QString());
    SetPointer(Qt::ArrowCursor);
    Tag = TPressTag::Free;
    const bool dragging = std::any_of(panes_.begin(), panes_.end(), [point](TBrowserPane& pane) {
        return pane.MouseMove(point);
    });
    if (!dragging) {
        HintArmed = false;
        SetHintsOn(false);
        SetHintText(QString());
        windowButtons_.MouseMove(point);
        for (TMainMenuEx* group : ButtonGroups())
            group->MouseMove(point);
    }
    RunClockWhileNeeded();
    Invalidate();
}

void TBrowserWindow::DescribeControls(TAccessibleControls& controls)
{
    DescribeButtons(controls, windowButtons_);
    for (const TMainMenuEx* group : ButtonGroups())
        DescribeButtons(controls, *group);
    for (const TBrowserPane& pane : panes_)
        DescribeScrollBar(
            controls, pane.Bar(),
            QString::fromUtf16(pane.Setup().BarName.data(), pane.Setup().BarName.size()));
}

std::vector<QWidget*> TBrowserWindow::FocusWidgets()
{
    // A page with nothing to focus is no stop: its keys scroll it from the window.
    std::vector<QWidget*> widgets;
    for (TBrowserPane& pane : panes_)
        if (pane.Browser().TakesFocus())
            widgets.push_back(&pane.Browser().View());
    return widgets;
}

void TBrowserWindow::FormMouseUp(Qt::MouseButton, QPoint point)
{
    mover_.MouseUp(point);
    windowButtons_.MouseUp(point);
    for (TMainMenuEx* group : ButtonGroups())
        group->MouseUp(point);
    ButtonsReleased(point);
    const TReleaseStep step = ReleaseStep();
    for (TBrowserPane& pane : panes_)
        pane.MouseUp(point, step);
    RunClockWhileNeeded();
    Invalidate();
}

void TBrowserWindow::ButtonsReleased(QPoint point)
{
    if (windowButtons_.FindButtonAt(point) == CloseButton)
        hide();
}

void TBrowserWindow::Timer1Timer()
{
    for (TBrowserPane& pane : panes_)
        pane.CountTick();
}

void TBrowserWindow::timerTimer()
{
    if (!HintArmed) {
        SetHintsOn(true);
        HintArmed = true;
    }
    if (isVisible()) {
        for (TBrowserPane& pane : panes_)
            pane.RepeatHeldStep();
    }
    RunClockWhileNeeded();
}

// The clock counts a held press and switches hints back on after a move; with neither to do it
// stops, so a window at rest does not wake the program.
void TBrowserWindow::RunClockWhileNeeded()
{
    const bool holding = std::any_of(panes_.begin(), panes_.end(),
                                     [](const TBrowserPane& pane) { return pane.IsHolding(); });
    const bool needed = setup_.HasClock && (holding || !HintArmed);
    timer.SetRunning(needed);
}

bool TBrowserWindow::HookMessage(QObject* receiver, QEvent* event)
{
    Guarded([&] {
        covered_.See(receiver, *event);
        input_.Route(receiver, *event);
    });
    return false; // every message still reaches its target
}

void TBrowserWindow::SetBrowsersCovered(bool covered)
{
    Guarded([&] {
        for (TBrowserPane& pane : panes_)
            pane.Browser().SetCovered(covered);
    });
}

bool TBrowserWindow::wbBeforeNavigate2(TBrowserPane& pane, const QUrl& url)
{
    bool cancel = false;
    Guarded([&] {
        cancel = pane.FollowLink(url);
        Invalidate();
    });
    return cancel;
}

void TBrowserWindow::wbShowContextMenu(const TBrowserPane& pane, QPoint screenPoint)
{
    if (const auto target = pane.Setup().ContextTarget)
        host_.PopUp.ShowAtPointer(screenPoint, *target);
}

void TBrowserWindow::wbDocumentComplete(TBrowserPane& pane, const QUrl& url)
{
    pane.ShowLoadedPage(url);
}

void TBrowserWindow::PageCommand(TPageCommand command)
{
    if (setup_.PageCommands)
        pageCommands_.Run(command);
}
