#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

// Shapes more than one painter draws.
namespace DecorShapes {

// A star of the given points, its first point up and then turned by turn radians.
QPainterPath StarPath(QPointF center, double outer, double inner, int points, double turn);

// A flower of two layers of petals round a heart, turned by turn degrees.
void Flower(QPainter& p, QPointF center, double radius, const QColor& petal, const QColor& heart,
            int petals, double turn);

// A round patch of light or colour, heart at its centre, fading to nothing at its rim. Uses
// the painter's pen as it is.
void SoftBlob(QPainter& p, QPointF center, double radius, const QColor& heart, const QColor& rim);

} // namespace DecorShapes
