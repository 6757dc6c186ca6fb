#include "NailDecor.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <functional>

namespace NailDecor {
namespace {

constexpr double kPi = 3.14159265358979323846;

QColor WithAlpha(QColor color, int alpha)
{
    color.setAlpha(alpha);
    return color;
}

// A point on the nail by fractions: x from -0.5 (left) to 0.5, y from 0 (base) to 1 (tip).
QPointF At(const TNailCanvas& nail, double x, double y)
{
    return {x * nail.Width, -y * nail.Length};
}

QPointF RandomPoint(TNailCanvas& nail, double fromY, double toY)
{
    return At(nail, nail.Random.Between(-0.5, 0.5), nail.Random.Between(fromY, toY));
}

void FillBase(TNailCanvas& nail, const QColor& from, const QColor& to)
{
    QLinearGradient gradient(At(nail, 0, 0), At(nail, 0, 1));
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    nail.Painter.fillRect(QRectF(At(nail, -0.6, 1.05), At(nail, 0.6, -0.1)), gradient);
}

void FillPlain(TNailCanvas& nail, const QColor& color)
{
    FillBase(nail, color.lighter(104), color.darker(106));
}

QPainterPath StarPath(QPointF center, double outer, double inner, int points, double turn)
{
    QPainterPath path;
    for (int k = 0; k < points * 2; ++k) {
        const double radius = k % 2 == 0 ? outer : inner;
        const double angle = turn + k * kPi / points - kPi / 2;
        const QPointF point(center.x() + radius * std::cos(angle),
                            center.y() + radius * std::sin(angle));
        if (k == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

void Flower(QPainter& p, QPointF center, double radius, const QColor& petal, const QColor& heart,
            int petals, double turn)
{
    p.save();
    p.translate(center);
    p.rotate(turn);
    for (int layer = 0; layer < 2; ++layer) {
        const double r = radius * (layer == 0 ? 1.0 : 0.62);
        const QColor shade = layer == 0 ? petal : petal.lighter(118);
        for (int k = 0; k < petals; ++k) {
            p.save();
            p.rotate(360.0 * k / petals + layer * 180.0 / petals);
            QRadialGradient gradient(QPointF(0, -r * 0.2), r * 0.9);
            gradient.setColorAt(0, shade.lighter(125));
            gradient.setColorAt(1, shade.darker(112));
            p.setBrush(gradient);
            p.setPen(QPen(shade.darker(135), std::max(0.6, r * 0.03)));
            p.drawEllipse(QRectF(-r * 0.34, -r * 1.0, r * 0.68, r * 0.9));
            p.restore();
        }
    }
    QRadialGradient middle(QPointF(-radius * 0.05, -radius * 0.05), radius * 0.22);
    middle.setColorAt(0, heart.lighter(140));
    middle.setColorAt(1, heart.darker(115));
    p.setBrush(middle);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(0, 0), radius * 0.2, radius * 0.2);
    p.restore();
}

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

// ---- flowers -------------------------------------------------------------------------

void BigFlower(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    FillPlain(nail, pal.At(0));
    QPainter& p = nail.Painter;
    if (nail.Accent) {
        const double r = nail.Width * 0.42;
        Leaf(p, At(nail, 0.05, 0.42), r * 1.2, 140, LeafColor(pal));
        Leaf(p, At(nail, -0.05, 0.48), r * 1.1, -120, LeafColor(pal));
        Flower(p, At(nail, 0.02, 0.55), r, pal.At(1), pal.At(2), 6, 10);
        return;
    }
    const double r = nail.Width * 0.2;
    const QPointF corner = At(nail, nail.Random.Between(-0.3, 0.3), nail.Random.Between(0.7, 0.85));
    Leaf(p, corner + QPointF(0, r * 0.6), r * 1.3, 160, LeafColor(pal));
    Flower(p, corner, r, pal.At(1), pal.At(2), 5, nail.Random.Between(0, 60));
}

void SmallFlowers(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    FillPlain(nail, pal.At(0));
    const int count = nail.Accent ? 4 : 2;
    for (int k = 0; k < count; ++k) {
        const double r = nail.Width * nail.Random.Between(0.13, 0.2);
        Flower(nail.Painter, RandomPoint(nail, 0.25 + 0.6 * k / count, 0.3 + 0.6 * k / count), r,
               pal.At(1), pal.At(2), 5, nail.Random.Between(0, 72));
    }
}

void Branch(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    FillBase(nail, pal.At(0).lighter(112), pal.At(0).darker(104));
    QPainter& p = nail.Painter;
    QPainterPath stem;
    stem.moveTo(At(nail, -0.55, 0.1));
    stem.cubicTo(At(nail, 0.1, 0.3), At(nail, -0.2, 0.7), At(nail, 0.35, 1.0));
    const QColor stemColor = pal.Colors.size() > 2 ? pal.At(2) : LeafColor(pal);
    p.setPen(QPen(stemColor.darker(110), nail.Width * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    for (int k = 1; k <= 5; ++k) {
        const QPointF point = stem.pointAtPercent(k / 6.0);
        Flower(p, point + QPointF(nail.Width * (k % 2 ? 0.1 : -0.1), 0), nail.Width * 0.12,
               pal.At(1), pal.Metal(), 5, k * 23.0);
    }
}

// ---- patterns ------------------------------------------------------------------------

void Dots(TNailCanvas& nail)
{
    FillPlain(nail, nail.Palette.At(0));
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
    FillPlain(nail, nail.Palette.At(0));
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
    p.drawEllipse(At(nail, 0.15, 0.2), nail.Width * 0.08, nail.Width * 0.08);
}

void Check(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    FillPlain(nail, pal.At(0));
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
    FillPlain(nail, nail.Palette.At(1));
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
    FillBase(nail, pal.At(0).lighter(108), pal.At(0));
    QPainter& p = nail.Painter;
    QPainterPath tip;
    tip.moveTo(At(nail, -0.6, 0.62));
    tip.quadTo(At(nail, 0, 0.88), At(nail, 0.6, 0.62));
    tip.lineTo(At(nail, 0.6, 1.1));
    tip.lineTo(At(nail, -0.6, 1.1));
    tip.closeSubpath();
    p.fillPath(tip, pal.At(1));
    QPainterPath smile;
    smile.moveTo(At(nail, -0.6, 0.62));
    smile.quadTo(At(nail, 0, 0.88), At(nail, 0.6, 0.62));
    p.setPen(QPen(pal.Metal(), std::max(1.0, nail.Width * 0.035)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(smile);
}

void Moon(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    FillPlain(nail, pal.At(0));
    QPainter& p = nail.Painter;
    QLinearGradient metal(At(nail, -0.5, 0), At(nail, 0.5, 0.3));
    metal.setColorAt(0, pal.At(1).darker(115));
    metal.setColorAt(0.5, pal.At(1).lighter(130));
    metal.setColorAt(1, pal.At(1).darker(120));
    p.setBrush(metal);
    p.setPen(Qt::NoPen);
    p.drawEllipse(At(nail, 0, 0.02), nail.Width * 0.42, nail.Length * 0.26);
}

void Lace(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    FillBase(nail, pal.At(0), pal.At(0).lighter(106));
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
    FillPlain(nail, pal.At(0));
    QPainter& p = nail.Painter;
    const QColor metal = pal.Metal();
    if (nail.Accent) {
        const QPointF center = At(nail, 0, 0.5);
        p.setPen(Qt::NoPen);
        for (int ring = 3; ring >= 1; --ring) {
            const double radius = nail.Width * 0.13 * ring;
            const int count = 6 * ring;
            for (int k = 0; k < count; ++k) {
                const double angle = 2 * kPi * k / count;
                p.setBrush(ring % 2 ? metal : pal.At(2));
                p.drawEllipse(center + QPointF(radius * std::cos(angle), radius * std::sin(angle)),
                              nail.Width * 0.035 * (4 - ring) / 2 + 0.8,
                              nail.Width * 0.035 * (4 - ring) / 2 + 0.8);
            }
        }
        Flower(p, center, nail.Width * 0.12, pal.At(1), metal, 8, 0);
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
        p.drawEllipse(At(nail, -0.36 + k * 0.12, 0.75), nail.Width * 0.03, nail.Width * 0.03);
}

void Stars(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    FillBase(nail, pal.At(0).darker(140), pal.At(0).lighter(110));
    QPainter& p = nail.Painter;
    p.setPen(Qt::NoPen);
    const int count = nail.Accent ? 7 : 4;
    for (int k = 0; k < count; ++k) {
        const double r =
            nail.Width * (k == 0 && nail.Accent ? 0.22 : nail.Random.Between(0.05, 0.12));
        p.setBrush(k % 2 ? pal.At(2) : pal.At(1));
        p.drawPath(
            StarPath(k == 0 && nail.Accent ? At(nail, 0, 0.55) : RandomPoint(nail, 0.1, 0.95), r,
                     r * 0.42, 5, nail.Random.Between(0, 1)));
    }
}

void Leopard(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    FillBase(nail, pal.At(0).lighter(115), pal.At(0));
    QPainter& p = nail.Painter;
    for (int k = 0; k < 9; ++k) {
        const QPointF center = RandomPoint(nail, -0.05, 1.05);
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
    FillPlain(nail, pal.At(0));
    QPainter& p = nail.Painter;
    const double side = nail.Random.Unit() < 0.5 ? -1 : 1;
    QPolygonF first{At(nail, -0.6 * side, 0), At(nail, 0.6 * side, 0.55),
                    At(nail, -0.6 * side, 1.1)};
    QPolygonF second{At(nail, 0.6 * side, 0.55), At(nail, 0.6 * side, 1.1),
                     At(nail, -0.1 * side, 1.1)};
    p.setPen(Qt::NoPen);
    p.setBrush(pal.At(1));
    p.drawPolygon(first);
    p.setBrush(pal.At(2));
    p.drawPolygon(second);
    p.setPen(QPen(pal.Metal(), std::max(0.8, nail.Width * 0.025)));
    p.drawLine(At(nail, -0.6 * side, 0), At(nail, 0.6 * side, 0.55));
    p.drawLine(At(nail, 0.6 * side, 0.55), At(nail, -0.6 * side, 1.1));
}

void Knit(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    FillPlain(nail, pal.At(0));
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
    p.drawLine(At(nail, 0, 0), At(nail, 0, 1.1));
}

// ---- abstraction ---------------------------------------------------------------------

void Marble(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    FillBase(nail, pal.At(0), pal.At(0).darker(103));
    QPainter& p = nail.Painter;
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 4; ++k) {
        QPainterPath vein;
        vein.moveTo(At(nail, nail.Random.Between(-0.6, 0.6), -0.05));
        vein.cubicTo(RandomPoint(nail, 0.2, 0.5), RandomPoint(nail, 0.4, 0.8),
                     At(nail, nail.Random.Between(-0.6, 0.6), 1.05));
        const bool gold = k == 0;
        p.setPen(QPen(WithAlpha(gold ? pal.Metal() : pal.At(1), gold ? 230 : 120),
                      nail.Width * (gold ? 0.025 : nail.Random.Between(0.01, 0.04))));
        p.drawPath(vein);
    }
}

void Splash(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    FillPlain(nail, pal.At(0));
    QPainter& p = nail.Painter;
    p.setPen(Qt::NoPen);
    const int count = nail.Accent ? 9 : 6;
    for (int k = 0; k < count; ++k) {
        const QColor color = pal.At(1 + k % std::max<size_t>(1, pal.Colors.size() - 1));
        const QPointF center = RandomPoint(nail, 0, 1);
        const double r = nail.Width * nail.Random.Between(0.05, 0.16);
        p.setBrush(color);
        p.drawEllipse(center, r, r * nail.Random.Between(0.7, 1.1));
        for (int s = 0; s < 4; ++s) {
            const double angle = nail.Random.Between(0, 2 * kPi);
            const double distance = r * nail.Random.Between(1.3, 2.2);
            p.drawEllipse(center + QPointF(distance * std::cos(angle), distance * std::sin(angle)),
                          r * 0.18, r * 0.18);
        }
    }
}

void Ombre(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    QLinearGradient gradient(At(nail, 0, 0), At(nail, 0, 1));
    gradient.setColorAt(0, pal.At(0));
    gradient.setColorAt(1, pal.At(1));
    nail.Painter.fillRect(QRectF(At(nail, -0.6, 1.05), At(nail, 0.6, -0.1)), gradient);
}

// A round patch of colour fading from its centre to nothing at its rim.
void SoftBlob(QPainter& p, QPointF center, double r, const QColor& color, const QColor& heart)
{
    QRadialGradient blob(center, r);
    blob.setColorAt(0, heart);
    blob.setColorAt(1, WithAlpha(color, 0));
    p.setBrush(blob);
    p.drawEllipse(center, r, r);
}

void Watercolor(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    FillPlain(nail, pal.At(0).lighter(115));
    QPainter& p = nail.Painter;
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 5; ++k) {
        const QPointF center = RandomPoint(nail, 0, 1);
        const double r = nail.Width * nail.Random.Between(0.3, 0.55);
        SoftBlob(p, center, r, pal.At(1 + k), WithAlpha(pal.At(1 + k), 190));
    }
}

void Galaxy(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    FillPlain(nail, QColor(0x14, 0x10, 0x22));
    QPainter& p = nail.Painter;
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 4; ++k) {
        const QPointF center = RandomPoint(nail, 0.1, 0.9);
        const double r = nail.Width * nail.Random.Between(0.35, 0.6);
        SoftBlob(p, center, r, pal.At(k % 2), WithAlpha(pal.At(k % 2).lighter(130), 200));
    }
    p.setBrush(QColor(255, 255, 255, 220));
    for (int k = 0; k < 18; ++k)
        p.drawEllipse(RandomPoint(nail, 0, 1), nail.Width * 0.012 + 0.4, nail.Width * 0.012 + 0.4);
}

void Waves(TNailCanvas& nail)
{
    const auto& pal = nail.Palette;
    FillBase(nail, pal.At(1), pal.At(0));
    QPainter& p = nail.Painter;
    for (int band = 0; band < 4; ++band) {
        QPainterPath wave;
        const double y0 = nail.Length * (0.15 + band * 0.22);
        wave.moveTo(-nail.Width, -y0);
        for (int k = 0; k <= 8; ++k) {
            const double x = -nail.Width + k * nail.Width / 4;
            wave.lineTo(x, -y0 - std::sin(k * kPi / 2 + band) * nail.Width * 0.08);
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
    FillBase(nail, pal.At(0).lighter(110), pal.At(0));
    QPainter& p = nail.Painter;
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 4; ++k) {
        const double x = -0.45 + k * 0.3;
        const double height = nail.Random.Between(0.5, 0.95);
        QPainterPath flame;
        flame.moveTo(At(nail, x - 0.2, -0.05));
        flame.cubicTo(At(nail, x - 0.25, height * 0.5), At(nail, x + 0.15, height * 0.6),
                      At(nail, x + 0.05, height));
        flame.cubicTo(At(nail, x + 0.3, height * 0.55), At(nail, x + 0.25, 0.2),
                      At(nail, x + 0.2, -0.05));
        flame.closeSubpath();
        QLinearGradient fire(At(nail, 0, 0), At(nail, 0, height));
        fire.setColorAt(0, pal.At(1));
        fire.setColorAt(1, pal.At(2).lighter(120));
        p.setBrush(fire);
        p.drawPath(flame);
    }
}

using TDesignPainter = void (*)(TNailCanvas&);

// Indexed by TDesign.
constexpr std::array<TDesignPainter, 22> kDesignPainters = {
    BigFlower, SmallFlowers, Branch,     Dots,   Stripes, Check,    Zigzag, French,
    Moon,      Lace,         Ornament,   Stars,  Leopard, Geometry, Knit,   Marble,
    Splash,    Ombre,        Watercolor, Galaxy, Waves,   Flames,
};
static_assert(size_t(TDesign::Flames) + 1 == kDesignPainters.size());

// ---- materials -----------------------------------------------------------------------

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
        p.drawRect(QRectF(At(nail, nail.Random.Between(-0.55, 0.55), y), QSizeF(size, size)));
    }
}

void Sequins(TNailCanvas& nail)
{
    QPainter& p = nail.Painter;
    const int count = nail.Accent ? 10 : 5;
    for (int k = 0; k < count; ++k) {
        const QPointF center = RandomPoint(nail, 0.05, 0.95);
        const double r = nail.Width * nail.Random.Between(0.035, 0.06) + 0.8;
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(nail.Palette.Metal().lighter(110), 235));
        p.drawPath(StarPath(center, r, r * 0.75, 6, 0));
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawPath(StarPath(center, r * 0.9, r * 0.15, 4, 0));
    }
}

void Shimmer(TNailCanvas& nail)
{
    QPainter& p = nail.Painter;
    QLinearGradient sheen(At(nail, -0.5, 0.2), At(nail, 0.5, 0.9));
    sheen.setColorAt(0, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.5, QColor(255, 250, 245, 70));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(At(nail, -0.6, 1.05), At(nail, 0.6, -0.1)), sheen);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    const int count = int(nail.Width * nail.Length / 30);
    for (int k = 0; k < count; ++k)
        p.drawEllipse(RandomPoint(nail, 0, 1), 0.5, 0.5);
}

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
        const double angle = k * kPi / 4;
        p.drawLine(center, center + QPointF(r * 0.7 * std::cos(angle), r * 0.7 * std::sin(angle)));
    }
}

void Rhinestones(TNailCanvas& nail)
{
    const QColor tint = nail.Palette.Gold ? QColor(0xE8, 0xC8, 0x80) : QColor(0xD8, 0xE4, 0xF2);
    QPainter& p = nail.Painter;
    if (!nail.Accent) {
        Rhinestone(p, At(nail, 0, 0.14), nail.Width * 0.09, tint);
        return;
    }
    const double r = nail.Width * 0.085;
    for (int k = -2; k <= 2; ++k)
        Rhinestone(p, At(nail, k * 0.19, 0.14 + std::abs(k) * 0.04), r * (k == 0 ? 1.3 : 1.0),
                   tint);
}

void Foil(TNailCanvas& nail)
{
    QPainter& p = nail.Painter;
    const QColor metal = nail.Palette.Metal();
    p.setPen(Qt::NoPen);
    for (int k = 0; k < (nail.Accent ? 4 : 3); ++k) {
        const QPointF center = RandomPoint(nail, 0.55, 1.0);
        QPolygonF flake;
        const int corners = 5 + nail.Random.Below(3);
        for (int c = 0; c < corners; ++c) {
            const double angle = 2 * kPi * c / corners;
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

void Beads(TNailCanvas& nail)
{
    QPainter& p = nail.Painter;
    const QColor metal = nail.Palette.Metal();
    const double r = nail.Width * 0.03 + 0.6;
    p.setPen(Qt::NoPen);
    for (double x = -0.42; x <= 0.42; x += 0.07) {
        const QPointF center = At(nail, x, 0.1 + 0.25 * x * x);
        QRadialGradient bead(center - QPointF(r * 0.35, r * 0.35), r * 1.3);
        bead.setColorAt(0, QColor(255, 255, 255));
        bead.setColorAt(0.4, metal);
        bead.setColorAt(1, metal.darker(160));
        p.setBrush(bead);
        p.drawEllipse(center, r, r);
    }
}

void Sand(TNailCanvas& nail)
{
    QPainter& p = nail.Painter;
    p.setPen(Qt::NoPen);
    const int count = int(nail.Width * nail.Length / 6);
    for (int k = 0; k < count; ++k) {
        const int shade = nail.Random.Unit() < 0.5 ? 0 : 255;
        p.setBrush(QColor(shade, shade, shade, 34));
        p.drawEllipse(RandomPoint(nail, 0, 1), 0.7, 0.7);
    }
}

void Thread(TNailCanvas& nail)
{
    QPainter& p = nail.Painter;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(nail.Palette.Metal(), std::max(0.7, nail.Width * 0.018)));
    for (int k = 0; k < 2; ++k) {
        QPainterPath line;
        line.moveTo(At(nail, -0.6, nail.Random.Between(0.1, 0.9)));
        line.quadTo(RandomPoint(nail, 0.2, 0.8), At(nail, 0.6, nail.Random.Between(0.1, 0.9)));
        p.drawPath(line);
    }
}

void AcrylicBow(TNailCanvas& nail)
{
    if (!nail.Accent)
        return;
    QPainter& p = nail.Painter;
    const QPointF center = At(nail, -0.2, 0.2);
    const double r = nail.Width * 0.11;
    p.setPen(QPen(QColor(0, 0, 0, 50), std::max(0.5, r * 0.08)));
    for (int k = 0; k < 5; ++k) {
        const double angle = 2 * kPi * k / 5;
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

struct TMaterialEffect {
    std::string_view Word; // as the materials filter spells it
    TDesignPainter Paint;
};

// Painted in this order, so stones and beads sit on top of glitter and foil.
constexpr std::array<TMaterialEffect, 9> kMaterialEffects = {{
    {"песок", Sand},
    {"пыльца", Shimmer},
    {"глиттер", Glitter},
    {"фольга", Foil},
    {"нить", Thread},
    {"блестки", Sequins},
    {"акрил", AcrylicBow},
    {"бульонки", Beads},
    {"страз", Rhinestones},
}};

} // namespace

void PaintDesign(TNailCanvas& nail, TDesign design)
{
    nail.Painter.save();
    nail.Painter.setRenderHint(QPainter::Antialiasing);
    kDesignPainters[size_t(design)](nail);
    nail.Painter.restore();
}

void PaintMaterials(TNailCanvas& nail, std::string_view materialsUtf8)
{
    for (const TMaterialEffect& effect : kMaterialEffects) {
        if (materialsUtf8.find(effect.Word) == std::string_view::npos)
            continue;
        nail.Painter.save();
        effect.Paint(nail);
        nail.Painter.restore();
    }
}

} // namespace NailDecor
