#pragma once

#include <QAccessible>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

class QWidget;
class TMainMenuEx;
class TScrollExBase;

// A screen reader's view of one control drawn on a skinned window: the controls are pictures,
// not widgets, so the window tells what they are each time it is asked.
struct TAccessibleControl {
    const void* Identity; // the control itself, which keeps its interface across questions
    QAccessible::Role Role;
    QString Name;
    QRect Bounds; // the window's client pixels
    bool Checkable = false;
    bool On = false;
    bool Visible = true;
    const void* Group = nullptr; // the button group it belongs to, which arrow keys move within
    std::optional<QPoint> PressAt =
        {};                // where a click presses it; none where the keyboard never does
    QPolygon Outline = {}; // its hit area where that is no rectangle
};
using TAccessibleControls = std::vector<TAccessibleControl>;

// What a skinned window tells of the controls on it, in the order they are drawn.
class TAccessibleSkin {
public:
    virtual void DescribeControls(TAccessibleControls& controls) = 0;
    // The control the keyboard's focus mark is on, by its identity; none without a mark shown.
    virtual const void* FocusedControl() const = 0;

protected:
    ~TAccessibleSkin() = default;
};

// A group's buttons: each named by its title in the skin file, else by its section; a toggle
// is a check box, a group of tabs gives page tabs, which the window itself tells on.
void DescribeButtons(TAccessibleControls& controls, const TMainMenuEx& group);
void DescribeScrollBar(TAccessibleControls& controls, const TScrollExBase& bar,
                       const QString& name);

// A skinned window tells it is one while it lives; Qt's accessibility then asks it for its
// controls. No cast finds it: the window's class is ours, its bases are the library's.
void RegisterSkinWindow(const QWidget* window, TAccessibleSkin& skin);
void UnregisterSkinWindow(const QWidget* window);

// Tells a screen reader that the focus mark of a window that has the focus moved.
void TellFocusMoved(const QWidget* window);
// Whether the focus is on a skinned window whose focus mark is on a control, which then takes
// the arrow keys.
bool FocusMarkShown();
