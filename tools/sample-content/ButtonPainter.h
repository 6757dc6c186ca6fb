#pragma once

#include "SkinLayout.h"

#include <QImage>

// The five state pictures of a button: disabled greyed, up at rest, down pressed in, over lit,
// active filled in the accent colour. Painted over the piece of the surface the button covers,
// so rounded corners blend into it.
namespace ButtonPainter {

QImage Paint(const TButtonLayout& button, size_t state, const QImage& underlay);

} // namespace ButtonPainter
