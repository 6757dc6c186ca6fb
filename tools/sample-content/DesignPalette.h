#pragma once

#include <QColor>

#include <string_view>
#include <vector>

// The colours a work's picture is painted in, read from its colour text.
struct TDesignPalette {
    std::vector<QColor> Colors; // in the order the text names them; never empty
    bool Gold = false;          // the text names gold: glitter, foil and threads go gold
    bool Silver = false;        // silver or metallic

    const QColor& At(size_t index) const { return Colors[index % Colors.size()]; }
    // The colour for metal effects: gold, silver, or pale champagne.
    QColor Metal() const;
};

namespace DesignPalette {

// "светло-голубой, белый": each listed colour by its word, lightened by "светло-" and
// darkened by "темно-"; unknown words are skipped.
TDesignPalette FromColorText(std::string_view utf8);

} // namespace DesignPalette
