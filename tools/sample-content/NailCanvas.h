#pragma once

#include "DesignPalette.h"
#include "SeededRandom.h"

#include <QPainter>
#include <QPointF>
#include <QRectF>

// One nail being decorated. The painter is clipped to the nail, with the origin at the middle
// of its base and the tip at (0, -Length).
struct TNailCanvas {
    QPainter& Painter;
    double Width;
    double Length;
    bool Accent; // the one nail that carries the main motif
    const TDesignPalette& Palette;
    // Each draw is a statement of its own: a call's arguments run in no fixed order, and the
    // pictures must come out the same from every compiler.
    SeededRandom& Random;

    // A point on the nail by fractions: x from -0.5 (left) to 0.5, y from 0 (base) to 1 (tip).
    QPointF Point(double x, double y) const { return {x * Width, -y * Length}; }
    // Anywhere between the two heights, at most halfWidth from the middle.
    QPointF RandomPoint(double fromY, double toY, double halfWidth = 0.5);
    // The nail with a margin, so a fill leaves no edge inside the clip.
    QRectF FillArea() const { return {Point(-0.6, 1.05), Point(0.6, -0.1)}; }

    // The base coat, shading from the cuticle's colour to the tip's.
    void FillBase(const QColor& base, const QColor& tip);
    // A base coat of one colour, with just enough shading to look lacquered.
    void FillPlain(const QColor& color);
};
