#include "PatternDesigns.h"

#include "DecorShapes.h"
#include "SampleStyle.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace PatternDesigns {
using SampleStyle::WithAlpha;

void Dots(TNailCanvas& nail)
{
    nail.FillPlain(nail.Palette.At(0));
    QPainter& p = nail.Painter;
    p.setPen(Qt::NoPen);
    p.setBrush(nail.Palette.At(1));
    const double step = nail.Width * 0.26;
    int row = 0;
    for (double y = 0; y < nail.Length + step; y += step * 0.87, ++row) {
        for (double x = -nail.Width; x < nail.Width; x += step)
            p.drawEllipse(QPointF(x + (row % 2) * step / 2, -y), step * 0.2, step * 0.2);
    }
}

void Stripes(TNailCanvas& nail)
{
    nail.FillPlain(nail.Palette.At(0));
    QPainter& p = nail.Painter;
    const double step = nail.Length / 7;
    if (nail.Accent) {
        p.setPen(QPen(nail.Palette.At(1), nail.Width * 0.04));
        for (double x = -nail.Width; x < nail.Width; x += nail.Width * 0.16)
            p.drawLine(QPointF(x, 0), QPointF(x + nail.Width * 0.25, -nail.Length));
        return;
    }
    for (int k = 0; k < 8; k += 2)
        p.fillRect(QRectF(-nail.Width, -(k + 1) * step, nail.Width * 2, step * 0.8),
                   nail.Palette.At(1));
    p.setPen(Qt::NoPen);
    p.setBrush(nail.Palette.At(2));
    p.drawEllipse(nail.Point(0.15, 0.2), nail.Width * 0.08, nail.Width * 0.08);
}

void Check(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    nail.FillPlain(pal.At(0));
    QPainter& p = nail.Painter;
    const double cell = nail.Width / 4;
    if (pal.Colors.size() == 2) {
        for (int row = 0; row * cell < nail.Length + cell; ++row)
            for (int col = -3; col < 3; ++col)
                if ((row + col) % 2 == 0)
                    p.fillRect(QRectF(col * cell, -(row + 1) * cell, cell, cell), pal.At(1));
        return;
    }
    const QColor band = WithAlpha(pal.At(1), 150);
    for (double y = cell; y < nail.Length + cell; y += cell * 2.2)
        p.fillRect(QRectF(-nail.Width, -y, nail.Width * 2, cell * 0.9), band);
    for (double x = -nail.Width; x < nail.Width; x += cell * 2.2)
        p.fillRect(QRectF(x, -nail.Length * 1.1, cell * 0.9, nail.Length * 1.2), band);
    p.setPen(QPen(pal.At(2), std::max(0.7, nail.Width * 0.02)));
    for (double y = cell * 0.5; y < nail.Length; y += cell * 1.1)
        p.drawLine(QPointF(-nail.Width, -y), QPointF(nail.Width, -y));
}

void Zigzag(TNailCanvas& nail)
{
    nail.FillPlain(nail.Palette.At(1));
    QPainter& p = nail.Painter;
    const double step = nail.Width / 4;
    for (int band = 0; band < 6; band += 2) {
        QPainterPath path;
        const double y0 = nail.Length * band / 5.0;
        path.moveTo(-nail.Width, -y0);
        for (int k = 0; k <= 8; ++k)
            path.lineTo(-nail.Width + k * step, -y0 - (k % 2 ? step : 0));
        for (int k = 8; k >= 0; --k)
            path.lineTo(-nail.Width + k * step, -y0 - step * 0.9 - (k % 2 ? step : 0));
        path.closeSubpath();
        p.fillPath(path, nail.Palette.At(0));
    }
}

void French(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    nail.FillBase(pal.At(0).lighter(108), pal.At(0));
    QPainter& p = nail.Painter;
    QPainterPath tip;
    tip.moveTo(nail.Point(-0.6, 0.62));
    tip.quadTo(nail.Point(0, 0.88), nail.Point(0.6, 0.62));
    tip.lineTo(nail.Point(0.6, 1.1));
    tip.lineTo(nail.Point(-0.6, 1.1));
    tip.closeSubpath();
    p.fillPath(tip, pal.At(1));
    QPainterPath smile;
    smile.moveTo(nail.Point(-0.6, 0.62));
    smile.quadTo(nail.Point(0, 0.88), nail.Point(0.6, 0.62));
    p.setPen(QPen(pal.Metal(), std::max(1.0, nail.Width * 0.035)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(smile);
}

void Moon(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    nail.FillPlain(pal.At(0));
    QPainter& p = nail.Painter;
    QLinearGradient metal(nail.Point(-0.5, 0), nail.Point(0.5, 0.3));
    metal.setColorAt(0, pal.At(1).darker(115));
    metal.setColorAt(0.5, pal.At(1).lighter(130));
    metal.setColorAt(1, pal.At(1).darker(120));
    p.setBrush(metal);
    p.setPen(Qt::NoPen);
    p.drawEllipse(nail.Point(0, 0.02), nail.Width * 0.42, nail.Length * 0.26);
}

void Lace(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    nail.FillBase(pal.At(0), pal.At(0).lighter(106));
    QPainter& p = nail.Painter;
    const QColor thread = pal.At(1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WithAlpha(thread, 150), std::max(0.5, nail.Width * 0.012)));
    const double step = nail.Width * 0.16;
    for (double x = -nail.Width; x < nail.Width * 2; x += step) {
        p.drawLine(QPointF(x, 0), QPointF(x - nail.Length, -nail.Length));
        p.drawLine(QPointF(x - nail.Width, 0), QPointF(x - nail.Width + nail.Length, -nail.Length));
    }
    const double scallopY = nail.Length * (nail.Accent ? 0.55 : 0.8);
    p.setPen(QPen(thread, std::max(1.0, nail.Width * 0.03)));
    p.setBrush(WithAlpha(thread, 230));
    const double r = nail.Width * 0.12;
    for (double x = -nail.Width * 0.6; x <= nail.Width * 0.6; x += r * 2) {
        p.drawChord(QRectF(x - r, -scallopY - r, r * 2, r * 2), 0, 180 * 16);
        p.drawEllipse(QPointF(x, -scallopY - r * 1.5), r * 0.25, r * 0.25);
    }
    p.fillRect(QRectF(-nail.Width, -scallopY, nail.Width * 2, -nail.Length),
               WithAlpha(thread, 235));
}

void Ornament(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    nail.FillPlain(pal.At(0));
    QPainter& p = nail.Painter;
    const QColor metal = pal.Metal();
    if (nail.Accent) {
        const QPointF center = nail.Point(0, 0.5);
        p.setPen(Qt::NoPen);
        for (int ring = 3; ring >= 1; --ring) {
            const double radius = nail.Width * 0.13 * ring;
            const int count = 6 * ring;
            for (int k = 0; k < count; ++k) {
                const double angle = 2 * std::numbers::pi * k / count;
                p.setBrush(ring % 2 ? metal : pal.At(2));
                p.drawEllipse(center + QPointF(radius * std::cos(angle), radius * std::sin(angle)),
                              nail.Width * 0.035 * (4 - ring) / 2 + 0.8,
                              nail.Width * 0.035 * (4 - ring) / 2 + 0.8);
            }
        }
        DecorShapes::Flower(p, center, nail.Width * 0.12, pal.At(1), metal, 8, 0);
        return;
    }
    p.setBrush(Qt::NoBrush);
    for (int arch = 0; arch < 3; ++arch) {
        p.setPen(QPen(arch % 2 ? pal.At(2) : metal, std::max(0.8, nail.Width * 0.03)));
        const double r = nail.Width * (0.25 + arch * 0.12);
        p.drawArc(QRectF(-r, -r * 1.2, r * 2, r * 2.4), 0, 180 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    for (int k = 0; k < 7; ++k)
        p.drawEllipse(nail.Point(-0.36 + k * 0.12, 0.75), nail.Width * 0.03, nail.Width * 0.03);
}

void Stars(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    nail.FillBase(pal.At(0).darker(140), pal.At(0).lighter(110));
    QPainter& p = nail.Painter;
    p.setPen(Qt::NoPen);
    const int count = nail.Accent ? 7 : 4;
    for (int k = 0; k < count; ++k) {
        const double r =
            nail.Width * (k == 0 && nail.Accent ? 0.22 : nail.Random.Between(0.05, 0.12));
        const double turn = nail.Random.Between(0, 1);
        const QPointF center =
            k == 0 && nail.Accent ? nail.Point(0, 0.55) : nail.RandomPoint(0.1, 0.95);
        p.setBrush(k % 2 ? pal.At(2) : pal.At(1));
        p.drawPath(DecorShapes::StarPath(center, r, r * 0.42, 5, turn));
    }
}

void Leopard(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    nail.FillBase(pal.At(0).lighter(115), pal.At(0));
    QPainter& p = nail.Painter;
    for (int k = 0; k < 9; ++k) {
        const QPointF center = nail.RandomPoint(-0.05, 1.05);
        const double r = nail.Width * nail.Random.Between(0.08, 0.13);
        p.setPen(Qt::NoPen);
        p.setBrush(pal.At(1));
        p.drawEllipse(center, r * 0.8, r * 0.65);
        p.setPen(QPen(pal.At(2), r * 0.35, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const int start = nail.Random.Below(360);
        p.drawArc(QRectF(center.x() - r, center.y() - r * 0.85, r * 2, r * 1.7), start * 16,
                  110 * 16);
        p.drawArc(QRectF(center.x() - r, center.y() - r * 0.85, r * 2, r * 1.7), (start + 170) * 16,
                  120 * 16);
    }
}

void Geometry(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    nail.FillPlain(pal.At(0));
    QPainter& p = nail.Painter;
    const double side = nail.Random.Unit() < 0.5 ? -1 : 1;
    QPolygonF first{nail.Point(-0.6 * side, 0), nail.Point(0.6 * side, 0.55),
                    nail.Point(-0.6 * side, 1.1)};
    QPolygonF second{nail.Point(0.6 * side, 0.55), nail.Point(0.6 * side, 1.1),
                     nail.Point(-0.1 * side, 1.1)};
    p.setPen(Qt::NoPen);
    p.setBrush(pal.At(1));
    p.drawPolygon(first);
    p.setBrush(pal.At(2));
    p.drawPolygon(second);
    p.setPen(QPen(pal.Metal(), std::max(0.8, nail.Width * 0.025)));
    p.drawLine(nail.Point(-0.6 * side, 0), nail.Point(0.6 * side, 0.55));
    p.drawLine(nail.Point(0.6 * side, 0.55), nail.Point(-0.6 * side, 1.1));
}

void Knit(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    nail.FillPlain(pal.At(0));
    QPainter& p = nail.Painter;
    const double step = nail.Width * 0.16;
    for (double x : {-0.25, 0.25}) {
        for (double y = 0; y < nail.Length; y += step) {
            for (double side : {-1.0, 1.0}) {
                QRectF loop(x * nail.Width + side * step * 0.45 - step * 0.35, -y - step,
                            step * 0.7, step * 1.1);
                p.setPen(QPen(pal.At(0).darker(125), std::max(0.6, nail.Width * 0.015)));
                p.setBrush(pal.At(0).lighter(110));
                p.save();
                p.translate(loop.center());
                p.rotate(side * 25);
                p.translate(-loop.center());
                p.drawEllipse(loop);
                p.restore();
            }
        }
    }
    p.setPen(QPen(pal.At(1).darker(115), std::max(0.6, nail.Width * 0.02)));
    p.drawLine(nail.Point(0, 0), nail.Point(0, 1.1));
}

} // namespace PatternDesigns
