#pragma once

#include "SampleCatalogue.h"

#include <QImage>
#include <QSize>

#include <cstdint>

// A work's picture: a hand's fingertips showing the manicure its data describes (colours,
// motif, materials; the mood picks the nail shape).
namespace NailPainter {

struct TPictureLayout {
    QSize Size;
    int Fingers;   // 2 to 4
    bool Swatches; // a colour chart of the work's lacquers below the hand
};

// The same seed draws the same design at every size.
QImage Paint(const TSampleWork& work, const TPictureLayout& layout, uint64_t seed);

} // namespace NailPainter
