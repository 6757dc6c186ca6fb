#include "uButton.h"

#include <QPainter>

namespace {

// The step of the search for a press point in a hit area that holds neither its box's middle
// nor its corners' middle.
constexpr int kPressSearchStep = 4;

} // namespace

TButtonEx::TButtonEx(ButtonState state, bool isOn, ButtonKind kind)
    : kind_(kind), state_(state), isOn_(isOn)
{
}

void TButtonEx::LoadFromSection(const TSkin& skin, std::string_view section)
{
    const TButtonSection& read = skin.Button(section);
    pictures_ = read.Pictures;
    title_ = read.Title;
    section_ = section;
    bounds_ = read.Bounds;
}

void TButtonEx::Draw(QPainter& canvas) const
{
    if (!visible_)
        return;
    const int index = int(state_);
    if (index < 0 || index >= kButtonStateCount || pictures_[index].IsNull())
        return;
    canvas.drawImage(bounds_.Left, bounds_.Top, pictures_[index].Pixels());
}

bool TButtonEx::HitTest(QPoint point) const
{
    if (polygon_)
        return PointInPolygon(*polygon_, point);
    const TRect rect{bounds_.Left, bounds_.Top, bounds_.Left + bounds_.Width,
                     bounds_.Top + bounds_.Height};
    return PointInRect(point, rect, true);
}

// The box's middle serves most buttons and the middle of its corners most polygons; anything
// else is found on a coarse grid over the box.
std::optional<QPoint> TButtonEx::PressPoint() const
{
    const QPoint middle(bounds_.Left + bounds_.Width / 2, bounds_.Top + bounds_.Height / 2);
    if (HitTest(middle))
        return middle;
    if (polygon_ && !polygon_->empty()) {
        QPoint sum;
        for (const QPoint corner : *polygon_)
            sum += corner;
        const QPoint corners = sum / qreal(polygon_->size());
        if (HitTest(corners))
            return corners;
    }
    for (int y = bounds_.Top; y < bounds_.Top + bounds_.Height; y += kPressSearchStep) {
        for (int x = bounds_.Left; x < bounds_.Left + bounds_.Width; x += kPressSearchStep) {
            if (HitTest({x, y}))
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

void TButtonEx::SetBounds(int left, int top, int width, int height)
{
    bounds_ = {left, top, width, height};
}

void TButtonEx::MouseEnter()
{
    if (Disabled() || state_ == ButtonState::Down)
        return;
    state_ = ButtonState::Over;
}

void TButtonEx::MouseLeave()
{
    if (Disabled())
        return;
    state_ = RestingState();
}

void TButtonEx::Press()
{
    if (Disabled())
        return;
    state_ = ButtonState::Down;
}

void TButtonEx::Click()
{
    if (Disabled())
        return;
    isOn_ = kind_ == ButtonKind::Toggle && !isOn_;
    state_ = RestingState();
}
