#pragma once

#include "ButtonState.h"
#include "SkinPicture.h"

#include <QString>

#include <array>
#include <string>
#include <string_view>

// A rectangle of a window's client area as the skin files give it: edges by position and size.
struct TBounds {
    int Left = -1;
    int Top = -1;
    int Width = -1;
    int Height = -1;
};

// What a "buttons.ini" section gives a button; pictures are checked once, here.
struct TButtonSection {
    std::array<TSkinPicture, kButtonStateCount> Pictures; // by ButtonState; empty when missing
    QString Title;
    TBounds Bounds;
};

// What a "scrolls.ini" section gives a scroll bar.
struct TScrollSection {
    std::string ButtonUp; // "buttons.ini" sections of the up arrow, the down arrow, the thumb
    std::string ButtonDown;
    std::string Thumb;
    TSkinPicture Track;
    TBounds Bounds;
};

// Readers of the skin description files. Each read opens the file once, reads the section and
// lets it go; a missing file, section or key gives the key's default, never an error.
namespace SkinSection {

TButtonSection ReadButton(const QString& contentDir, const QString& fileName,
                          std::string_view section);
TScrollSection ReadScroll(const QString& contentDir, const QString& fileName,
                          std::string_view section);

} // namespace SkinSection
