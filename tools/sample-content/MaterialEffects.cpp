#include "MaterialEffects.h"

#include "DecorShapes.h"
#include "SampleStyle.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace MaterialEffects {
using SampleStyle::WithAlpha;

namespace {

void Rhinestone(QPainter& p, QPointF center, double r, const QColor& tint)
{
    p.setPen(QPen(QColor(0, 0, 0, 60), std::max(0.5, r * 0.12)));
    QRadialGradient stone(center - QPointF(r * 0.3, r * 0.3), r * 1.2);
    stone.setColorAt(0, QColor(255, 255, 255));
    stone.setColorAt(0.45, tint.lighter(140));
    stone.setColorAt(1, tint.darker(140));
    p.setBrush(stone);
    p.drawEllipse(center, r, r);
    p.setPen(QPen(QColor(255, 255, 255, 170), std::max(0.4, r * 0.08)));
    for (int k = 0; k < 4; ++k) {
        const double angle = k * std::numbers::pi / 4;
        p.drawLine(center, center + QPointF(r * 0.7 * std::cos(angle), r * 0.7 * std::sin(angle)));
    }
}

} // namespace

void Sand(TNailCanvas& nail)
{
    QPainter& p = nail.Painter;
    p.setPen(Qt::NoPen);
    const int count = int(nail.Width * nail.Length / 6);
    for (int k = 0; k < count; ++k) {
        const int shade = nail.Random.Unit() < 0.5 ? 0 : 255;
        p.setBrush(QColor(shade, shade, shade, 34));
        p.drawEllipse(nail.RandomPoint(0, 1), 0.7, 0.7);
    }
}

void Shimmer(TNailCanvas& nail)
{
    QPainter& p = nail.Painter;
    QLinearGradient sheen(nail.Point(-0.5, 0.2), nail.Point(0.5, 0.9));
    sheen.setColorAt(0, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.5, QColor(255, 250, 245, 70));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(nail.FillArea(), sheen);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    const int count = int(nail.Width * nail.Length / 30);
    for (int k = 0; k < count; ++k)
        p.drawEllipse(nail.RandomPoint(0, 1), 0.5, 0.5);
}

void Glitter(TNailCanvas& nail)
{
    QPainter& p = nail.Painter;
    p.setPen(Qt::NoPen);
    const QColor metal = nail.Palette.Metal();
    const int count = int(nail.Width * nail.Length / 14);
    for (int k = 0; k < count; ++k) {
        // Dense at the cuticle, thinning out towards the middle.
        const double y = std::pow(nail.Random.Unit(), 2.2) * 0.6;
        const QColor grain = nail.Random.Unit() < 0.3 ? QColor(255, 255, 255) : metal;
        p.setBrush(WithAlpha(grain, int(nail.Random.Between(150, 255))));
        const double size = nail.Random.Between(0.4, 1.1) + nail.Width * 0.006;
        p.drawRect(QRectF(nail.Point(nail.Random.Between(-0.55, 0.55), y), QSizeF(size, size)));
    }
}

void Foil(TNailCanvas& nail)
{
    QPainter& p = nail.Painter;
    const QColor metal = nail.Palette.Metal();
    p.setPen(Qt::NoPen);
    for (int k = 0; k < (nail.Accent ? 4 : 3); ++k) {
        const QPointF center = nail.RandomPoint(0.55, 1.0);
        QPolygonF flake;
        const int corners = 5 + nail.Random.Below(3);
        for (int c = 0; c < corners; ++c) {
            const double angle = 2 * std::numbers::pi * c / corners;
            const double radius = nail.Width * nail.Random.Between(0.06, 0.16);
            flake << center + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        }
        QLinearGradient shine(flake.boundingRect().topLeft(), flake.boundingRect().bottomRight());
        shine.setColorAt(0, metal.darker(115));
        shine.setColorAt(0.5, metal.lighter(135));
        shine.setColorAt(1, metal.darker(125));
        p.setBrush(shine);
        p.drawPolygon(flake);
    }
}

void Thread(TNailCanvas& nail)
{
    QPainter& p = nail.Painter;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(nail.Palette.Metal(), std::max(0.7, nail.Width * 0.018)));
    for (int k = 0; k < 2; ++k) {
        QPainterPath line;
        line.moveTo(nail.Point(-0.6, nail.Random.Between(0.1, 0.9)));
        const QPointF end = nail.Point(0.6, nail.Random.Between(0.1, 0.9));
        line.quadTo(nail.RandomPoint(0.2, 0.8), end);
        p.drawPath(line);
    }
}

void Sequins(TNailCanvas& nail)
{
    QPainter& p = nail.Painter;
    const int count = nail.Accent ? 10 : 5;
    for (int k = 0; k < count; ++k) {
        const QPointF center = nail.RandomPoint(0.05, 0.95);
        const double r = nail.Width * nail.Random.Between(0.035, 0.06) + 0.8;
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(nail.Palette.Metal().lighter(110), 235));
        p.drawPath(DecorShapes::StarPath(center, r, r * 0.75, 6, 0));
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawPath(DecorShapes::StarPath(center, r * 0.9, r * 0.15, 4, 0));
    }
}

void AcrylicBow(TNailCanvas& nail)
{
    if (!nail.Accent)
        return;
    QPainter& p = nail.Painter;
    const QPointF center = nail.Point(-0.2, 0.2);
    const double r = nail.Width * 0.11;
    p.setPen(QPen(QColor(0, 0, 0, 50), std::max(0.5, r * 0.08)));
    for (int k = 0; k < 5; ++k) {
        const double angle = 2 * std::numbers::pi * k / 5;
        QRadialGradient petal(center + QPointF(r * std::cos(angle), r * std::sin(angle)), r * 0.8);
        petal.setColorAt(0, QColor(255, 255, 255));
        petal.setColorAt(1, QColor(0xEE, 0xE6, 0xE2));
        p.setBrush(petal);
        p.drawEllipse(center + QPointF(r * 0.8 * std::cos(angle), r * 0.8 * std::sin(angle)),
                      r * 0.55, r * 0.55);
    }
    p.setBrush(nail.Palette.Metal());
    p.drawEllipse(center, r * 0.3, r * 0.3);
}

void Beads(TNailCanvas& nail)
{
    QPainter& p = nail.Painter;
    const QColor metal = nail.Palette.Metal();
    const double r = nail.Width * 0.03 + 0.6;
    p.setPen(Qt::NoPen);
    for (double x = -0.42; x <= 0.42; x += 0.07) {
        const QPointF center = nail.Point(x, 0.1 + 0.25 * x * x);
        QRadialGradient bead(center - QPointF(r * 0.35, r * 0.35), r * 1.3);
        bead.setColorAt(0, QColor(255, 255, 255));
        bead.setColorAt(0.4, metal);
        bead.setColorAt(1, metal.darker(160));
        p.setBrush(bead);
        p.drawEllipse(center, r, r);
    }
}

void Rhinestones(TNailCanvas& nail)
{
    const QColor tint = nail.Palette.Gold ? QColor(0xE8, 0xC8, 0x80) : QColor(0xD8, 0xE4, 0xF2);
    QPainter& p = nail.Painter;
    if (!nail.Accent) {
        Rhinestone(p, nail.Point(0, 0.14), nail.Width * 0.09, tint);
        return;
    }
    const double r = nail.Width * 0.085;
    for (int k = -2; k <= 2; ++k)
        Rhinestone(p, nail.Point(k * 0.19, 0.14 + std::abs(k) * 0.04), r * (k == 0 ? 1.3 : 1.0),
                   tint);
}

} // namespace MaterialEffects
