#include "BrowserWindow.h"

#include "ContentPath.h"
#include "LinkNumber.h"
#include "RoundHalfEven.h"
#include "Windows.h"
#include "uChContext.h"
#include "uChMessage.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QWebEngineView>
#include <QWheelEvent>
#include <QWindow>

namespace {

constexpr QSize kWindowSize(850, 550);
constexpr int kTickMilliseconds = 100;
// Held on an arrow or in the track, a step repeats from this many ticks after the press.
constexpr int kRepeatAfterTicks = 4;

// The key whose step a press on a scroll-bar area makes.
int KeyForArea(int area)
{
    static const QHash<int, int> kAreaKeys = {
        {-2, Qt::Key_PageDown}, {-1, Qt::Key_Down}, {1, Qt::Key_Up}, {2, Qt::Key_PageUp}};
    return kAreaKeys.value(area, 0);
}

// The page step of a key.
QString StepOfKey(int key)
{
    static const QHash<int, QString> kKeySteps = {
        {Qt::Key_PageUp, QStringLiteral("pageup")},
        {Qt::Key_Up, QStringLiteral("up")},
        {Qt::Key_PageDown, QStringLiteral("pagedown")},
        {Qt::Key_Down, QStringLiteral("down")},
    };
    return kKeySteps.value(key);
}

} // namespace

TBrowserWindow::TBrowserWindow(const TBrowserWindowSetup& setup)
    : TSkinnedWindow(fMain), setup_(setup)
{
    Timer1.setInterval(kTickMilliseconds);
    connect(&Timer1, &QTimer::timeout, this, [this] { Guarded([this] { Timer1Timer(); }); });
    timer.setInterval(kTickMilliseconds);
    connect(&timer, &QTimer::timeout, this, [this] { Guarded([this] { timerTimer(); }); });
    Timer1.start();
    timer.start();
    qApp->installEventFilter(this);
    hide();
}

TBrowserWindow::~TBrowserWindow()
{
    // Pending page callbacks refer to the window's parts: the browser goes first.
    wb.reset();
}

void TBrowserWindow::CreateCommon(bool navigate)
{
    PressTicks = 0;
    HeldArea = 0;
    setFixedSize(kWindowSize);
    CentreInMainWindow();
    wb = std::make_unique<TEmbeddedWB>(*this, setup_.BrowserGeometry);
    wb->BeforeNavigate = [this](const QUrl& url) { return wbBeforeNavigate2(url); };
    wb->NewWindow = [this](const QUrl& url) { return wbNewWindow2(url); };
    wb->DocumentComplete = [this](const QUrl& url) {
        pageRefused_ = false;
        if (Created())
            Guarded([&] { wbDocumentComplete(url); });
    };
    wb->ShowContextMenu = [this](QPoint point) { Guarded([&] { wbShowContextMenu(point); }); };
    scrollBar_.emplace(*this, fMain->ContentDir, "scrolls.ini", setup_.ScrollSection);
    scrollBar_->SetMax(1000);
    scrollBar_->SetVisible(true);
    scrolling_.emplace(*wb, *scrollBar_, setup_.BrowserWidth, RootScrolls,
                       [this] { Invalidate(); });
    mover_.emplace(*this, pos(), fMain, *this);
    windowButtons_.emplace(*this, fMain->ContentDir);
    windowButtons_->AddButton("buttons.ini", "close_2_1", ButtonState::Up, false, ButtonKind::Push);
    if (navigate)
        NavigatePlaceholder();
}

void TBrowserWindow::CentreInMainWindow()
{
    move(RoundHalfEven((fMain->width() - width()) / 2.0),
         RoundHalfEven((fMain->height() - height()) / 2.0));
}

void TBrowserWindow::NavigatePlaceholder()
{
    wb->Navigate(ContentPath::Join(fMain->ContentDir, u"\\html\\notfound.html"));
}

void TBrowserWindow::FormShow()
{
    if (!Created())
        return;
    raise();
    // The browser comes back when its next page has loaded.
    wb->Hide();
}

void TBrowserWindow::FormHide()
{
    if (!Created())
        return;
    NavigatePlaceholder();
    wb->Hide();
}

void TBrowserWindow::FormPaint(QPainter& canvas)
{
    if (!Created())
        return;
    TBackgroundPair& frame = fMain->*setup_.Frame;
    Compose(canvas, frame.Composition, frame.Picture, [this](QPainter& composer) {
        windowButtons_->Draw(composer);
        scrollBar_->Draw(composer);
        PaintLayers(composer);
    });
}

void TBrowserWindow::FormMouseDown(Qt::MouseButton, QPoint point)
{
    if (!Created())
        return;
    windowButtons_->MouseDown(point);
    PressTicks = 0;
    HeldArea = int(scrollBar_->AreaAt(point));
    scrollBar_->MouseDown(point);
    if (!scrollBar_->Contains(point))
        mover_->MouseDown(point);
    Invalidate();
}

void TBrowserWindow::FormMouseMove(QPoint point)
{
    if (!Created())
        return;
    // A hint the main window showed does not stay over this window.
    fMain->SetHintsOn(false);
    fMain->SetHintText(QString());
    SetPointer(Qt::ArrowCursor);
    Tag = 0;
    if (scrollBar_->IsVisible()) {
        scrollBar_->MouseMove(point);
        if (scrollBar_->IsDragging()) {
            scrolling_->FollowDrag();
            Invalidate();
            return;
        }
    }
    HintArmed = false;
    SetHintsOn(false);
    SetHintText(QString());
    windowButtons_->MouseMove(point);
    Invalidate();
}

void TBrowserWindow::FormMouseUp(Qt::MouseButton, QPoint point)
{
    if (!Created())
        return;
    HeldArea = 0;
    mover_->MouseUp(point);
    windowButtons_->MouseUp(point);
    if (windowButtons_->FindButtonAt(point) == 0)
        hide();
    scrollBar_->MouseUp(point);
    HandleKey(KeyForArea(int(scrollBar_->AreaAt(point))));
    Invalidate();
}

void TBrowserWindow::Timer1Timer()
{
    ++PressTicks;
}

void TBrowserWindow::timerTimer()
{
    if (!Created())
        return;
    if (!HintArmed) {
        SetHintsOn(true);
        HintArmed = true;
    }
    if (PressTicks >= kRepeatAfterTicks && HeldArea != 0 && isVisible())
        HandleKey(KeyForArea(HeldArea));
}

bool TBrowserWindow::eventFilter(QObject* watched, QEvent* event)
{
    Guarded([&] { appMessage(watched, event); });
    return false; // every message still reaches its target
}

// Each input event is seen first by the top-level window it is for; acting only there counts
// every wheel turn, key and press once.
void TBrowserWindow::appMessage(QObject* receiver, QEvent* event)
{
    if (!isVisible() || !Created())
        return;
    const auto* window = qobject_cast<QWindow*>(receiver);
    if (!window || !window->handle())
        return;
    switch (event->type()) {
    case QEvent::Wheel: {
        const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (delta != 0)
            HandleKey(delta < 0 ? Qt::Key_Down : Qt::Key_Up);
        break;
    }
    case QEvent::KeyPress:
        HandleKey(static_cast<QKeyEvent*>(event)->key());
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto button = static_cast<QMouseEvent*>(event)->button();
        // The pop-up hides itself after carrying out its own press.
        const bool onPopUp = fChContext && receiver == fChContext->windowHandle();
        if (setup_.HidesContextOnPress && fChContext && !onPopUp &&
            (button == Qt::LeftButton || button == Qt::RightButton))
            fChContext->hide();
        break;
    }
    default:
        break;
    }
}

void TBrowserWindow::HandleKey(int key)
{
    if (const QString step = StepOfKey(key); !step.isEmpty())
        scrolling_->Step(step);
    else if (key == Qt::Key_Home)
        scrolling_->JumpTo(0);
    else if (key == Qt::Key_End)
        scrolling_->JumpTo(
            100000); // past any page's end: the page stops there, the thumb at the bottom
}

bool TBrowserWindow::wbBeforeNavigate2(const QUrl& url)
{
    bool cancel = false;
    Guarded([&] {
        for (const auto& [marker, action] :
             {std::pair{kWorkMarker, links_.Work}, std::pair{kEntryMarker, links_.Entry}}) {
            if (!action)
                continue;
            if (const auto number = LinkNumber(url, marker)) {
                action(*number);
                cancel = true;
                break;
            }
        }
        Invalidate();
    });
    return cancel;
}

bool TBrowserWindow::wbNewWindow2(const QUrl& url)
{
    // The question waits until the engine's request has returned: no modal loop inside it.
    QTimer::singleShot(0, this, [this, url] { Guarded([&] { AskBeforeOpening(url); }); });
    return true;
}

// Lets a page open a new browser window, outside the program, only as the settings allow.
void TBrowserWindow::AskBeforeOpening(const QUrl& url)
{
    // One question at a time, and none again from a page the user refused: a page that keeps
    // asking would otherwise never let the user go.
    if (fChMessage->isVisible() || pageRefused_)
        return;
    int remembered = 1;
    const int ask = fChMessage->Prepare(TfChMessage::WebMessage, remembered);
    bool allowed = remembered != 1;
    if (ask != 0) {
        allowed = fChMessage->exec() == TfChMessage::Yes;
        pageRefused_ = !allowed;
    }
    if (allowed)
        Dialogs().OpenExternally(url);
}

void TBrowserWindow::wbShowContextMenu(QPoint screenPoint)
{
    if (!fChContext)
        return;
    fChContext->show();
    fChContext->move(screenPoint - QPoint(5, 5));
    fChContext->TargetCode = setup_.ContextTarget;
}

void TBrowserWindow::wbDocumentComplete(const QUrl& url)
{
    scrolling_->UpdateScrollRange([this, url] {
        if (scrollBar_->IsVisible())
            scrollBar_->SetPosition(0);
        const auto showPage = [this] {
            wb->Show();
            Invalidate();
        };
        if (!url.toString().contains(u'#')) {
            showPage();
            return;
        }
        // The page has jumped to an anchor.
        scrolling_->GetPageScroll([this, showPage](int position, int) {
            if (scrollBar_->IsVisible())
                scrollBar_->SetPosition(position);
            showPage();
        });
    });
}

void TBrowserWindow::PageCommand(int kind)
{
    if (!setup_.PageCommands)
        return;
    switch (kind) {
    case 0: {
        const QString fileName = Dialogs().AskSaveFileName(
            this, QStringLiteral("html"), QStringLiteral("HTML (*.html);;Все файлы (*.*)"));
        if (!fileName.isEmpty())
            SaveHtmlSource(fileName, *wb);
        break;
    }
    case 1:
        wb->Print(this, wb->View().title());
        break;
    case 2:
        wb->Copy();
        break;
    default:
        break;
    }
}

void TBrowserWindow::SaveHtmlSource(const QString& fileName, TEmbeddedWB& browser)
{
    switch (browser.SaveSource(fileName)) {
    case TSaveResult::Saved:
        break;
    case TSaveResult::CannotCreate:
        Dialogs().ShowError(
            this,
            QStringLiteral("Cannot create file \"%1\".").arg(QDir::toNativeSeparators(fileName)));
        break;
    case TSaveResult::Failed:
        Dialogs().ShowMessage(this, QStringLiteral("Fail to save HTML source"),
                              QStringLiteral("Error"));
        break;
    }
}
