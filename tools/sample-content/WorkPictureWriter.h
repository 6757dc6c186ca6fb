#pragma once

#include <QSize>

class ContentFolder;

// images\small, images\middle and images\big: each work's picture in the three sizes.
namespace WorkPictureWriter {

// The card thumbnail fits the card's 140-pixel cell; the middle and big pictures have exactly
// the size of the rectangles the work page windows stretch them into, so nothing distorts.
inline constexpr QSize kSmall{136, 108};
inline constexpr QSize kMiddle{260, 424};
inline constexpr QSize kBig{579, 434};

void Write(ContentFolder& folder);

} // namespace WorkPictureWriter
