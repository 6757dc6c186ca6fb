#pragma once

#include "SkinLayout.h"

#include <QColor>
#include <QPainter>
#include <QRectF>

// Small line icons for buttons and signs, drawn to fit a square box in one colour.
namespace Glyphs {

void Draw(QPainter& painter, TGlyph glyph, const QRectF& box, const QColor& color);

} // namespace Glyphs
