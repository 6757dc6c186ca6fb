#include "ButtonPainter.h"

#include "Canvas.h"
#include "Glyphs.h"
#include "SampleStyle.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace ButtonPainter {
namespace {

using namespace SampleStyle;

enum TState : size_t { kDisabled, kUp, kDown, kOver, kActive };

struct TFace {
    QColor Top;
    QColor Bottom;
    QColor Border;
    QColor Ink;
};

// Faces on light surfaces.
TFace LightFace(size_t state)
{
    switch (state) {
    case kDisabled:
        return {QColor(0xF1, 0xEE, 0xED), QColor(0xE6, 0xE2, 0xE1), QColor(0xD4, 0xCE, 0xCD),
                QColor(0xB0, 0xA8, 0xA9)};
    case kDown:
        return {kRose.darker(115), kRose, kWine, QColor(255, 255, 255)};
    case kOver:
        return {QColor(255, 255, 255), kBlush.lighter(104), kGold, kWine};
    case kActive:
        return {kWine.lighter(125), kWine, kGold, QColor(255, 255, 255)};
    default:
        return {kCream, kBlush, kRose.lighter(120), kWine};
    }
}

// Faces on the dark header bands.
TFace DarkFace(size_t state)
{
    switch (state) {
    case kDisabled:
        return {kWine, kWine, kMuted, kMuted};
    case kDown:
        return {kWineDark.darker(130), kWineDark, kGold, kGold};
    case kOver:
        return {kRose, kRose.darker(120), kGold.lighter(120), QColor(255, 255, 255)};
    case kActive:
        return {kGold.lighter(115), kGold, kCream, kWineDark};
    default:
        return {QColor(255, 255, 255, 26), QColor(255, 255, 255, 10), kGold, kCream};
    }
}

bool OnDark(TLook look)
{
    return look == TLook::HeaderIcon || look == TLook::HeaderPill;
}

void PaintFace(QPainter& p, const QRectF& box, double radius, const TFace& face, bool pressed)
{
    const QRectF body = box.adjusted(0.5, 0.5, -0.5, -0.5).translated(0, pressed ? 1 : 0);
    if (!pressed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x4A, 0x0F, 0x1C, 28));
        p.drawRoundedRect(body.translated(0, 1), radius, radius);
    }
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, face.Top);
    fill.setColorAt(1, face.Bottom);
    p.setBrush(fill);
    p.setPen(QPen(face.Border, 1));
    p.drawRoundedRect(body.adjusted(0, 0, 0, pressed ? -1 : -1), radius, radius);
}

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// Glyph at the left, label after it; a lone glyph is centred.
void PaintContent(QPainter& p, const TButtonLayout& button, const QRectF& box, const QColor& ink,
                  int fontSize)
{
    const double glyphSide = std::min(box.height() - 8, 18.0);
    if (button.Label.empty()) {
        const double side = std::min(box.height(), box.width()) * 0.62;
        Glyphs::Draw(p, button.Glyph,
                     QRectF(box.center() - QPointF(side / 2, side / 2), QSizeF(side, side)), ink);
        return;
    }
    p.setFont(Sans(fontSize, button.Look != TLook::Toggle));
    const QString label = Text(button.Label);
    const double textWidth = p.fontMetrics().horizontalAdvance(label);
    const double glyphWidth = button.Glyph == TGlyph::None ? 0 : glyphSide + 5;
    const double left = box.center().x() - (textWidth + glyphWidth) / 2;
    if (glyphWidth > 0)
        Glyphs::Draw(p, button.Glyph,
                     QRectF(left, box.center().y() - glyphSide / 2, glyphSide, glyphSide), ink);
    p.setPen(ink);
    p.drawText(QRectF(left + glyphWidth, box.top(), textWidth + 2, box.height()),
               Qt::AlignLeft | Qt::AlignVCenter, label);
}

void PaintTab(QPainter& p, const TButtonLayout& button, const QRectF& box, size_t state)
{
    const TFace face = LightFace(state);
    PaintFace(p, box, 4, face, state == kDown);
    // A rose marker at the tab's left edge, gold while lit.
    p.setPen(Qt::NoPen);
    p.setBrush(state == kOver || state == kActive ? kGold : kRose);
    p.drawRoundedRect(QRectF(box.left() + 5, box.top() + 6, 3, box.height() - 12), 1.5, 1.5);
    p.setFont(Serif(14));
    p.setPen(face.Ink);
    p.drawText(box.adjusted(16, state == kDown ? 1 : 0, -6, 0), Qt::AlignLeft | Qt::AlignVCenter,
               Text(button.Label));
}

void PaintToggle(QPainter& p, const TButtonLayout& button, const QRectF& box, size_t state)
{
    const TFace face = LightFace(state);
    PaintFace(p, box, box.height() / 2, face, state == kDown);
    double left = box.left() + 8;
    const double mid = box.center().y() + (state == kDown ? 1 : 0);
    // The switch's lamp: hollow when off, filled with a tick when on.
    const double lamp = std::min(box.height() - 10, 12.0);
    if (button.Swatch != 0) {
        p.setPen(QPen(face.Border.darker(110), 1));
        p.setBrush(QColor::fromRgb(button.Swatch));
        p.drawEllipse(QPointF(left + lamp / 2, mid), lamp / 2, lamp / 2);
    } else {
        p.setPen(QPen(state == kActive ? kGold : kRose, 1.3));
        p.setBrush(state == kActive ? kGold : QColor(255, 255, 255, 160));
        p.drawEllipse(QPointF(left + lamp / 2, mid), lamp / 2 - 0.5, lamp / 2 - 0.5);
    }
    if (state == kActive)
        Glyphs::Draw(p, TGlyph::Yes, QRectF(left, mid - lamp / 2, lamp, lamp),
                     button.Swatch != 0 && qGray(button.Swatch) > 140 ? kWineDark
                                                                      : QColor(255, 255, 255));
    left += lamp + 5;
    // Half-width switches take the small type, so their longest words fit.
    p.setFont(Sans(box.width() < 100 ? 10 : 12));
    p.setPen(face.Ink);
    p.drawText(
        QRectF(left, box.top() + (state == kDown ? 1 : 0), box.right() - left - 4, box.height()),
        Qt::AlignLeft | Qt::AlignVCenter, Text(button.Label));
}

void PaintArrow(QPainter& p, const TButtonLayout& button, const QRectF& box, size_t state)
{
    const TFace face = LightFace(state);
    p.setPen(QPen(face.Border, 1));
    p.setBrush(state == kUp ? kRose.lighter(130) : face.Bottom);
    p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    Glyphs::Draw(p, button.Glyph, box.adjusted(1, 1, -1, -1), state == kUp ? kWine : face.Ink);
}

void PaintThumb(QPainter& p, const QRectF& box, size_t state)
{
    const TFace face = LightFace(state);
    QLinearGradient fill(box.topLeft(), box.topRight());
    const QColor base = state == kUp       ? kRose
                        : state == kOver   ? kRose.lighter(115)
                        : state == kDown   ? kWine.lighter(110)
                        : state == kActive ? kGold
                                           : face.Bottom;
    fill.setColorAt(0, base.lighter(112));
    fill.setColorAt(1, base.darker(108));
    p.setPen(QPen(state == kDisabled ? face.Border : kWine.lighter(130), 1));
    p.setBrush(fill);
    p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), box.width() / 2, box.width() / 2);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    for (int k = -1; k <= 1; ++k) {
        const double y = box.center().y() + k * 3;
        p.drawLine(QPointF(box.left() + 3, y), QPointF(box.right() - 3, y));
    }
}

} // namespace

QImage Paint(const TButtonLayout& button, size_t state, const QImage& underlay)
{
    QImage picture = underlay.convertToFormat(QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF box(Canvas::RectOf(picture));
    switch (button.Look) {
    case TLook::HeaderIcon: {
        const TFace face = DarkFace(state);
        PaintFace(p, box, box.height() / 2, face, state == kDown);
        PaintContent(p, button, box.translated(0, state == kDown ? 1 : 0), face.Ink, 13);
        break;
    }
    case TLook::HeaderPill:
    case TLook::Pill: {
        const TFace face = OnDark(button.Look) ? DarkFace(state) : LightFace(state);
        PaintFace(p, box, std::min(box.height() / 2, 8.0), face, state == kDown);
        PaintContent(p, button, box.translated(0, state == kDown ? 1 : 0), face.Ink,
                     box.height() >= 30 ? 14 : 12);
        break;
    }
    case TLook::Tab:
        PaintTab(p, button, box, state);
        break;
    case TLook::Toggle:
        PaintToggle(p, button, box, state);
        break;
    case TLook::Arrow:
        PaintArrow(p, button, box, state);
        break;
    case TLook::Thumb:
        PaintThumb(p, box, state);
        break;
    }
    return picture;
}

} // namespace ButtonPainter
