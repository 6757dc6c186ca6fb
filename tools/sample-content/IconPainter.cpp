#include "IconPainter.h"

#include "SampleStyle.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace IconPainter {
namespace {

// Shapes are laid out on a 100-unit square and scaled to the size.
constexpr qreal kUnits = 100.0;
constexpr QRectF kTile(2, 2, 96, 96);
constexpr qreal kTileCorner = 22.0;

void PaintTile(QPainter& painter)
{
    QLinearGradient wine(0, 0, 0, kUnits);
    wine.setColorAt(0, SampleStyle::kWine);
    wine.setColorAt(1, SampleStyle::kWineDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(wine);
    painter.drawRoundedRect(kTile, kTileCorner, kTileCorner);
    painter.setPen(QPen(SampleStyle::kGold, 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(7, 7, 86, 86), kTileCorner - 5, kTileCorner - 5);
}

// An almond nail, its tip up, on the end of a finger that comes in from the tile's edge.
void PaintNail(QPainter& painter)
{
    QPainterPath tile;
    tile.addRoundedRect(kTile, kTileCorner, kTileCorner);
    painter.setClipPath(tile);
    painter.setPen(Qt::NoPen);
    painter.setBrush(SampleStyle::kSand);
    painter.drawRoundedRect(QRectF(30, 40, 40, 62), 18, 18);

    QPainterPath nail;
    nail.moveTo(36, 78);
    nail.cubicTo(33, 55, 38, 30, 50, 18);
    nail.cubicTo(62, 30, 67, 55, 64, 78);
    nail.cubicTo(58, 84, 42, 84, 36, 78);
    QRadialGradient lacquer(QPointF(46, 40), 40);
    lacquer.setColorAt(0, SampleStyle::kBlush);
    lacquer.setColorAt(0.45, SampleStyle::kRose);
    lacquer.setColorAt(1, SampleStyle::kWine);
    painter.setBrush(lacquer);
    painter.drawPath(nail);

    painter.setBrush(SampleStyle::WithAlpha(Qt::white, 150));
    painter.drawEllipse(QRectF(42, 32, 5, 22));
    painter.setBrush(SampleStyle::kGold);
    painter.drawEllipse(QPointF(55, 62), 3.5, 3.5);
}

} // namespace

QImage Paint(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kUnits, size / kUnits);
    PaintTile(painter);
    PaintNail(painter);
    return icon;
}

QString WriteTheme(const QString& folder)
{
    QString failures;
    for (const int size : kSizes) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
        const QString file = dir + QStringLiteral("/velmora.png");
        if (!QDir().mkpath(dir) || !Paint(size).save(file, "PNG"))
            failures += file + u'\n';
    }
    return failures;
}

} // namespace IconPainter
