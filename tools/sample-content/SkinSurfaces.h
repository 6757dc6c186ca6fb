#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

// The surfaces the skin's windows share: cream paper under the content and a wine header
// band above it.
namespace SkinSurfaces {

// Cream at the top shading to sand at the bottom; rect starts at the painter's origin.
void PaintPaper(QPainter& p, const QRect& rect);

// A band across the top, from top at its upper edge to deep wine, ruled off in gold below.
void PaintHeaderBand(QPainter& p, int width, int height, const QColor& top);

} // namespace SkinSurfaces
