#include "KeyboardFocus.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <iterator>

namespace {

constexpr QColor kMarkDark(0x1A, 0x0A, 0x0A);
constexpr QColor kMarkLight(0xFF, 0xE3, 0x8C);
constexpr int kMarkWidth = 2;

} // namespace

// A light dashed frame over a dark solid one.
void DrawFocusMark(QPainter& canvas, const TAccessibleControl& control)
{
    canvas.save();
    canvas.setBrush(Qt::NoBrush);
    canvas.setRenderHint(QPainter::Antialiasing, !control.Outline.isEmpty());
    const QPolygon frame = control.Outline.isEmpty()
                               ? QPolygon(control.Bounds.adjusted(1, 1, -1, -1))
                               : control.Outline;
    for (const QPen& pen :
         {QPen(kMarkDark, kMarkWidth), QPen(kMarkLight, kMarkWidth, Qt::DashLine)}) {
        canvas.setPen(pen);
        canvas.drawPolygon(frame);
    }
    canvas.restore();
}

std::vector<const TAccessibleControl*> ReadingOrder(const TAccessibleControls& controls)
{
    std::vector<const TAccessibleControl*> order;
    for (const TAccessibleControl& control : controls) {
        if (control.Visible && control.PressAt)
            order.push_back(&control);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](auto* a, auto* b) { return a->Bounds.top() < b->Bounds.top(); });
    // A control whose top lies above the middle of a row's first control stands in that row.
    for (auto rowStart = order.begin(); rowStart != order.end();) {
        const int rowMiddle = (*rowStart)->Bounds.center().y();
        const auto rowEnd = std::find_if(std::next(rowStart), order.end(), [rowMiddle](auto* c) {
            return c->Bounds.top() > rowMiddle;
        });
        std::stable_sort(rowStart, rowEnd,
                         [](auto* a, auto* b) { return a->Bounds.left() < b->Bounds.left(); });
        rowStart = rowEnd;
    }
    return order;
}

bool TKeyboardFocus::Enter(const TAccessibleControls& controls, TFocusMove move)
{
    const auto order = ReadingOrder(controls);
    if (order.empty()) {
        focused_ = nullptr;
        return false;
    }
    focused_ = (move == TFocusMove::Next ? order.front() : order.back())->Identity;
    return true;
}

bool TKeyboardFocus::Put(const TAccessibleControls& controls, const void* identity)
{
    const auto order = ReadingOrder(controls);
    const bool reached = std::ranges::any_of(order, [identity](const TAccessibleControl* control) {
        return control->Identity == identity;
    });
    if (reached)
        focused_ = identity;
    return reached;
}

bool TKeyboardFocus::Step(const TAccessibleControls& controls, TFocusMove move)
{
    if (!Control(controls))
        return Enter(controls, move);
    return MoveWithin(ReadingOrder(controls), move, false);
}

bool TKeyboardFocus::StepInGroup(const TAccessibleControls& controls, TFocusMove move)
{
    const TAccessibleControl* current = Control(controls);
    if (!current)
        return false;
    std::vector<const TAccessibleControl*> group = ReadingOrder(controls);
    std::erase_if(group, [current](auto* control) { return control->Group != current->Group; });
    return MoveWithin(group, move, true);
}

std::optional<QPoint> TKeyboardFocus::PressPoint(const TAccessibleControls& controls) const
{
    const TAccessibleControl* control = Control(controls);
    return control ? control->PressAt : std::nullopt;
}

const TAccessibleControl* TKeyboardFocus::Control(const TAccessibleControls& controls) const
{
    const auto order = ReadingOrder(controls);
    const auto found = std::find_if(order.begin(), order.end(), [this](auto* control) {
        return control->Identity == focused_;
    });
    return found == order.end() ? nullptr : *found;
}

bool TKeyboardFocus::MoveWithin(const std::vector<const TAccessibleControl*>& order,
                                TFocusMove move, bool round)
{
    const auto found = std::find_if(order.begin(), order.end(), [this](auto* control) {
        return control->Identity == focused_;
    });
    if (found == order.end())
        return false;
    const auto count = std::ssize(order);
    auto index = std::distance(order.begin(), found) + (move == TFocusMove::Next ? 1 : -1);
    if (round)
        index = (index + count) % count;
    if (index < 0 || index >= count) {
        focused_ = nullptr;
        return false;
    }
    focused_ = order[size_t(index)]->Identity;
    return true;
}

void TraverseWindow(QWidget& window, TKeyboardFocus& keyboard, const TAccessibleControls& controls,
                    std::vector<QWidget*> widgets, TFocusMove move,
                    const std::function<bool(bool moved)>& markMoved)
{
    const Qt::FocusReason reason =
        move == TFocusMove::Next ? Qt::TabFocusReason : Qt::BacktabFocusReason;
    std::erase_if(widgets, [](const QWidget* widget) {
        return !widget->isVisible() || !widget->isEnabled();
    });
    if (window.hasFocus()) {
        if (keyboard.Step(controls, move))
            markMoved(true);
        else if (widgets.empty())
            markMoved(keyboard.Enter(controls, move));
        else
            (move == TFocusMove::Next ? widgets.front() : widgets.back())->setFocus(reason);
        return;
    }
    const QWidget* focus = QApplication::focusWidget();
    const auto at = std::find_if(widgets.begin(), widgets.end(), [focus](const QWidget* widget) {
        return widget == focus || widget->isAncestorOf(focus);
    });
    const auto next = at - widgets.begin() + (move == TFocusMove::Next ? 1 : -1);
    if (at != widgets.end() && next >= 0 && next < std::ssize(widgets))
        widgets[size_t(next)]->setFocus(reason);
    else
        window.setFocus(reason);
}

bool HandFocusToSibling(QWidget& window)
{
    QWidget* parent = window.parentWidget();
    if (window.isWindow() || !parent)
        return false;
    const QObjectList& siblings = parent->children();
    for (auto sibling = siblings.rbegin(); sibling != siblings.rend(); ++sibling) {
        auto* widget = qobject_cast<QWidget*>(*sibling);
        if (widget && widget != &window && widget->isVisible() &&
            (widget->focusPolicy() & Qt::TabFocus)) {
            QWidget* last = widget->focusWidget();
            (last && last->isVisible() ? last : widget)->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    parent->setFocus(Qt::OtherFocusReason);
    return true;
}
