#include "Canvas.h"

namespace Canvas {
namespace {
int currentScale = 1;
} // namespace

void SetScale(int scale)
{
    currentScale = scale;
}

QImage Blank(QSize windowPixels)
{
    QImage picture(windowPixels * currentScale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(currentScale);
    return picture;
}

QRect RectOf(const QImage& picture)
{
    return QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize());
}

QImage Part(const QImage& picture, const QRect& rect)
{
    const qreal scale = picture.devicePixelRatio();
    QImage part =
        picture.copy(QRectF(QPointF(rect.topLeft()) * scale, QSizeF(rect.size()) * scale).toRect());
    part.setDevicePixelRatio(scale);
    return part;
}

} // namespace Canvas
