#include "uMainMenu.h"

#include "SkinWindow.h"

TMainMenuEx::TMainMenuEx(TSkinWindow& owner, const TSkin& skin, TGroupRole role)
    : owner_(owner), skin_(skin), role_(role)
{
}

void TMainMenuEx::AddButton(std::string_view section, ButtonKind kind)
{
    buttons_.emplace_back(ButtonState::Up, false, kind).LoadFromSection(skin_, section);
}

template <typename OnHit> void TMainMenuEx::VisitButtons(QPoint point, OnHit onHit)
{
    if (!enabled_)
        return;
    for (TButtonEx& button : buttons_) {
        if (button.HitTest(point))
            onHit(button);
        else
            button.MouseLeave();
    }
}

int TMainMenuEx::FindButtonAt(QPoint point) const
{
    if (!enabled_)
        return -1;
    for (size_t index = 0; index < buttons_.size(); ++index) {
        if (buttons_[index].HitTest(point))
            return int(index);
    }
    return -1;
}

void TMainMenuEx::MouseMove(QPoint point)
{
    VisitButtons(point, [this](TButtonEx& button) {
        owner_.SetPointer(Qt::PointingHandCursor);
        owner_.SetHintText(button.GetTitle());
        owner_.SetHintsOn(true);
        if (!button.GetOn())
            button.MouseEnter();
    });
}

void TMainMenuEx::MouseDown(QPoint point)
{
    VisitButtons(point, [this](TButtonEx& button) {
        if (!button.GetOn())
            button.Press();
        owner_.SetTag(TPressTag::TakenByButton);
    });
}

void TMainMenuEx::MouseUp(QPoint point)
{
    VisitButtons(point, [](TButtonEx& button) {
        // An on button rests up after the release, even one whose state said disabled.
        const bool wasOn = button.GetOn();
        button.Click();
        if (wasOn)
            button.SetState(ButtonState::Up);
    });
}

void TMainMenuEx::Draw(QPainter& canvas) const
{
    for (const TButtonEx& button : buttons_)
        button.Draw(canvas);
}
