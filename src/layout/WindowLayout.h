#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <span>
#include <string_view>

// Where things stand on the viewer's windows, written once: the viewer places its controls by
// it, the sample content draws its pictures to it, and the tests and the end-to-end scripts
// (through velmora_layout_sh) find what they click by it.
namespace WindowLayout {

// Rectangles are left, top, width, height in their window.

inline constexpr QSize kSplash{500, 407};
// The splash's growing bar at its full width.
inline constexpr QRect kSplashBar{20, 319, 491, 39};
inline constexpr QSize kMessage{500, 260};
inline constexpr QSize kContextPopUp{170, 98};

inline constexpr QSize kMainWindow{1024, 768};

// The catalogue signs on the main window, in the order of the filter groups they open: the
// skin section of each, and the ring of its hit area (the last point repeats the first or lies
// next to it).
struct TSignShape {
    std::string_view Section;
    std::span<const QPoint> Ring;
};

inline constexpr std::array<QPoint, 7> kAllWorksRing = {
    {{452, 115}, {617, 100}, {643, 270}, {467, 295}, {462, 272}, {530, 200}, {455, 119}}};
inline constexpr std::array<QPoint, 5> kComplexityRing = {
    {{683, 388}, {866, 349}, {903, 527}, {724, 560}, {683, 388}}};
inline constexpr std::array<QPoint, 5> kTimeRing = {
    {{401, 67}, {523, 201}, {396, 327}, {267, 109}, {401, 67}}};
inline constexpr std::array<QPoint, 5> kColourRing = {
    {{109, 356}, {147, 533}, {327, 492}, {290, 317}, {109, 356}}};
inline constexpr std::array<QPoint, 6> kThemeRing = {
    {{154, 640}, {175, 528}, {339, 492}, {371, 497}, {336, 678}, {154, 640}}};
inline constexpr std::array<QPoint, 5> kMaterialsRing = {
    {{686, 109}, {872, 120}, {861, 302}, {674, 291}, {686, 109}}};
inline constexpr std::array<QPoint, 7> kMoodRing = {
    {{668, 483}, {705, 492}, {722, 562}, {844, 540}, {800, 704}, {623, 658}, {668, 483}}};

inline constexpr std::array<TSignShape, 7> kSigns = {{
    {"sign_1_4", kAllWorksRing},
    {"sign_1_6", kComplexityRing},
    {"sign_1_3", kTimeRing},
    {"sign_1_2", kColourRing},
    {"sign_1_1", kThemeRing},
    {"sign_1_5", kMaterialsRing},
    {"sign_1_7", kMoodRing},
}};

// Half of a whole number, a half rounding to the even neighbour.
constexpr int HalfToEven(int value)
{
    const int down = value >= 0 ? value / 2 : -((1 - value) / 2);
    return value % 2 == 0 || down % 2 == 0 ? down : down + 1;
}

// Where a window of size inner stands centred in one of size outer.
constexpr QPoint CentredPlace(QSize outer, QSize inner)
{
    return {HalfToEven(outer.width() - inner.width()), HalfToEven(outer.height() - inner.height())};
}

// Every browser window has one size and stands centred in the main window.
inline constexpr QSize kBrowserWindow{850, 550};
inline constexpr QPoint kBrowserWindowPlace = CentredPlace(kMainWindow, kBrowserWindow);
static_assert(HalfToEven(5) == 2 && HalfToEven(7) == 4 && HalfToEven(-5) == -2 &&
              HalfToEven(-7) == -4 && HalfToEven(6) == 3);

// Where each browser shows its page, in its window.
inline constexpr QRect kCatalogueBrowser{42, 52, 610, 476}; // also the information window's
inline constexpr QRect kSearchBrowser{41, 53, 614, 476};
inline constexpr QRect kHistoryBrowser{676, 143, 153, 351};
inline constexpr QRect kWorkBrowser{37, 47, 460, 486};
// The large picture window's browser lies outside the window: its page is never seen.
inline constexpr QRect kLargePictureBrowser{1063, 49, 42, 40};

// The pages' scroll bars, each at its browser's right, as high as the browser.
inline constexpr QRect kCatalogueBar{660, 52, 12, 476}; // also the search window's
inline constexpr QRect kWorkBar{505, 47, 12, 486};
inline constexpr QRect kHistoryBar{834, 143, 12, 351};
static_assert(kCatalogueBar.top() == kCatalogueBrowser.top() &&
              kCatalogueBar.height() == kCatalogueBrowser.height() &&
              kWorkBar.top() == kWorkBrowser.top() && kWorkBar.height() == kWorkBrowser.height() &&
              kHistoryBar.top() == kHistoryBrowser.top() &&
              kHistoryBar.height() == kHistoryBrowser.height());

// The catalogue window's panel of filter switches, where its picture stands.
inline constexpr QPoint kFilterPanelPlace{673, 278};
// The search window's edit and the heading drawn over its results.
inline constexpr QRect kSearchEdit{682, 83, 141, 17};
inline constexpr QPoint kSearchHeadingPlace{29, 5};
// A work's middle picture on the work page, and its large picture.
inline constexpr QRect kMiddlePicture{542, 65, 260, 424};
inline constexpr QRect kLargePicture{135, 73, 579, 434};

} // namespace WindowLayout
