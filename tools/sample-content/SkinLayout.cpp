#include "SkinLayout.h"

#include "Filters.h"

#include <QPolygon>

namespace SkinLayout {
namespace {

using enum TSurface;
using enum TLook;
using enum TGlyph;

// ---- the main window's signs, in strip order ----------------------------------------

// In the order of the viewer's signs, whose sections and hit rings they take.
const std::array<TSignLayout, WindowLayout::kSigns.size()> kSigns = {{
    {WindowLayout::kSigns[0],
     "All designs",
     "Every work of the catalogue, by name",
     0xF3C6CF,
     AllWorks,
     -5,
     {584, 190}},
    {WindowLayout::kSigns[1],
     "Complexity",
     "Works by complexity",
     0xE4D2EE,
     Complexity,
     -12,
     {800, 424}},
    {WindowLayout::kSigns[2], "Time", "Works by time of work", 0xF6DCC4, Clock, 0, {398, 196}},
    {WindowLayout::kSigns[3], "Colour", "Works by colour", 0xCFE3EC, Palette, -12, {216, 418}},
    {WindowLayout::kSigns[4], "Theme", "Works by theme", 0xD7E9D6, Flower, -10, {262, 584}},
    {WindowLayout::kSigns[5], "Materials", "Works by material", 0xF1E4C3, Gem, 3, {770, 205}},
    {WindowLayout::kSigns[6], "Mood", "Works by mood", 0xF4CFD9, Heart, 8, {738, 606}},
}};

// ---- filter switches ---------------------------------------------------------------

struct TFilterLabel {
    std::string_view Label;
    std::string_view Title;
    QRgb Swatch;
};

struct TFilterGroupLayout {
    std::span<const TFilterLabel> Labels;
    int Columns;
    int RowPitch;
    int Height;
};

constexpr std::array<TFilterLabel, kFilterFlagCounts[1]> kComplexityFilters = {
    {{"Low", "Simple works", 0},
     {"Medium", "Works of medium complexity", 0},
     {"Hard", "Demanding works", 0}}};
constexpr std::array<TFilterLabel, kFilterFlagCounts[2]> kTimeFilters = {
    {{"10-40 min", "Up to 40 minutes", 0},
     {"41-70 min", "41 to 70 minutes", 0},
     {"71-100 min", "71 to 100 minutes", 0},
     {"101-150 min", "101 to 150 minutes", 0},
     {"151-250 min", "151 to 250 minutes", 0}}};
constexpr std::array<TFilterLabel, kFilterFlagCounts[3]> kColourFilters = {{
    {"red", "Red", 0xC8282E},
    {"green", "Green", 0x5E9C6B},
    {"sky blue", "Sky blue", 0x8EC5E8},
    {"pink", "Pink", 0xF2A7BB},
    {"gold", "Gold", 0xD4AF37},
    {"white", "White", 0xFAF7F2},
    {"burgundy", "Burgundy", 0x7A1E2C},
    {"yellow", "Yellow", 0xF4D35E},
    {"turquoise", "Turquoise", 0x3FBFB5},
    {"violet", "Violet", 0x6F3FA0},
    {"silver", "Silver", 0xC4C8D0},
    {"grey", "Grey", 0x8E8D93},
    {"brown", "Brown", 0x7B5034},
    {"orange", "Orange", 0xF08A3C},
    {"blue", "Blue", 0x27408B},
    {"lilac", "Lilac", 0xC6A2DA},
    {"metallic", "Metallic", 0x9FA4AD},
    {"black", "Black", 0x1E1B1F},
}};
constexpr std::array<TFilterLabel, kFilterFlagCounts[4]> kThemeFilters = {
    {{"Abstraction", "Abstract designs", 0},
     {"Patterns", "Patterns", 0},
     {"Flowers", "Flowers", 0}}};
constexpr std::array<TFilterLabel, kFilterFlagCounts[5]> kMaterialFilters = {{
    {"acrylic", "Acrylic", 0},
    {"sparkles", "Sparkles", 0},
    {"beads", "Micro-beads", 0},
    {"glitter", "Glitter", 0},
    {"varnish", "Varnishes", 0},
    {"thread", "Thread", 0},
    {"sand", "Sand", 0},
    {"shimmer", "Shimmer dust", 0},
    {"crystals", "Rhinestones", 0},
    {"foil", "Foil", 0},
}};
constexpr std::array<TFilterLabel, kFilterFlagCounts[6]> kMoodFilters = {
    {{"Bold", "Bold, aggressive designs", 0},
     {"Gentle", "Gentle designs", 0},
     {"Calm", "Calm designs", 0}}};

// Groups 1 to 6 of the catalogue, with how their switches fill the panel.
const std::array<TFilterGroupLayout, 6> kFilterGroups = {{
    {kComplexityFilters, 1, 36, 30},
    {kTimeFilters, 1, 36, 30},
    {kColourFilters, 2, 24, 22},
    {kThemeFilters, 1, 36, 30},
    {kMaterialFilters, 2, 36, 30},
    {kMoodFilters, 1, 36, 30},
}};

// The switches' area inside the panel, below its heading.
constexpr QRect kFilterArea{679, 306, 156, 220};
constexpr int kColumnGap = 4;

void AddFilterButtons(std::vector<TButtonLayout>& buttons)
{
    for (size_t g = 0; g < kFilterGroups.size(); ++g) {
        const TFilterGroupLayout& group = kFilterGroups[g];
        const int width = (kFilterArea.width() - kColumnGap * (group.Columns - 1)) / group.Columns;
        for (size_t k = 0; k < group.Labels.size(); ++k) {
            const int column = int(k) % group.Columns;
            const int row = int(k) / group.Columns;
            const TFilterLabel& label = group.Labels[k];
            buttons.push_back({SkinNames::SwitchSection(g + 1, k), FilterPanel,
                               QRect(kFilterArea.left() + column * (width + kColumnGap),
                                     kFilterArea.top() + row * group.RowPitch, width, group.Height),
                               std::string(label.Label), std::string(label.Title), Toggle, None,
                               label.Swatch});
        }
    }
}

// ---- the other buttons -------------------------------------------------------------

constexpr std::array<std::string_view, 7> kTabLabels = {
    "All designs", "Complexity", "Time", "Colour", "Theme", "Materials", "Mood"};

void AddTabs(std::vector<TButtonLayout>& buttons)
{
    for (size_t t = 0; t < kTabLabels.size(); ++t) {
        buttons.push_back(
            {SkinNames::TabSection(t), Catalogue, QRect(680, 52 + int(t) * 28, 156, 25),
             std::string(kTabLabels[t]),
             t == 0 ? "All designs, with no filters" : "Filters by " + std::string(kTabLabels[t]),
             Tab, None});
    }
}

// A button of a fixed place, on the surface its group lies on.
struct TFixedButton {
    std::string_view Section;
    QRect Bounds;
    std::string_view Label;
    std::string_view Title;
    TLook Look;
    TGlyph Glyph;
};

struct TSurfaceButtons {
    TSurface Surface;
    std::span<const TFixedButton> Buttons;
};

// The main window's frame strip.
constexpr std::array<TFixedButton, 4> kMainButtons = {{
    {SkinNames::kMainFrameButtons[0],
     {820, 14, 100, 32},
     "About",
     "About the catalogue and its artists",
     HeaderPill,
     Info},
    {SkinNames::kMainFrameButtons[1], {932, 15, 30, 30}, "", "Minimise", HeaderIcon, Minimize},
    {SkinNames::kMainFrameButtons[2], {970, 15, 30, 30}, "", "Close Velmora", HeaderIcon, Close},
    {SkinNames::kMainFrameButtons[3],
     {700, 14, 112, 32},
     "Search",
     "Search the descriptions of all works",
     HeaderPill,
     Search},
}};
// The first is every browser window's close button, on the same header band.
constexpr std::array<TFixedButton, 3> kCatalogueButtons = {{
    {SkinNames::kCloseButton[0], {812, 8, 26, 26}, "", "Close this window", HeaderIcon, Close},
    {SkinNames::kCatalogueButtons[0],
     {680, 250, 76, 24},
     "Show",
     "Show the works the filters choose",
     Pill,
     Show},
    {SkinNames::kCatalogueButtons[1],
     {760, 250, 76, 24},
     "All on",
     "Switch on every filter of this group",
     Pill,
     AllOn},
}};
constexpr std::array<TFixedButton, 1> kWorkPageButtons = {{
    {SkinNames::kWorkPageButtons[0],
     {572, 506, 200, 28},
     "Large picture",
     "Open the large picture",
     Pill,
     Picture},
}};
constexpr std::array<TFixedButton, 3> kLargePictureButtons = {{
    {SkinNames::kLargePictureButtons[0],
     {652, 8, 150, 26},
     "Description",
     "Back to the description of this work",
     HeaderPill,
     Back},
    {SkinNames::kLargePictureButtons[1], {38, 268, 64, 44}, "", "Previous work", Pill, Previous},
    {SkinNames::kLargePictureButtons[2], {748, 268, 64, 44}, "", "Next work", Pill, Next},
}};
constexpr std::array<TFixedButton, 3> kSearchButtons = {{
    {SkinNames::kSearchButtons[0],
     {676, 110, 153, 26},
     "Search",
     "Search the descriptions",
     Pill,
     Search},
    {SkinNames::kSearchButtons[1],
     {676, 502, 153, 26},
     "As pictures",
     "Show results as picture cards",
     Pill,
     Picture},
    {SkinNames::kSearchButtons[2],
     {676, 502, 153, 26},
     "As a list",
     "Show results as a list",
     Pill,
     List},
}};
constexpr std::array<TFixedButton, 3> kContextButtons = {{
    {SkinNames::kContextButtons[0],
     {6, 6, 158, 26},
     "Save page",
     "Save this page as HTML",
     Pill,
     Save},
    {SkinNames::kContextButtons[1], {6, 36, 158, 26}, "Print", "Print this page", Pill, Print},
    {SkinNames::kContextButtons[2], {6, 66, 158, 26}, "Copy", "Copy the selected text", Pill, Copy},
}};
constexpr std::array<TFixedButton, 2> kMessageButtons = {{
    {SkinNames::kQuestionButtons[0], {262, 196, 110, 36}, "No", "No, stay here", Pill, No},
    {SkinNames::kQuestionButtons[1], {128, 196, 110, 36}, "Yes", "Yes", Pill, Yes},
}};
// Scroll bars place and size these themselves.
constexpr std::array<TFixedButton, 3> kTrackButtons = {{
    {"scroll_up", {0, 0, 12, 12}, "", "Scroll up", Arrow, Up},
    {"scroll_down", {0, 0, 12, 12}, "", "Scroll down", Arrow, Down},
    {"scroll_thumb", {0, 0, 12, 45}, "", "Drag to scroll", Thumb, None},
}};
constexpr std::array<TFixedButton, 3> kCompactTrackButtons = {{
    {"scroll_sh_up", {0, 0, 12, 12}, "", "Scroll the history up", Arrow, Up},
    {"scroll_sh_down", {0, 0, 12, 12}, "", "Scroll the history down", Arrow, Down},
    {"scroll_sh_thumb", {0, 0, 10, 31}, "", "Drag to scroll the history", Thumb, None},
}};

// In the order buttons.ini lists them.
constexpr std::array<TSurfaceButtons, 9> kFixedButtons = {{
    {Main, kMainButtons},
    {Catalogue, kCatalogueButtons},
    {WorkPage, kWorkPageButtons},
    {LargePicture, kLargePictureButtons},
    {SearchFrame, kSearchButtons},
    {Context, kContextButtons},
    {Message, kMessageButtons},
    {Track, kTrackButtons},
    {CompactTrack, kCompactTrackButtons},
}};

void AddFixedButtons(std::vector<TButtonLayout>& buttons)
{
    for (const TSurfaceButtons& group : kFixedButtons) {
        for (const TFixedButton& button : group.Buttons)
            buttons.push_back({std::string(button.Section), group.Surface, button.Bounds,
                               std::string(button.Label), std::string(button.Title), button.Look,
                               button.Glyph});
    }
}

std::vector<TButtonLayout> BuildButtons()
{
    std::vector<TButtonLayout> buttons;
    AddFixedButtons(buttons);
    AddTabs(buttons);
    AddFilterButtons(buttons);
    return buttons;
}

const std::array<TScrollLayout, 3> kScrolls = {{
    {SkinNames::kPageScroll, "scroll_up", "scroll_down", "scroll_thumb",
     WindowLayout::kCatalogueBar, Track},
    {SkinNames::kWorkPageScroll, "scroll_up", "scroll_down", "scroll_thumb", WindowLayout::kWorkBar,
     Track},
    {SkinNames::kHistoryScroll, "scroll_sh_up", "scroll_sh_down", "scroll_sh_thumb",
     WindowLayout::kHistoryBar, CompactTrack},
}};

} // namespace

std::vector<size_t> FilterGroupSizes()
{
    std::vector<size_t> sizes;
    for (const TFilterGroupLayout& group : kFilterGroups)
        sizes.push_back(group.Labels.size());
    return sizes;
}

std::span<const TButtonLayout> Buttons()
{
    static const std::vector<TButtonLayout> buttons = BuildButtons();
    return buttons;
}

std::span<const TSignLayout> Signs()
{
    return kSigns;
}

std::span<const TScrollLayout> Scrolls()
{
    return kScrolls;
}

QRect BoundsOf(const TSignLayout& sign)
{
    QPolygon points;
    for (const QPoint& point : sign.Shape.Ring)
        points << point;
    return points.boundingRect();
}

std::string PicturePath(std::string_view section, size_t state)
{
    // The file is named as the key after its "state_".
    const std::string_view file = kStateKeys[state].substr(kStateKeys[state].find('_') + 1);
    return "design\\buttons\\" + std::string(section) + "\\" + std::string(file) + ".jpg";
}

std::string TrackPath(std::string_view section)
{
    return "design\\scroll\\" + std::string(section) + ".jpg";
}

} // namespace SkinLayout
