#include "uFunctions.h"

bool PointInRect(QPoint point, const TRect& rect, bool inclusive)
{
    if (inclusive)
        return rect.Left <= point.x() && point.x() <= rect.Right && rect.Top <= point.y() &&
               point.y() <= rect.Bottom;
    return rect.Left < point.x() && point.x() < rect.Right && rect.Top < point.y() &&
           point.y() < rect.Bottom;
}

bool PointInPolygon(const TPointArray& points, QPoint point)
{
    const size_t count = points.size();
    if (count < 4)
        return false;
    const size_t ringSize = count - 1;
    bool inside = false;
    for (size_t k = 0; k < ringSize; ++k) {
        const QPoint a = points[k];
        const QPoint b = points[(k + 1) % ringSize];
        const bool crossed =
            (a.y() <= point.y() && point.y() < b.y()) || (b.y() <= point.y() && point.y() < a.y());
        if (!crossed)
            continue;
        const double t = double(point.y() - a.y()) / double(b.y() - a.y());
        const double xc = a.x() + double(b.x() - a.x()) * t;
        if (point.x() < xc)
            inside = !inside;
    }
    return inside;
}
