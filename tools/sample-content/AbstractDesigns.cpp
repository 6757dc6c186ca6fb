#include "AbstractDesigns.h"

#include "DecorShapes.h"
#include "SampleStyle.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace AbstractDesigns {
using SampleStyle::WithAlpha;

void Marble(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    nail.FillBase(pal.At(0), pal.At(0).darker(103));
    QPainter& p = nail.Painter;
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 4; ++k) {
        QPainterPath vein;
        vein.moveTo(nail.Point(nail.Random.Between(-0.6, 0.6), -0.05));
        // Drawn from the tip back, the order the veins have always been made in.
        const QPointF tip = nail.Point(nail.Random.Between(-0.6, 0.6), 1.05);
        const QPointF upper = nail.RandomPoint(0.4, 0.8);
        const QPointF lower = nail.RandomPoint(0.2, 0.5);
        vein.cubicTo(lower, upper, tip);
        const bool gold = k == 0;
        p.setPen(QPen(WithAlpha(gold ? pal.Metal() : pal.At(1), gold ? 230 : 120),
                      nail.Width * (gold ? 0.025 : nail.Random.Between(0.01, 0.04))));
        p.drawPath(vein);
    }
}

void Splash(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    nail.FillPlain(pal.At(0));
    QPainter& p = nail.Painter;
    p.setPen(Qt::NoPen);
    const size_t count = nail.Accent ? 9 : 6;
    for (size_t k = 0; k < count; ++k) {
        const QColor color = pal.At(1 + k % std::max<size_t>(1, pal.Colors.size() - 1));
        const QPointF center = nail.RandomPoint(0, 1);
        const double r = nail.Width * nail.Random.Between(0.05, 0.16);
        p.setBrush(color);
        p.drawEllipse(center, r, r * nail.Random.Between(0.7, 1.1));
        for (int s = 0; s < 4; ++s) {
            const double angle = nail.Random.Between(0, 2 * std::numbers::pi);
            const double distance = r * nail.Random.Between(1.3, 2.2);
            p.drawEllipse(center + QPointF(distance * std::cos(angle), distance * std::sin(angle)),
                          r * 0.18, r * 0.18);
        }
    }
}

void Ombre(TNailCanvas& nail)
{
    nail.FillBase(nail.Palette.At(0), nail.Palette.At(1));
}

void Watercolor(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    nail.FillPlain(pal.At(0).lighter(115));
    QPainter& p = nail.Painter;
    p.setPen(Qt::NoPen);
    for (size_t k = 0; k < 5; ++k) {
        const QPointF center = nail.RandomPoint(0, 1);
        const double r = nail.Width * nail.Random.Between(0.3, 0.55);
        DecorShapes::SoftBlob(p, center, r, WithAlpha(pal.At(1 + k), 190), pal.At(1 + k));
    }
}

void Galaxy(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    nail.FillPlain(QColor(0x14, 0x10, 0x22));
    QPainter& p = nail.Painter;
    p.setPen(Qt::NoPen);
    for (size_t k = 0; k < 4; ++k) {
        const QPointF center = nail.RandomPoint(0.1, 0.9);
        const double r = nail.Width * nail.Random.Between(0.35, 0.6);
        DecorShapes::SoftBlob(p, center, r, WithAlpha(pal.At(k % 2).lighter(130), 200),
                              pal.At(k % 2));
    }
    p.setBrush(QColor(255, 255, 255, 220));
    for (int k = 0; k < 18; ++k)
        p.drawEllipse(nail.RandomPoint(0, 1), nail.Width * 0.012 + 0.4, nail.Width * 0.012 + 0.4);
}

void Waves(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    nail.FillBase(pal.At(1), pal.At(0));
    QPainter& p = nail.Painter;
    for (int band = 0; band < 4; ++band) {
        QPainterPath wave;
        const double y0 = nail.Length * (0.15 + band * 0.22);
        wave.moveTo(-nail.Width, -y0);
        for (int k = 0; k <= 8; ++k) {
            const double x = -nail.Width + k * nail.Width / 4;
            wave.lineTo(x, -y0 - std::sin(k * std::numbers::pi / 2 + band) * nail.Width * 0.08);
        }
        wave.lineTo(nail.Width, 0);
        wave.lineTo(-nail.Width, 0);
        wave.closeSubpath();
        p.fillPath(wave, WithAlpha(band % 2 ? pal.At(0) : pal.At(1), 120));
        p.strokePath(wave, QPen(WithAlpha(pal.At(2), 200), std::max(0.8, nail.Width * 0.025)));
    }
}

void Flames(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    nail.FillBase(pal.At(0).lighter(110), pal.At(0));
    QPainter& p = nail.Painter;
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 4; ++k) {
        const double x = -0.45 + k * 0.3;
        const double height = nail.Random.Between(0.5, 0.95);
        QPainterPath flame;
        flame.moveTo(nail.Point(x - 0.2, -0.05));
        flame.cubicTo(nail.Point(x - 0.25, height * 0.5), nail.Point(x + 0.15, height * 0.6),
                      nail.Point(x + 0.05, height));
        flame.cubicTo(nail.Point(x + 0.3, height * 0.55), nail.Point(x + 0.25, 0.2),
                      nail.Point(x + 0.2, -0.05));
        flame.closeSubpath();
        QLinearGradient fire(nail.Point(0, 0), nail.Point(0, height));
        fire.setColorAt(0, pal.At(1));
        fire.setColorAt(1, pal.At(2).lighter(120));
        p.setBrush(fire);
        p.drawPath(flame);
    }
}

} // namespace AbstractDesigns
