#include "FloralDesigns.h"

#include "DecorShapes.h"

#include <QPainterPath>

#include <algorithm>

namespace FloralDesigns {
namespace {

void Leaf(QPainter& p, QPointF base, double length, double angle, const QColor& color)
{
    p.save();
    p.translate(base);
    p.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(length * 0.35, -length * 0.5, 0, -length);
    leaf.quadTo(-length * 0.35, -length * 0.5, 0, 0);
    p.setBrush(color);
    p.setPen(QPen(color.darker(130), std::max(0.5, length * 0.03)));
    p.drawPath(leaf);
    p.restore();
}

QColor LeafColor(const TDesignPalette& palette)
{
    for (const QColor& color : palette.Colors) {
        if (color.hslHue() >= 80 && color.hslHue() <= 160 && color.hslSaturation() > 60)
            return color;
    }
    return QColor(0x6F, 0x9E, 0x74);
}

} // namespace

void BigFlower(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    nail.FillPlain(pal.At(0));
    QPainter& p = nail.Painter;
    if (nail.Accent) {
        const double r = nail.Width * 0.42;
        Leaf(p, nail.Point(0.05, 0.42), r * 1.2, 140, LeafColor(pal));
        Leaf(p, nail.Point(-0.05, 0.48), r * 1.1, -120, LeafColor(pal));
        DecorShapes::Flower(p, nail.Point(0.02, 0.55), r, pal.At(1), pal.At(2), 6, 10);
        return;
    }
    const double r = nail.Width * 0.2;
    const QPointF corner = nail.RandomPoint(0.7, 0.85, 0.3);
    Leaf(p, corner + QPointF(0, r * 0.6), r * 1.3, 160, LeafColor(pal));
    DecorShapes::Flower(p, corner, r, pal.At(1), pal.At(2), 5, nail.Random.Between(0, 60));
}

void SmallFlowers(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    nail.FillPlain(pal.At(0));
    const int count = nail.Accent ? 4 : 2;
    for (int k = 0; k < count; ++k) {
        const double r = nail.Width * nail.Random.Between(0.13, 0.2);
        const double turn = nail.Random.Between(0, 72);
        const QPointF center = nail.RandomPoint(0.25 + 0.6 * k / count, 0.3 + 0.6 * k / count);
        DecorShapes::Flower(nail.Painter, center, r, pal.At(1), pal.At(2), 5, turn);
    }
}

void Branch(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    nail.FillBase(pal.At(0).lighter(112), pal.At(0).darker(104));
    QPainter& p = nail.Painter;
    QPainterPath stem;
    stem.moveTo(nail.Point(-0.55, 0.1));
    stem.cubicTo(nail.Point(0.1, 0.3), nail.Point(-0.2, 0.7), nail.Point(0.35, 1.0));
    const QColor stemColor = pal.Colors.size() > 2 ? pal.At(2) : LeafColor(pal);
    p.setPen(QPen(stemColor.darker(110), nail.Width * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    for (int k = 1; k <= 5; ++k) {
        const QPointF point = stem.pointAtPercent(k / 6.0);
        DecorShapes::Flower(p, point + QPointF(nail.Width * (k % 2 ? 0.1 : -0.1), 0),
                            nail.Width * 0.12, pal.At(1), pal.Metal(), 5, k * 23.0);
    }
}

} // namespace FloralDesigns
