#include "NailPainter.h"

#include "DecorShapes.h"
#include "DesignPalette.h"
#include "NailDecor.h"
#include "SampleStyle.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace NailPainter {
namespace {

enum class TNailShape { Squoval, Almond, Stiletto };

TNailShape ShapeOf(std::string_view temper)
{
    if (temper == "агрессивный")
        return TNailShape::Stiletto;
    if (temper == "нежный")
        return TNailShape::Almond;
    return TNailShape::Squoval;
}

// Length over width of the nail plate.
double AspectOf(TNailShape shape)
{
    switch (shape) {
    case TNailShape::Stiletto:
        return 1.75;
    case TNailShape::Almond:
        return 1.5;
    case TNailShape::Squoval:
        break;
    }
    return 1.3;
}

// Origin at the middle of the cuticle, tip at (0, -length).
QPainterPath NailPath(TNailShape shape, double w, double l)
{
    const double h = w / 2;
    QPainterPath path;
    path.moveTo(-h, -l * 0.12);
    switch (shape) {
    case TNailShape::Squoval:
        path.lineTo(-h, -l + w * 0.28);
        path.quadTo(-h, -l, -h + w * 0.28, -l);
        path.lineTo(h - w * 0.28, -l);
        path.quadTo(h, -l, h, -l + w * 0.28);
        break;
    case TNailShape::Almond:
        path.cubicTo(-h, -l * 0.72, -w * 0.2, -l, 0, -l);
        path.cubicTo(w * 0.2, -l, h, -l * 0.72, h, -l * 0.12);
        path.lineTo(h, -l * 0.12);
        break;
    case TNailShape::Stiletto:
        path.cubicTo(-h, -l * 0.55, -w * 0.06, -l * 0.92, 0, -l);
        path.cubicTo(w * 0.06, -l * 0.92, h, -l * 0.55, h, -l * 0.12);
        break;
    }
    path.lineTo(h, -l * 0.12);
    path.cubicTo(h, w * 0.12, -h, w * 0.12, -h, -l * 0.12);
    path.closeSubpath();
    return path;
}

void PaintBackdrop(QPainter& p, QSize size, SeededRandom& random)
{
    QLinearGradient wash(0, 0, size.width(), size.height());
    wash.setColorAt(0, SampleStyle::kCream);
    wash.setColorAt(1, SampleStyle::kBlush);
    p.fillRect(QRect(QPoint(0, 0), size), wash);
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 5; ++k) {
        const double y = random.Between(0, size.height() * 0.6);
        const QPointF center(random.Between(0, size.width()), y);
        const double r = random.Between(0.08, 0.2) * size.width();
        DecorShapes::SoftBlob(p, center, r, QColor(255, 255, 255, 110), Qt::white);
    }
}

void PaintFinger(QPainter& p, double fingerWidth, double top, double bottom)
{
    const QRectF finger(-fingerWidth / 2, top, fingerWidth, bottom - top);
    // Soft shadow on the backdrop.
    p.setPen(Qt::NoPen);
    for (int k = 3; k >= 1; --k) {
        p.setBrush(QColor(0x6E, 0x3A, 0x3A, 14));
        p.drawRoundedRect(finger.adjusted(-k * 2.0, k * 1.5, k * 2.0 + 2, 0), fingerWidth / 2,
                          fingerWidth / 2);
    }
    QLinearGradient skin(finger.left(), 0, finger.right(), 0);
    skin.setColorAt(0, QColor(0xD8, 0xA0, 0x86));
    skin.setColorAt(0.35, QColor(0xF4, 0xD2, 0xBE));
    skin.setColorAt(0.7, QColor(0xEE, 0xC3, 0xAA));
    skin.setColorAt(1, QColor(0xCF, 0x95, 0x7C));
    p.setBrush(skin);
    p.drawRoundedRect(finger, fingerWidth / 2, fingerWidth / 2);
}

void PaintGloss(QPainter& p, double w, double l)
{
    QLinearGradient gloss(-w * 0.3, 0, -w * 0.05, 0);
    gloss.setColorAt(0, QColor(255, 255, 255, 0));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 150));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(QRectF(-w * 0.3, -l * 0.85, w * 0.22, l * 0.6), w * 0.1, w * 0.1);
    DecorShapes::SoftBlob(p, QPointF(w * 0.18, -l * 0.2), w * 0.15, QColor(255, 255, 255, 90),
                          Qt::white);
}

struct TFingerPlace {
    double Lift;  // how much higher than the lowest fingertip, in picture heights
    double Angle; // degrees
};

// Fingertips as a hand shows them, left to right: from two fingers up to four.
TFingerPlace PlaceOf(int index, int count)
{
    static constexpr std::array<std::array<TFingerPlace, 4>, 3> kPlaces = {{
        {{{0.04, -4}, {0.0, 5}}},
        {{{0.06, -6}, {0.0, 0}, {0.05, 6}}},
        {{{0.08, -7}, {0.0, -2}, {0.03, 3}, {0.14, 9}}},
    }};
    return kPlaces[size_t(std::clamp(count, 2, 4) - 2)][size_t(index)];
}

void PaintHand(QPainter& p, const TSampleWork& work, const TDesignPalette& palette, QSize size,
               int fingers, uint64_t seed)
{
    const TNailShape shape = ShapeOf(work.Temper);
    const double spacing = double(size.width()) / fingers;
    const double fingerWidth = spacing * 0.84;
    const double nailWidth = fingerWidth * 0.82;
    const double nailLength = std::min(nailWidth * AspectOf(shape), size.height() * 0.62);
    const int accent = fingers >= 3 ? fingers - 2 : 1;

    for (int i = 0; i < fingers; ++i) {
        const TFingerPlace place = PlaceOf(i, fingers);
        const double tipY = size.height() * (0.06 + place.Lift);
        const double baseY = tipY + nailLength;
        p.save();
        p.translate(spacing * (i + 0.5), baseY);
        p.rotate(place.Angle);
        PaintFinger(p, fingerWidth, -nailLength * 0.62, size.height() * 1.2);

        const QPainterPath nail = NailPath(shape, nailWidth, nailLength);
        p.setPen(QPen(QColor(0xB9, 0x7E, 0x6A), std::max(0.8, nailWidth * 0.03)));
        p.setBrush(Qt::NoBrush);
        p.drawPath(nail);
        p.setClipPath(nail);
        // Each nail gets its own stream, so the same nail looks alike at every size.
        SeededRandom random(seed + uint64_t(i) * 7919);
        TNailCanvas canvas{p, nailWidth, nailLength, i == accent, palette, random};
        NailDecor::PaintDesign(canvas, work.Design);
        NailDecor::PaintMaterials(canvas, work.Materials);
        PaintGloss(p, nailWidth, nailLength);
        p.setClipping(false);
        p.restore();
    }
}

// A card below the hand with a glossy drop of each lacquer used, as on a salon's colour chart.
void PaintSwatches(QPainter& p, const TDesignPalette& palette, const QRect& strip)
{
    QLinearGradient card(strip.topLeft(), strip.bottomLeft());
    card.setColorAt(0, SampleStyle::kCream);
    card.setColorAt(1, SampleStyle::kSand);
    p.fillRect(strip, card);
    p.fillRect(QRect(strip.left(), strip.top(), strip.width(), 1), SampleStyle::kGold);
    const double radius = std::min(strip.height() * 0.26, strip.width() / 10.0);
    const double step = strip.width() / double(palette.Colors.size() + 1);
    for (size_t k = 0; k < palette.Colors.size(); ++k) {
        const QPointF center(strip.left() + step * double(k + 1), strip.center().y());
        const QColor& color = palette.Colors[k];
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x6E, 0x3A, 0x3A, 40));
        p.drawEllipse(center + QPointF(1, 2), radius, radius);
        QRadialGradient drop(center - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
        drop.setColorAt(0, color.lighter(135));
        drop.setColorAt(0.5, color);
        drop.setColorAt(1, color.darker(125));
        p.setBrush(drop);
        p.setPen(QPen(color.darker(140), 0.8));
        p.drawEllipse(center, radius, radius);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawEllipse(center - QPointF(radius * 0.35, radius * 0.4), radius * 0.22, radius * 0.14);
    }
}

} // namespace

QImage Paint(const TSampleWork& work, const TPictureLayout& layout, uint64_t seed)
{
    QImage image(layout.Size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    SeededRandom backdropRandom(seed ^ 0xBACC);
    PaintBackdrop(p, layout.Size, backdropRandom);

    const TDesignPalette palette = DesignPalette::FromColorText(work.Color);
    const int stripHeight = layout.Swatches ? layout.Size.height() / 5 : 0;
    const QSize hand(layout.Size.width(), layout.Size.height() - stripHeight);
    p.save();
    p.setClipRect(QRect(QPoint(0, 0), hand));
    PaintHand(p, work, palette, hand, layout.Fingers, seed);
    p.restore();
    if (layout.Swatches)
        PaintSwatches(p, palette, QRect(0, hand.height(), hand.width(), stripHeight));
    return image;
}

} // namespace NailPainter
