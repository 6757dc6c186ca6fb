#include "uScrollEx.h"

#include "RoundHalfEven.h"
#include "SkinWindow.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr TScrollGeometry kStandardGeometry{
    .ArrowLeft = 0,
    .ThumbWidth = 12,
    .ThumbHeight = 45,
    .ThumbStartTop = 0,
    .DragBand = 12,
    .ThumbEnd = 12,
};
constexpr TScrollGeometry kCompactGeometry{
    .ArrowLeft = -1,
    .ThumbWidth = 10,
    .ThumbHeight = 31,
    .ThumbStartTop = 12,
    .DragBand = 10,
    .ThumbEnd = 11,
};

constexpr int kArrowSize = 12;
// A position p puts the thumb's top at p / Max of the travel below this offset from the bar's
// top; the clamp then keeps the standard thumb clear of the up arrow.
constexpr int kPositionOrigin = 11;

enum ButtonIndex { kUpArrow = 0, kDownArrow = 1, kThumb = 2 };

} // namespace

TScrollExBase::TScrollExBase(TSkinWindow& owner, const TSkin& skin, std::string_view section,
                             const TScrollGeometry& geometry)
    : owner_(owner), geometry_(geometry), group_(owner, skin), section_(section)
{
    const TScrollSection& read = skin.Scroll(section);
    for (const std::string& name : {read.ButtonUp, read.ButtonDown, read.Thumb})
        group_.AddButton(name, ButtonKind::Push);
    bounds_ = read.Bounds;
    track_ = read.Track;
    travel_ = bounds_.Height - 2 * kArrowSize - geometry_.ThumbHeight;
    dragThumb_ = {bounds_.Left, bounds_.Top};
    PlaceButtons();
}

void TScrollExBase::PlaceButtons()
{
    const TBounds& bar = bounds_;
    const int arrowLeft = bar.Left + geometry_.ArrowLeft;
    std::span<TButtonEx> buttons = group_.Buttons();
    buttons[kUpArrow].SetBounds(arrowLeft, bar.Top, kArrowSize, kArrowSize);
    buttons[kDownArrow].SetBounds(arrowLeft, bar.Top + bar.Height - bar.Width, kArrowSize,
                                  kArrowSize);
    buttons[kThumb].SetBounds(bar.Left, bar.Top + geometry_.ThumbStartTop, geometry_.ThumbWidth,
                              geometry_.ThumbHeight);
}

TButtonEx& TScrollExBase::Thumb()
{
    return group_.Buttons()[kThumb];
}

const TButtonEx& TScrollExBase::Thumb() const
{
    return group_.Buttons()[kThumb];
}

void TScrollExBase::SetMax(int n)
{
    max_ = n;
    visible_ = n > 0;
    group_.SetEnabled(visible_);
}

void TScrollExBase::SetPosition(int p)
{
    // The range divides; without one there is nothing to show.
    if (max_ <= 0)
        return;
    position_ = p;
    const double top = double(p) / max_ * travel_ + bounds_.Top + kPositionOrigin;
    MoveThumb(ClampedThumbTop(RoundHalfEven(top)));
}

bool TScrollExBase::Contains(QPoint point) const
{
    return PointInRect(
        point,
        {bounds_.Left, bounds_.Top, bounds_.Left + bounds_.Width, bounds_.Top + bounds_.Height},
        true);
}

ScrollArea TScrollExBase::AreaAt(QPoint point) const
{
    if (!Contains(point))
        return ScrollArea::None;
    const std::span<const TButtonEx> buttons = group_.Buttons();
    if (buttons[kUpArrow].HitTest(point))
        return ScrollArea::UpArrow;
    if (buttons[kDownArrow].HitTest(point))
        return ScrollArea::DownArrow;
    if (Thumb().HitTest(point))
        return ScrollArea::None;
    const TBounds thumb = Thumb().GetBounds();
    const int centre = RoundHalfEven(thumb.Top + thumb.Height / 2.0);
    if (point.y() < centre)
        return ScrollArea::TrackAbove;
    if (point.y() > centre)
        return ScrollArea::TrackBelow;
    return ScrollArea::None;
}

void TScrollExBase::MouseDown(QPoint point)
{
    group_.MouseDown(point);
    // A hidden bar's thumb ignores the mouse, as its group does.
    if (!group_.IsEnabled() || !Thumb().HitTest(point))
        return;
    dragging_ = true;
    const TBounds thumb = Thumb().GetBounds();
    dragThumb_ = {thumb.Left, thumb.Top};
    dragMouse_ = owner_.ClientToScreen(point);
}

void TScrollExBase::MouseMove(QPoint point)
{
    if (dragging_ && ThumbInDragBand()) {
        const int screenY = owner_.ClientToScreen(point).y();
        const int top = ClampedThumbTop(dragThumb_.y() + (screenY - dragMouse_.y()));
        MoveThumb(top);
        position_ = RoundHalfEven(double(top - bounds_.Top - geometry_.ThumbEnd) / travel_ * max_);
    }
    group_.MouseMove(point);
}

void TScrollExBase::MouseUp(QPoint point)
{
    dragging_ = false;
    group_.MouseUp(point);
}

bool TScrollExBase::ThumbInDragBand() const
{
    const int top = Thumb().GetBounds().Top;
    const int band = geometry_.DragBand;
    return bounds_.Top + band <= top &&
           top <= bounds_.Top + bounds_.Height - band - geometry_.ThumbHeight;
}

int TScrollExBase::ClampedThumbTop(int top) const
{
    const int highest = bounds_.Top + geometry_.ThumbEnd;
    const int lowest = bounds_.Top + bounds_.Height - geometry_.ThumbEnd - geometry_.ThumbHeight;
    // The highest place first, so a bar too short for its thumb leaves it at the lowest.
    return std::min(std::max(top, highest), lowest);
}

void TScrollExBase::MoveThumb(int top)
{
    const TBounds thumb = Thumb().GetBounds();
    Thumb().SetBounds(thumb.Left, top, thumb.Width, thumb.Height);
}

void TScrollExBase::DrawBar(QPainter& canvas) const
{
    if (!visible_)
        return;
    canvas.drawImage(bounds_.Left, bounds_.Top, track_.Pixels());
    group_.Draw(canvas);
}

TScrollEx::TScrollEx(TSkinWindow& owner, const TSkin& skin, std::string_view section)
    : TScrollExBase(owner, skin, section, kStandardGeometry)
{
}

TScrollEx1::TScrollEx1(TSkinWindow& owner, const TSkin& skin, std::string_view section)
    : TScrollExBase(owner, skin, section, kCompactGeometry)
{
}
