#pragma once

#include "SkinNames.h"
#include "WindowLayout.h"

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Where every skinned control sits and what it shows: the one table buttons.ini and
// scrolls.ini are written from, and that the painters draw the pictures from.

// The picture a button lies on, so its corners blend into it.
enum class TSurface {
    Catalogue,
    FilterPanel, // the filter panel picture over the catalogue frame
    WorkPage,
    LargePicture,
    SearchFrame,
    Main,
    Message,
    Context,
    Track,        // the standard scroll bar's track
    CompactTrack, // the compact bar's groove in the search frame
};

enum class TLook {
    HeaderIcon, // round icon on a dark band
    HeaderPill, // labelled button on a dark band
    Pill,       // labelled button on a light surface
    Tab,        // catalogue group tab
    Toggle,     // filter switch; its active picture shows it on
    Arrow,      // scroll arrow, the glyph says which way
    Thumb,      // scroll thumb
};

enum class TGlyph {
    None,
    Close,
    Minimize,
    Search,
    Info,
    Back,
    Previous,
    Next,
    Up,
    Down,
    Picture,
    List,
    Save,
    Print,
    Copy,
    Yes,
    No,
    Show,
    AllOn,
    // main window signs
    AllWorks,
    Complexity,
    Clock,
    Palette,
    Flower,
    Gem,
    Heart,
};

struct TButtonLayout {
    std::string Section;
    TSurface Surface;
    QRect Bounds; // in the owning window; the pictures have exactly this size
    std::string Label;
    std::string Title; // the hint
    TLook Look;
    TGlyph Glyph;
    QRgb Swatch = 0; // a colour dot for the colour filters; 0 for none
};

// A main-window sign: an irregular button whose picture follows its hit polygon.
struct TSignLayout {
    WindowLayout::TSignShape Shape; // the viewer's section and hit ring
    std::string_view Label;
    std::string_view Title;
    QRgb Tint;
    TGlyph Glyph;
    double Angle;  // degrees the card's content is turned by
    QPoint Center; // where the icon and label stand, clear of the later signs' pictures
};

struct TScrollLayout {
    std::string_view Section;
    std::string_view Up;
    std::string_view Down;
    std::string_view Thumb;
    QRect Bounds;
    TSurface Surface; // where its track picture comes from
};

namespace SkinLayout {

// Places the viewer fixes.
inline constexpr QSize kFilterPanelSize{168, 252};
inline constexpr QSize kSearchHeadingSize{300, 30};
// The splash's gold frame. The bar's track ends inside it, as far from its right side as the
// bar starts from its left; past that end the bar's picture repeats the background.
inline constexpr QRect kSplashFrame{8, 8, 483, 390};
inline constexpr int kSplashFrameRight = kSplashFrame.left() + kSplashFrame.width();
inline constexpr int kSplashTrackMargin = WindowLayout::kSplashBar.left() - kSplashFrame.left();
inline constexpr QRect kSplashTrack{
    WindowLayout::kSplashBar.topLeft(),
    QSize(kSplashFrameRight - kSplashTrackMargin - WindowLayout::kSplashBar.left(),
          WindowLayout::kSplashBar.height())};
inline constexpr int kHeaderHeight = 40;

std::span<const TButtonLayout> Buttons();
// How many switches each filter group of the catalogue has, groups 1 to 6.
std::vector<size_t> FilterGroupSizes();
std::span<const TSignLayout> Signs();
std::span<const TScrollLayout> Scrolls();

// The rectangle round a sign's polygon: where its pictures go.
QRect BoundsOf(const TSignLayout& sign);

// The five state pictures in the order the viewer reads them.
using SkinNames::kStateKeys;

// "design\buttons\{section}\{state}.jpg", state 0 to 4 as the keys above.
std::string PicturePath(std::string_view section, size_t state);
// "design\scroll\{section}.jpg"
std::string TrackPath(std::string_view section);

} // namespace SkinLayout
