#include "MainWindowPainter.h"

#include "Canvas.h"
#include "DecorShapes.h"
#include "Glyphs.h"
#include "SampleStyle.h"
#include "SkinSurfaces.h"
#include "WindowLayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QRadialGradient>

#include <cmath>

namespace MainWindowPainter {
namespace {

using namespace SampleStyle;

constexpr int kBand = 60;
constexpr QPointF kMedallion{505, 410};

QPolygonF RingOf(const TSignLayout& sign)
{
    QPolygonF ring;
    // The last point closes the ring and is not part of the shape.
    for (size_t k = 0; k + 1 < sign.Shape.Ring.size(); ++k)
        ring << QPointF(sign.Shape.Ring[k]);
    return ring;
}

QPolygonF Shrunk(const QPolygonF& ring, double by)
{
    QPointF center;
    for (const QPointF& point : ring)
        center += point;
    center /= double(ring.size());
    QPolygonF inner;
    for (const QPointF& point : ring) {
        const QPointF away = point - center;
        const double length = std::hypot(away.x(), away.y());
        inner << center + away * ((length - by) / length);
    }
    return inner;
}

void PaintBand(QPainter& p)
{
    SkinSurfaces::PaintHeaderBand(p, WindowLayout::kMainWindow.width(), kBand, kWine.lighter(115));
    p.setFont(Serif(32));
    p.setPen(kGold.lighter(120));
    p.drawText(QRect(32, 4, 300, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Velmora"));
    p.setFont(Serif(12, false, true));
    p.setPen(kBlush);
    p.drawText(QRect(34, 38, 300, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("a catalogue of nail art"));
}

void PaintMedallion(QPainter& p)
{
    p.setPen(Qt::NoPen);
    DecorShapes::SoftBlob(p, kMedallion, 120, QColor(255, 255, 255, 200), Qt::white);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 1.5));
    p.drawEllipse(kMedallion, 92, 92);
    p.setPen(QPen(kGold, 0.8));
    p.drawEllipse(kMedallion, 86, 86);
    p.setFont(Serif(30));
    p.setPen(kWine);
    p.drawText(QRectF(kMedallion.x() - 90, kMedallion.y() - 36, 180, 40), Qt::AlignCenter,
               QStringLiteral("Velmora"));
    p.setFont(Serif(12, false, true));
    p.setPen(kMuted);
    p.drawText(QRectF(kMedallion.x() - 80, kMedallion.y() + 6, 160, 36),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("choose a way\nto browse the designs"));
}

void PaintFooter(QPainter& p)
{
    p.setFont(Serif(13, false, true));
    p.setPen(kMuted);
    p.drawText(QRect(212, 722, 600, 24), Qt::AlignCenter,
               QStringLiteral("Mira Tallis  \u00B7  Vesna Korlan  \u00B7  Ilna Dravec  \u00B7  "
                              "Tova Renquist"));
}

// A gold sprig with rose buds, the line art that fills the window's quiet corners.
void PaintSprig(QPainter& p, QPointF root, double angle, double length)
{
    p.save();
    p.translate(root);
    p.rotate(angle);
    QPainterPath stem;
    stem.moveTo(0, 0);
    stem.cubicTo(length * 0.3, -length * 0.12, length * 0.65, length * 0.1, length, -length * 0.05);
    p.setPen(QPen(WithAlpha(kGold, 150), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    for (int k = 1; k <= 6; ++k) {
        const double at = k / 7.0;
        const QPointF point = stem.pointAtPercent(at);
        const double side = k % 2 ? -1 : 1;
        p.save();
        p.translate(point);
        p.rotate(side * 50 - stem.angleAtPercent(at));
        QPainterPath leaf;
        const double size = length * (0.11 - at * 0.05);
        leaf.moveTo(0, 0);
        leaf.quadTo(size * 0.5, -size * 0.35, size, 0);
        leaf.quadTo(size * 0.5, size * 0.35, 0, 0);
        p.drawPath(leaf);
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(kRose, 120));
    for (double at : {0.45, 1.0}) {
        const QPointF point = stem.pointAtPercent(at);
        for (int k = 0; k < 5; ++k) {
            p.save();
            p.translate(point);
            p.rotate(k * 72);
            p.drawEllipse(QRectF(-2.5, -8, 5, 7));
            p.restore();
        }
    }
    p.restore();
}

void PaintCorners(QPainter& p)
{
    PaintSprig(p, QPointF(26, 290), -62, 220);
    PaintSprig(p, QPointF(1000, 560), 118, 190);
    PaintSprig(p, QPointF(20, 750), -20, 120);
}

void PaintShadows(QPainter& p)
{
    p.setPen(Qt::NoPen);
    for (const TSignLayout& sign : SkinLayout::Signs()) {
        for (int k = 1; k <= 4; ++k) {
            p.setBrush(QColor(0x6E, 0x2A, 0x35, 10));
            p.drawPolygon(RingOf(sign).translated(k * 0.8, k * 1.4));
        }
    }
}

struct TSignColours {
    QColor Light;
    QColor Deep;
    QColor Ink;
    QColor Halo; // lights or shades the middle of the card; transparent for none
};

// Hover and press change only the middle of a card, within kHaloRadius of its content: where a
// later sign's picture covers an earlier sign it repeats that sign at rest, and an unchanged
// rim keeps the two seamless.
constexpr double kHaloRadius = 56;

TSignColours ColoursOf(const TSignLayout& sign, size_t state)
{
    const QColor tint = QColor::fromRgb(sign.Tint);
    const QColor light = tint.lighter(108);
    const QColor deep = tint.darker(110);
    switch (state) {
    case 0: // disabled
        return {QColor(0xEC, 0xE8, 0xE6), QColor(0xD6, 0xD1, 0xCF), QColor(0xA8, 0xA0, 0xA0),
                Qt::transparent};
    case 2: // down
        return {light, deep, kWineDark, QColor(0x6E, 0x1A, 0x2B, 70)};
    case 3: // over
        return {light, deep, kRose.darker(125), QColor(255, 255, 255, 230)};
    case 4: // active
        return {kWine.lighter(125), kWine, kCream, Qt::transparent};
    default: // up
        return {light, deep, kWine, Qt::transparent};
    }
}

void PaintSign(QPainter& p, const TSignLayout& sign, size_t state)
{
    const QPolygonF ring = RingOf(sign);
    const TSignColours colours = ColoursOf(sign, state);
    const QRectF box = ring.boundingRect();
    QPainterPath shape;
    shape.addPolygon(ring);
    shape.closeSubpath();

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(box.topLeft(), box.bottomRight());
    fill.setColorAt(0, colours.Light);
    fill.setColorAt(1, colours.Deep);
    p.fillPath(shape, fill);
    p.setClipPath(shape);
    p.strokePath(shape, QPen(state == 0 ? colours.Deep : kGold, 3));
    QPainterPath inner;
    inner.addPolygon(Shrunk(ring, 9));
    inner.closeSubpath();
    p.strokePath(inner, QPen(QColor(255, 255, 255, 160), 1.2));

    const QPointF center = QPointF(sign.Center) + (state == 2 ? QPointF(1, 1) : QPointF());
    p.translate(center);
    p.rotate(sign.Angle);
    if (colours.Halo.alpha() > 0) {
        p.setPen(Qt::NoPen);
        DecorShapes::SoftBlob(p, QPointF(0, -6), kHaloRadius, colours.Halo, colours.Halo);
    }
    Glyphs::Draw(p, sign.Glyph, QRectF(-18, -40, 36, 36), colours.Ink);
    p.setFont(Serif(18));
    p.setPen(colours.Ink);
    p.drawText(QRectF(-80, 0, 160, 26), Qt::AlignCenter,
               QString::fromUtf8(sign.Label.data(), qsizetype(sign.Label.size())));
    p.restore();
}

} // namespace

QImage PaintBackground()
{
    QImage image = Canvas::Blank(WindowLayout::kMainWindow);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient wash(kMedallion, 700);
    wash.setColorAt(0, QColor(0xFD, 0xF7, 0xF3));
    wash.setColorAt(0.6, kBlush.lighter(104));
    wash.setColorAt(1, QColor(0xE2, 0xBF, 0xC2));
    p.fillRect(Canvas::RectOf(image), wash);
    // A faint woven texture of tiny diamonds.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    for (int y = kBand + 8; y < Canvas::RectOf(image).height(); y += 16)
        for (int x = (y / 16) % 2 * 8; x < Canvas::RectOf(image).width(); x += 16)
            p.drawEllipse(QPointF(x, y), 1.1, 1.1);
    PaintBand(p);
    PaintCorners(p);
    PaintMedallion(p);
    PaintFooter(p);
    PaintShadows(p);
    return image;
}

TSignScene::TSignScene(QImage background) : scene_(std::move(background)) {}

QImage TSignScene::Picture(const TSignLayout& sign, size_t state) const
{
    const QRect bounds = SkinLayout::BoundsOf(sign);
    QImage picture = Canvas::Part(scene_, bounds);
    QPainter p(&picture);
    p.translate(-bounds.topLeft());
    PaintSign(p, sign, state);
    return picture;
}

void TSignScene::Settle(const TSignLayout& sign)
{
    QPainter p(&scene_);
    PaintSign(p, sign, 1);
}

} // namespace MainWindowPainter
