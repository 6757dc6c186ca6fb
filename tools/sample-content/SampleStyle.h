#pragma once

#include <QColor>
#include <QFont>

// The one look of the content set: its colours and its two typefaces.
namespace SampleStyle {

// Deep wine for bands and headings, rose and blush for surfaces, gold for fine lines.
inline const QColor kWine{0x6E, 0x1A, 0x2B};
inline const QColor kWineDark{0x4A, 0x0F, 0x1C};
inline const QColor kEditField{0x8A, 0x14, 0x14}; // the search edit's own background
inline const QColor kRose{0xC7, 0x6B, 0x7E};
inline const QColor kBlush{0xF3, 0xD9, 0xDC};
inline const QColor kCream{0xFB, 0xF4, 0xEF};
inline const QColor kSand{0xEE, 0xDF, 0xD8};
inline const QColor kGold{0xC9, 0xA6, 0x6B};
inline const QColor kInk{0x3B, 0x2A, 0x2F};
inline const QColor kMuted{0x8A, 0x74, 0x78};

// The colour with another opacity, 0 to 255.
QColor WithAlpha(QColor color, int alpha);

// Fonts load from files, never by family lookup, so every machine draws the same pixels.
// Without the files the default family stands in.
QFont Sans(int pixelSize, bool bold = false);
QFont Serif(int pixelSize, bool bold = false, bool italic = false);

} // namespace SampleStyle
