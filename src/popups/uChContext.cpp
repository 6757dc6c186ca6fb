#include "uChContext.h"

#include "WindowLayout.h"
#include "uFunctions.h"

#include <QKeyEvent>

namespace {

constexpr QSize kSize = WindowLayout::kContextPopUp;
// A button's index is its command.
constexpr std::array<std::string_view, 3> kCommandSections = {"context_save", "context_print",
                                                              "context_copy"};
static_assert(int(TPageCommand::Copy) + 1 == kCommandSections.size());

} // namespace

TfChContext::TfChContext(TTickSource& ticks, const TSkin& skin, TTargetFinder findTarget)
    : TSkinnedWindow(ticks), findTarget_(std::move(findTarget)), ButtonGroup(*this, skin)
{
    // A tool window: on top, no frame, and it never takes the mouse away from the program.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(kSize);
    for (const std::string_view section : kCommandSections)
        ButtonGroup.AddButton(section, ButtonKind::Push);
    Background = skin.Picture(u"\\design\\windows\\context\\fon.jpg");
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
    if (Chosen >= 0) {
        if (TPageCommandTarget* target = findTarget_(TargetCode))
            target->PageCommand(TPageCommand(Chosen));
    }
    Invalidate();
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
