#pragma once

#include "SampleCatalogue.h"

#include <QImage>
#include <QSize>
#include <cstdint>

// A work's picture: a hand's fingertips showing the manicure its data describes (colours,
// motif, materials; the mood picks the nail shape).
namespace NailPainter
{

// The same seed draws the same design at every size.
QImage Paint(const TSampleWork& work, QSize size, int fingers, uint64_t seed);

} // namespace NailPainter
