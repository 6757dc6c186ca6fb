#include "uMoveForm.h"

#include "SkinWindow.h"

#include <algorithm>

TMoveForm::TMoveForm(TSkinWindow& target, const TSkinWindow* bounds)
    : target_(target), bounds_(bounds)
{
}

void TMoveForm::MouseDown(QPoint point)
{
    // A button group has just taken this press.
    if (target_.GetTag() == TPressTag::TakenByButton)
        return;
    moving_ = true;
    startPos_ = {target_.Left(), target_.Top()};
    startMouse_ = target_.ClientToScreen(point);
}

void TMoveForm::MouseMove(QPoint point)
{
    if (!moving_)
        return;
    const QPoint offset = target_.ClientToScreen(point) - startMouse_;
    int left = std::max(startPos_.x() + offset.x(), 0);
    int top = std::max(startPos_.y() + offset.y(), 0);
    const QSize area = bounds_ ? QSize(bounds_->Width(), bounds_->Height()) : target_.ScreenSize();
    // After the left and top clamps, so a window larger than the area sits flush with its
    // right or bottom edge.
    if (left + target_.Width() >= area.width())
        left = area.width() - target_.Width();
    if (top + target_.Height() >= area.height())
        top = area.height() - target_.Height();
    target_.MoveTo(left, top);
}

void TMoveForm::MouseUp(QPoint)
{
    moving_ = false;
}
