#include "uChContext.h"

#include "SkinNames.h"
#include "WindowLayout.h"

#include <QKeyEvent>
#include <QTimer>
#include <QWindow>

namespace {

constexpr QSize kSize = WindowLayout::kContextPopUp;
// A button's index is its command.
static_assert(int(TPageCommand::Copy) + 1 == SkinNames::kContextButtons.size());
// The corner stands this far above and left of the pointer.
constexpr QPoint kPointerOffset(5, 5);

} // namespace

TfChContext::TfChContext(TTickSource& ticks, const TSkin& skin, TMessageHook& hook,
                         TTargetFinder findTarget)
    : TSkinnedWindow(ticks), hook_(hook), findTarget_(std::move(findTarget)),
      ButtonGroup(*this, skin)
{
    // A tool window: on top, no frame, and it never takes the mouse away from the program.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(kSize);
    for (const std::string_view section : SkinNames::kContextButtons)
        ButtonGroup.AddButton(section, ButtonKind::Push);
    Background = skin.Picture(SkinNames::kContextBackground);
}

void TfChContext::Unhook()
{
    TSkinnedWindow::Unhook();
    hook_.Remove(*this);
}

void TfChContext::ShowAt(QPoint screenPoint, TContextTarget target)
{
    show();
    move(screenPoint - kPointerOffset);
    TargetCode = target;
}

void TfChContext::HideOnPressAt(const QObject* receiver)
{
    if (receiver != windowHandle())
        hide();
}

void TfChContext::FormShow()
{
    hook_.Add(*this, TListenerPlace::First);
}

// It reopens without a mark.
void TfChContext::FormHide()
{
    hook_.Remove(*this);
    Keyboard().Clear();
}

bool TfChContext::HookMessage(QObject* receiver, QEvent* event)
{
    bool taken = false;
    // Each key is seen first by the top-level window it is for; taking it there takes it once.
    if (event->type() == QEvent::KeyPress && qobject_cast<QWindow*>(receiver))
        Guarded([&] { taken = TakeKey(static_cast<const QKeyEvent&>(*event)); });
    return taken;
}

void TfChContext::FormPaint(QPainter& canvas)
{
    Compose(canvas, Background.Pixels(),
            [this](QPainter& composer) { ButtonGroup.Draw(composer); });
}

void TfChContext::FormMouseDown(Qt::MouseButton, QPoint point)
{
    ButtonGroup.MouseDown(point);
    Chosen = ButtonGroup.FindButtonAt(point);
    // The pop-up goes before the command runs: a save or print dialog must not sit under it.
    hide();
    if (Chosen >= 0)
        RunLater(TPageCommand(Chosen));
    Invalidate();
}

// Once the press or key that chose the command has been dispatched: a save or print dialog's
// loop must not run inside the event that opened it.
void TfChContext::RunLater(TPageCommand command)
{
    QTimer::singleShot(0, this, [this, command, target = TargetCode] {
        Guarded([&] {
            if (TPageCommandTarget* window = findTarget_(target))
                window->PageCommand(command);
        });
    });
}

void TfChContext::FormMouseMove(QPoint point)
{
    ButtonGroup.MouseMove(point);
    Invalidate();
}

void TfChContext::FormMouseUp(Qt::MouseButton, QPoint point)
{
    ButtonGroup.MouseUp(point);
    Invalidate();
}

bool TfChContext::TakeKey(const QKeyEvent& event)
{
    // Shift+Tab comes as a Tab with Shift held from some sources, as Backtab from others.
    const int key = event.key() == Qt::Key_Tab && event.modifiers().testFlag(Qt::ShiftModifier)
                        ? int(Qt::Key_Backtab)
                        : event.key();
    const TAccessibleControls controls = Controls();
    const auto move = [&](TFocusMove direction) {
        return MarkMoved(Keyboard().StepInGroup(controls, direction) ||
                         Keyboard().Enter(controls, direction));
    };
    switch (key) {
    case Qt::Key_Escape:
        hide();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Down:
    case Qt::Key_Right:
        return move(TFocusMove::Next);
    case Qt::Key_Backtab:
    case Qt::Key_Up:
    case Qt::Key_Left:
        return move(TFocusMove::Previous);
    default:
        return ControlKey(key);
    }
}

void TfChContext::DescribeControls(TAccessibleControls& controls)
{
    DescribeButtons(controls, ButtonGroup);
}
