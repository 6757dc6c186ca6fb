#include "NailCanvas.h"

#include <QLinearGradient>

QPointF TNailCanvas::RandomPoint(double fromY, double toY, double halfWidth)
{
    // The height is drawn first; the pictures have always been made in that order.
    const double y = Random.Between(fromY, toY);
    const double x = Random.Between(-halfWidth, halfWidth);
    return Point(x, y);
}

void TNailCanvas::FillBase(const QColor& base, const QColor& tip)
{
    QLinearGradient gradient(Point(0, 0), Point(0, 1));
    gradient.setColorAt(0, base);
    gradient.setColorAt(1, tip);
    Painter.fillRect(FillArea(), gradient);
}

void TNailCanvas::FillPlain(const QColor& color)
{
    FillBase(color.lighter(104), color.darker(106));
}
