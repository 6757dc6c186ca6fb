#pragma once

#include "SkinPicture.h"
#include "SkinSection.h"
#include "uMainMenu.h"

#include <QPoint>
#include <QString>

#include <string>
#include <string_view>

class QPainter;
class TSkinWindow;

// Where the mouse is over a scroll bar; the window turns these into page steps.
enum class ScrollArea : int {
    None = 0, // outside the bar, or on the thumb
    UpArrow = 1,
    DownArrow = -1,
    TrackAbove = 2, // the track above the thumb
    TrackBelow = -2,
};

// The measures that tell the two bars apart, in pixels from the bar's edges.
struct TScrollGeometry {
    int ArrowLeft; // both arrows' left edge, from the bar's left
    int ThumbWidth;
    int ThumbHeight;
    int ThumbStartTop; // the thumb's top at creation, from the bar's top
    int DragBand;      // a drag moves the thumb only while its top is this far inside either end
    int ThumbEnd;      // a moved thumb stays this far from either end; there it stands for 0
};

// A vertical scroll bar drawn from skin pictures: a track, two arrows and a thumb, held in one
// button group. It knows nothing of the page: it keeps a range and a position, and the window
// reads the area under a press and the position while the thumb is dragged.
class TScrollExBase {
public:
    // Shows the bar and lets its buttons take the mouse, or hides and stops them for n <= 0.
    void SetMax(int n);
    // Moves the thumb to match p. Does nothing while the range is 0 or less.
    void SetPosition(int p);
    int GetPosition() const { return position_; }
    bool IsDragging() const { return dragging_; }
    bool IsVisible() const { return visible_; }
    // The drawing flag only; the buttons keep taking the mouse.
    void SetVisible(bool visible) { visible_ = visible; }

    // Whether point lies in the bar, its right and bottom edges included.
    bool Contains(QPoint point) const;
    ScrollArea AreaAt(QPoint point) const;

    // Points in the owner's client pixels; any mouse button acts the same.
    void MouseMove(QPoint point);
    void MouseDown(QPoint point);
    void MouseUp(QPoint point);

    // Index 0 the up arrow, 1 the down arrow, 2 the thumb.
    const TMainMenuEx& Group() const { return group_; }
    TBounds GetBounds() const { return bounds_; }
    int GetMax() const { return max_; }
    // The scrolls.ini section it was read from.
    const std::string& GetSection() const { return section_; }

protected:
    // A "scrolls.ini" section of skin, which outlives the bar.
    TScrollExBase(TSkinWindow& owner, const TSkin& skin, std::string_view section,
                  const TScrollGeometry& geometry);
    ~TScrollExBase() = default;

    void DrawBar(QPainter& canvas) const;

private:
    TButtonEx& Thumb();
    const TButtonEx& Thumb() const;
    void PlaceButtons();
    bool ThumbInDragBand() const;
    int ClampedThumbTop(int top) const;
    void MoveThumb(int top);

    TSkinWindow& owner_;
    const TScrollGeometry geometry_;
    TMainMenuEx group_;
    std::string section_;
    TBounds bounds_;
    TSkinPicture track_;
    int travel_;
    int max_ = 0;
    int position_ = 0;
    bool visible_ = true;
    bool dragging_ = false;
    QPoint dragThumb_;         // the thumb's top-left at the press, client pixels
    QPoint dragMouse_{-1, -1}; // the mouse at the press, screen pixels
};

// The standard bar of every browser window.
class TScrollEx : public TScrollExBase {
public:
    TScrollEx(TSkinWindow& owner, const TSkin& skin, std::string_view section);

    // Track, then up arrow, down arrow and thumb; nothing while hidden.
    void Draw(QPainter& canvas) const { DrawBar(canvas); }
};

// The compact bar beside the search history; it is never drawn.
class TScrollEx1 : public TScrollExBase {
public:
    TScrollEx1(TSkinWindow& owner, const TSkin& skin, std::string_view section);
};
