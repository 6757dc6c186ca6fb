#include "uMain.h"

#include "BrowserWindows.h"
#include "ContentPages.h"
#include "Placement.h"
#include "PopUps.h"
#include "SkinNames.h"
#include "WindowLayout.h"
#include "uChHtmlView.h"
#include "uChHtmlViewInfo.h"
#include "uChHtmlViewInfo1.h"
#include "uChMessage.h"
#include "uFunctions.h"

#include <QCloseEvent>
#include <QImage>

namespace {

// Often enough that a button follows the pointer without a visible delay.
constexpr std::chrono::milliseconds kRepaintTick(10);

// The frame strip's buttons, by index.
enum TFrameButton { ZoomButton = 0, MinimizeButton = 1, CloseButton = 2, QuestButton = 3 };

} // namespace

TfMain::TfMain(TTickSource& ticks, const TSkin& skin, TCatalogue& catalogue)
    : TSkinnedWindow(ticks), ContentDir(skin.ContentDir()), Works(catalogue.Works),
      Selection(catalogue.Selection), skin_(skin), signStrip_(*this, skin),
      frameStrip_(*this, skin),
      Timer1(ticks.Every(kRepaintTick, *this, [this] { Guarded([this] { Timer1Timer(); }); }))
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Velmora"));
    Guarded([this] { FormCreate(); });
}

void TfMain::Unhook()
{
    TSkinnedWindow::Unhook();
    Timer1.SetRunning(false);
}

void TfMain::FormCreate()
{
    setFixedSize(WindowLayout::kMainWindow);
    move(CentredOnDesktop(ScreenSize(), size()));
    for (const std::string_view section : SkinNames::kMainFrameButtons)
        frameStrip_.AddButton(section, ButtonKind::Push);
    // A sign's index is the catalogue's filter group it opens.
    for (const WindowLayout::TSignShape& sign : WindowLayout::kSigns)
        signStrip_.AddButton(sign.Section, ButtonKind::Push);
    for (size_t i = 0; i < WindowLayout::kSigns.size(); ++i)
        signStrip_.Buttons()[i].SetPolygon(
            TPointArray(WindowLayout::kSigns[i].Ring.begin(), WindowLayout::kSigns[i].Ring.end()));
    MainBackground = skin_.Picture(SkinNames::kMainBackground);
}

void TfMain::PaintAhead()
{
    QImage canvas(size(), QImage::Format_RGB32);
    render(&canvas);
}

void TfMain::HideBrowserWindows()
{
    for (const TBrowserWindowEntry& entry : BrowserWindowRegistry()) {
        if (TBrowserWindow* window = entry.Window(); window && entry.HiddenWithOthers)
            window->hide();
    }
}

// The button states the picture shows; the repaint clock repaints only when they changed.
std::vector<int> TfMain::DrawnStates() const
{
    std::vector<int> states;
    for (const TMainMenuEx* strip : {&frameStrip_, &signStrip_}) {
        for (const TButtonEx& button : strip->Buttons())
            states.push_back(int(button.GetState()));
    }
    return states;
}

// Runs from a mouse event until the picture shows every button as it is: repainting an
// unchanged picture every 10 ms would only burn processor time.
void TfMain::Timer1Timer()
{
    if (DrawnStates() != paintedStates_)
        Invalidate();
    else
        Timer1.SetRunning(false);
}

void TfMain::FormPaint(QPainter& canvas)
{
    Compose(canvas, MainBackground.Pixels(), [this](QPainter& composer) {
        frameStrip_.Draw(composer);
        signStrip_.Draw(composer);
    });
    paintedStates_ = DrawnStates();
}

void TfMain::FormMouseDown(Qt::MouseButton, QPoint point)
{
    signStrip_.MouseDown(point);
    frameStrip_.MouseDown(point);
    Timer1.SetRunning(true);
    Invalidate();
}

void TfMain::FormMouseMove(QPoint point)
{
    Tag = TPressTag::Free;
    SetPointer(Qt::ArrowCursor);
    SetHintsOn(false);
    SetHintText(QString());
    frameStrip_.MouseMove(point);
    signStrip_.MouseMove(point);
    Timer1.SetRunning(true);
    Invalidate();
}

void TfMain::FormMouseUp(Qt::MouseButton, QPoint point)
{
    frameStrip_.MouseUp(point);
    signStrip_.MouseUp(point);
    if (const int sign = signStrip_.FindButtonAt(point); sign >= 0 && fChHtmlView)
        OpenCatalogue(sign);
    switch (frameStrip_.FindButtonAt(point)) {
    case ZoomButton:
        // The page request follows the window's own showing.
        if (fChHtmlViewInfo1) {
            fChHtmlViewInfo1->ShowOnTop();
            fChHtmlViewInfo1->OpenPage(ContentPages::kAbout);
        }
        break;
    case MinimizeButton:
        showMinimized();
        break;
    case QuestButton:
        if (fChHtmlViewInfo)
            fChHtmlViewInfo->ShowOnTop();
        break;
    case CloseButton:
        close();
        break;
    default:
        break;
    }
    Timer1.SetRunning(true);
    Invalidate();
}

// A sign's index is the filter group it opens.
void TfMain::OpenCatalogue(int group)
{
    fChHtmlView->GeneratePage(group);
    fChHtmlView->PanelShown = group != 0;
    fChHtmlView->ShowOnTop();
}

void TfMain::closeEvent(QCloseEvent* event)
{
    bool proceed = true;
    Guarded([&] { proceed = FormClose(); });
    if (proceed)
        event->accept();
    else
        event->ignore();
}

// Asks the closing question unless it is switched off; false keeps the program running.
bool TfMain::FormClose()
{
    if (!fChMessage)
        return true;
    int remembered = 1;
    if (fChMessage->Prepare(TfChMessage::CloseMessage, remembered) == 0)
        return true;
    return fChMessage->exec() == TfChMessage::Yes;
}

void TfMain::DescribeControls(TAccessibleControls& controls)
{
    DescribeButtons(controls, signStrip_);
    DescribeButtons(controls, frameStrip_);
}
