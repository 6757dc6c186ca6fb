#include "BrowserWindow.h"

#include "ContentPath.h"
#include "RoundHalfEven.h"
#include "WholeFile.h"
#include "WindowLayout.h"

#include <QApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QRegion>
#include <QTimer>
#include <QWebEngineView>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>

namespace {

constexpr std::chrono::milliseconds kTick(100);

// The window buttons' first one; a window adds its others after it.
enum TWindowButton { CloseButton = 0 };

} // namespace

TBrowserWindowSetup PageWindowSetup(TContextTarget target)
{
    return {
        .Panes = {{
            .BrowserGeometry = WindowLayout::kCatalogueBrowser,
            .ScrollSection = "wb_vscroll",
            .BarKind = TScrollBarKind::Standard,
            .BrowserWidth = WindowLayout::kCatalogueBrowser.width(),
            .ContextTarget = target,
        }},
        .PageCommands = true,
        .HidesContextOnPress = true,
    };
}

TBrowserWindow::TBrowserWindow(const TBrowserHost& host, const TBrowserWindowSetup& setup)
    : TSkinnedWindow(host.Ticks, &host.MainWindow), host_(host), setup_(setup),
      windowButtons_(*this, host.Skin), mover_(*this, QPoint(), &host.MainWindow, *this),
      panes_(MakePanes()), pageCommands_(*this, panes_.front().Browser()),
      Timer1(host.Ticks.Every(kTick, *this, [this] { Guarded([this] { Timer1Timer(); }); })),
      timer(host.Ticks.Every(kTick, *this, [this] { Guarded([this] { timerTimer(); }); }))
{
    setFixedSize(WindowLayout::kBrowserWindow);
    CentreInMainWindow();
    windowButtons_.AddButton("close_2_1", ButtonKind::Push);
    for (TBrowserPane& pane : panes_)
        WireBrowser(pane);
    host.Hook.Add(*this);
    RunClocksWhileNeeded();
    hide();
}

void TBrowserWindow::Unhook()
{
    TSkinnedWindow::Unhook();
    host_.Hook.Remove(*this);
    for (TBrowserPane& pane : panes_)
        pane.Browser().Disconnect();
    Timer1.SetRunning(false);
    timer.SetRunning(false);
}

std::deque<TBrowserPane> TBrowserWindow::MakePanes()
{
    std::deque<TBrowserPane> panes;
    for (const TBrowserPaneSetup& pane : setup_.Panes)
        panes.emplace_back(*this, *this, host_.Skin, pane, host_.Pages, RootScrolls,
                           [this] { Invalidate(); });
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
    move(RoundHalfEven((host_.MainWindow.width() - width()) / 2.0),
         RoundHalfEven((host_.MainWindow.height() - height()) / 2.0));
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
    RunClocksWhileNeeded();
    Invalidate();
}

void TBrowserWindow::FormMouseMove(QPoint point)
{
    // A hint the main window showed does not stay over this window.
    host_.MainWindow.SetHintsOn(false);
    host_.MainWindow.SetHintText(QString());
    SetPointer(Qt::ArrowCursor);
    Tag = 0;
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
    RunClocksWhileNeeded();
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
    RunClocksWhileNeeded();
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
    RunClocksWhileNeeded();
}

// The clocks count a held press and switch hints back on after a move; with neither to do they
// stop, so a window at rest does not wake the program.
void TBrowserWindow::RunClocksWhileNeeded()
{
    const bool holding = std::any_of(panes_.begin(), panes_.end(),
                                     [](const TBrowserPane& pane) { return pane.IsHolding(); });
    const bool needed = setup_.HasClocks && (holding || !HintArmed);
    Timer1.SetRunning(needed);
    timer.SetRunning(needed);
}

bool TBrowserWindow::HookMessage(QObject* receiver, QEvent* event)
{
    Guarded([&] {
        if (ChangesStacking(receiver, *event))
            UpdateCovered();
        appMessage(receiver, event);
    });
    return false; // every message still reaches its target
}

// A browser window, this one or a sibling, shown, hidden, raised, moved or resized.
bool TBrowserWindow::ChangesStacking(const QObject* receiver, const QEvent& event)
{
    switch (event.type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ZOrderChange:
    case QEvent::Move:
    case QEvent::Resize:
        return dynamic_cast<const TBrowserWindow*>(receiver) != nullptr;
    default:
        return false;
    }
}

// Whether the browser windows shown above this one cover it whole; they are opaque rectangles.
bool TBrowserWindow::CoveredBySiblings() const
{
    if (!isVisible())
        return false;
    QRegion uncovered(geometry());
    // The last children stand on top.
    const QObjectList& siblings = parentWidget()->children();
    for (auto sibling = siblings.crbegin(); sibling != siblings.crend() && *sibling != this;
         ++sibling) {
        const auto* window = dynamic_cast<const TBrowserWindow*>(*sibling);
        if (window && window->isVisible())
            uncovered -= window->geometry();
    }
    return uncovered.isEmpty();
}

// Uncovered pages come back at once, before the focus is handed on to them. Covering waits until
// the events of the change are over (a window opening is shown, moved and raised in turn), and
// is done once for them all.
void TBrowserWindow::UpdateCovered()
{
    if (!CoveredBySiblings()) {
        SetBrowsersCovered(false);
        return;
    }
    if (coverQueued_)
        return;
    coverQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        coverQueued_ = false;
        Guarded([this] { SetBrowsersCovered(CoveredBySiblings()); });
    });
}

void TBrowserWindow::SetBrowsersCovered(bool covered)
{
    for (TBrowserPane& pane : panes_)
        pane.Browser().SetCovered(covered);
}

// Each input event is seen first by the top-level window it is for; acting only there counts
// every wheel turn, key and press once.
void TBrowserWindow::appMessage(QObject* receiver, QEvent* event)
{
    if (!isVisible())
        return;
    if (EscapeInside(receiver, *event)) {
        hide();
        return;
    }
    const auto* window = qobject_cast<QWindow*>(receiver);
    if (!window || !window->handle())
        return;
    switch (event->type()) {
    case QEvent::Wheel: {
        const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (delta != 0)
            Pane().Key(delta < 0 ? Qt::Key_Down : Qt::Key_Up);
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Where a focus mark is shown, the arrows move it instead; a field being typed into
        // takes them itself.
        const bool typing = std::any_of(panes_.begin(), panes_.end(), [](const TBrowserPane& pane) {
            return pane.Browser().TakesTyping();
        });
        if (!typing && !(FocusMarkShown() && (key == Qt::Key_Up || key == Qt::Key_Down)))
            Pane().Key(key);
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto button = static_cast<QMouseEvent*>(event)->button();
        if (setup_.HidesContextOnPress && (button == Qt::LeftButton || button == Qt::RightButton))
            host_.PopUp.HideOnPressAt(receiver);
        break;
    }
    default:
        break;
    }
}

// Escape closes the window wherever in it the focus is: on the window, in its edit or in a page,
// whose engine keeps the key to itself.
bool TBrowserWindow::EscapeInside(QObject* receiver, const QEvent& event) const
{
    if (event.type() != QEvent::KeyPress ||
        static_cast<const QKeyEvent&>(event).key() != Qt::Key_Escape || !receiver->isWidgetType())
        return false;
    const auto* widget = static_cast<const QWidget*>(receiver);
    return widget == this || isAncestorOf(widget);
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
        host_.PopUp.ShowAt(screenPoint, *target);
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
