#pragma once

#include "ButtonState.h"
#include "SkinPicture.h"

#include <QString>

#include <array>
#include <functional>
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

class ProfileFile;

// Readers of the skin description files' sections; a missing file, section or key gives the
// key's default, never an error.
namespace SkinSection {

// The picture a section names, by its path relative to the content folder.
using TPictureSource = std::function<TSkinPicture(const QString& relativePath)>;

TButtonSection ReadButton(const ProfileFile& file, std::string_view section,
                          const TPictureSource& picture);
TScrollSection ReadScroll(const ProfileFile& file, std::string_view section,
                          const TPictureSource& picture);

} // namespace SkinSection
