#pragma once

#include "uButton.h"

#include <QPoint>
#include <QString>

#include <span>
#include <string_view>
#include <vector>

class QPainter;
class TSkinWindow;

using TButtonArray = std::vector<TButtonEx>;

// What a group's buttons are to the user: buttons (a toggle is a switch), or the tabs of a window.
enum class TGroupRole { Buttons, Tabs };

// The image buttons of one window, driven as a unit: it forwards the window's mouse events to
// them, shows the hand pointer and the hint of the button under the mouse, raises the window's
// Tag on a press, and draws them in the order they were added.
class TMainMenuEx {
public:
    // The buttons come from skin, which outlives the group.
    TMainMenuEx(TSkinWindow& owner, const TSkin& skin, TGroupRole role = TGroupRole::Buttons);

    // Appends a button read from a "buttons.ini" section; it starts up and off.
    void AddButton(std::string_view section, ButtonKind kind);

    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool IsEnabled() const { return enabled_; }

    // Index of the first button hit at point, -1 for none or while disabled.
    int FindButtonAt(QPoint point) const;

    // Points in the owner's client pixels; any mouse button acts the same.
    void MouseMove(QPoint point);
    void MouseDown(QPoint point);
    void MouseUp(QPoint point);

    // Later buttons cover earlier ones.
    void Draw(QPainter& canvas) const;

    std::span<TButtonEx> Buttons() { return buttons_; }
    std::span<const TButtonEx> Buttons() const { return buttons_; }
    TGroupRole Role() const { return role_; }

private:
    // Hands each button under point to onHit, in list order, and lets every other one go.
    template <typename OnHit> void VisitButtons(QPoint point, OnHit onHit);

    TSkinWindow& owner_;
    const TSkin& skin_;
    TButtonArray buttons_;
    TGroupRole role_;
    bool enabled_ = true;
};
