#pragma once

#include "ButtonState.h"
#include "Skin.h"
#include "SkinPicture.h"
#include "SkinSection.h"
#include "uFunctions.h"

#include <QPoint>
#include <QString>

#include <array>
#include <optional>
#include <string>
#include <string_view>

class QPainter;

// A picture button on a skinned window: a hit area, five pictures, a kind and a state. It
// neither receives events nor paints by itself; its group forwards the window's mouse events
// and asks it to draw onto the picture the window composes.
class TButtonEx {
public:
    TButtonEx(ButtonState state, bool isOn, ButtonKind kind);

    // Pictures, title and bounds from a "buttons.ini" section of the skin.
    void LoadFromSection(const TSkin& skin, std::string_view section);

    // The picture of the current state at (Left, Top), at its own size.
    void Draw(QPainter& canvas) const;
    bool HitTest(QPoint point) const;
    // Where a click presses the button, for the keyboard: none where no point hits it.
    std::optional<QPoint> PressPoint() const;

    TBounds GetBounds() const { return bounds_; }
    void SetBounds(int left, int top, int width, int height);

    ButtonState GetState() const { return state_; }
    void SetState(ButtonState state) { state_ = state; }
    bool GetOn() const { return isOn_; }
    // Only the flag: the caller sets the matching state itself.
    void SetOn(bool on) { isOn_ = on; }
    ButtonKind GetKind() const { return kind_; }
    void SetVisible(bool visible) { visible_ = visible; }
    // From now on the polygon, not the rectangle, decides hits.
    void SetPolygon(TPointArray points) { polygon_ = std::move(points); }
    const std::optional<TPointArray>& GetPolygon() const { return polygon_; }
    QString GetTitle() const { return title_; }
    // The skin file's section it was read from.
    const std::string& GetSection() const { return section_; }
    bool IsVisible() const { return visible_; }

    // State changes driven by the group; none of them acts while the state is disabled.
    void MouseEnter();
    void MouseLeave();
    void Press();
    void Click();

private:
    bool Disabled() const { return state_ == ButtonState::Disabled; }
    ButtonState RestingState() const { return isOn_ ? ButtonState::Active : ButtonState::Up; }

    ButtonKind kind_;
    ButtonState state_;
    bool isOn_;
    bool visible_ = true;
    TBounds bounds_;
    std::array<TSkinPicture, kButtonStateCount> pictures_;
    QString title_;
    std::string section_;
    std::optional<TPointArray> polygon_;
};
