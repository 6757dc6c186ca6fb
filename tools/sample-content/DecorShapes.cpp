#include "DecorShapes.h"

#include "SampleStyle.h"

#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace DecorShapes {

QPainterPath StarPath(QPointF center, double outer, double inner, int points, double turn)
{
    QPainterPath path;
    for (int k = 0; k < points * 2; ++k) {
        const double radius = k % 2 == 0 ? outer : inner;
        const double angle = turn + k * std::numbers::pi / points - std::numbers::pi / 2;
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

void SoftBlob(QPainter& p, QPointF center, double radius, const QColor& heart, const QColor& rim)
{
    QRadialGradient blob(center, radius);
    blob.setColorAt(0, heart);
    blob.setColorAt(1, SampleStyle::WithAlpha(rim, 0));
    p.setBrush(blob);
    p.drawEllipse(center, radius, radius);
}

} // namespace DecorShapes
