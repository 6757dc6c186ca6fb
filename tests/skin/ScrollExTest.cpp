#include "FakeSkinWindow.h"
#include "SkinFolder.h"
#include "uScrollEx.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

const QString kScrolls = QStringLiteral("scrolls.ini");
const QString kButtons = QStringLiteral("buttons.ini");
const QColor kTrack = Qt::white;
const QColor kUpArrow = Qt::red;
const QColor kDownArrow = Qt::green;
const QColor kThumb = Qt::blue;

template <class Bar>
concept Drawable = requires(const Bar& bar, QPainter& canvas)
{
    bar.Draw(canvas);
};
static_assert(Drawable<TScrollEx>);
static_assert(!Drawable<TScrollEx1>, "the compact bar is never drawn");

std::array<QColor, kButtonStateCount> AllStates(QColor colour)
{
    std::array<QColor, kButtonStateCount> colours;
    colours.fill(colour);
    return colours;
}

QByteArray ScrollSection(const QByteArray& name, const QByteArray& thumb, TBounds bar)
{
    return "[" + name +
           "]\r\nbutton_up=arrow_up\r\nbutton_down=arrow_down\r\nbutton_polzunok=" + thumb +
           "\r\nbg=design\\scroll\\bg.jpg\r\nbnd_x=" + QByteArray::number(bar.Left) +
           "\r\nbnd_y=" + QByteArray::number(bar.Top) +
           "\r\nbnd_w=" + QByteArray::number(bar.Width) +
           "\r\nbnd_h=" + QByteArray::number(bar.Height) + "\r\n";
}

// Bars at (100, 50): "wb_vscroll" 12 by 400, "wide" 16 by 400, "short" 12 by 73 (a travel
// of 4), "no_thumb" naming a thumb section that does not exist. The button sections carry
// bounds of their own, which the bar overrides.
// Returns the folder, for the skin that reads it.
QString WriteSkin(const SkinFolder& folder)
{
    folder.WritePicture("design\\scroll\\bg.jpg", {16, 400}, kTrack);
    folder.WriteFile(
        kButtons,
        WriteButtonSkin(folder, "arrow_up", {0, 0, 5, 5}, {12, 12}, AllStates(kUpArrow)) +
            WriteButtonSkin(folder, "arrow_down", {0, 0, 5, 5}, {12, 12}, AllStates(kDownArrow)) +
            WriteButtonSkin(folder, "thumb", {0, 0, 5, 5}, {12, 45}, AllStates(kThumb)));
    folder.WriteFile(kScrolls, ScrollSection("wb_vscroll", "thumb", {100, 50, 12, 400}) +
                                   ScrollSection("wide", "thumb", {100, 50, 16, 400}) +
                                   ScrollSection("short", "thumb", {100, 50, 12, 73}) +
                                   ScrollSection("no_thumb", "absent", {100, 50, 12, 400}));
    return folder.Dir();
}

class ScrollExTest : public testing::Test {
protected:
    ScrollExTest()
    {
        owner.left = 300;
        owner.top = 200;
    }

    TScrollEx Standard(std::string_view section = "wb_vscroll")
    {
        return TScrollEx(owner, skin, section);
    }
    TScrollEx1 Compact() { return TScrollEx1(owner, skin, "wb_vscroll"); }

    static int ThumbTop(const TScrollExBase& bar)
    {
        return bar.Group().Buttons()[2].GetBounds().Top;
    }

    static QImage Drawn(const TScrollEx& bar)
    {
        QImage canvas = BlankCanvas({200, 500});
        QPainter painter(&canvas);
        bar.Draw(painter);
        painter.end();
        return canvas;
    }

    SkinFolder folder;
    const TSkin skin{WriteSkin(folder)};
    FakeSkinWindow owner;
};

struct GeometryCase {
    const char* name;
    bool compact;
    int index; // 0 up arrow, 1 down arrow, 2 thumb
    TBounds expected;
};

std::ostream& operator<<(std::ostream& out, const GeometryCase& c)
{
    return out << c.name;
}

class ScrollGeometryTest : public ScrollExTest, public testing::WithParamInterface<GeometryCase> {};

TEST_P(ScrollGeometryTest, PlacesButtonsByItsVariant)
{
    const GeometryCase& c = GetParam();
    const TBounds bounds = c.compact ? Compact().Group().Buttons()[c.index].GetBounds()
                                     : Standard().Group().Buttons()[c.index].GetBounds();
    EXPECT_EQ(bounds.Left, c.expected.Left);
    EXPECT_EQ(bounds.Top, c.expected.Top);
    EXPECT_EQ(bounds.Width, c.expected.Width);
    EXPECT_EQ(bounds.Height, c.expected.Height);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScrollGeometryTest,
    testing::Values(GeometryCase{"StandardUpArrow", false, 0, {100, 50, 12, 12}},
                    GeometryCase{"StandardDownArrow", false, 1, {100, 438, 12, 12}},
                    GeometryCase{"StandardThumb", false, 2, {100, 50, 12, 45}},
                    GeometryCase{"CompactUpArrow", true, 0, {99, 50, 12, 12}},
                    GeometryCase{"CompactDownArrow", true, 1, {99, 438, 12, 12}},
                    GeometryCase{"CompactThumb", true, 2, {100, 62, 10, 31}}),
    [](const testing::TestParamInfo<GeometryCase>& paramInfo) { return paramInfo.param.name; });

struct PositionCase {
    const char* name;
    bool compact;
    int position;
    int thumbTop;
};

std::ostream& operator<<(std::ostream& out, const PositionCase& c)
{
    return out << c.name;
}

class ScrollSetPositionTest : public ScrollExTest,
                              public testing::WithParamInterface<PositionCase> {};

TEST_P(ScrollSetPositionTest, PlacesTheThumbForThePosition)
{
    const PositionCase& c = GetParam();
    auto check = [&](TScrollExBase& bar) {
        bar.SetMax(1000);
        bar.SetPosition(c.position);
        EXPECT_EQ(ThumbTop(bar), c.thumbTop);
        EXPECT_EQ(bar.GetPosition(), c.position);
    };
    if (c.compact) {
        TScrollEx1 bar = Compact();
        check(bar);
    } else {
        TScrollEx bar = Standard();
        check(bar);
    }
}

// Bar top 50, height 400: the standard travel is 331, the compact one 345.
INSTANTIATE_TEST_SUITE_P(
    Table, ScrollSetPositionTest,
    testing::Values(PositionCase{"StandardZeroJustBelowTheUpArrow", false, 0, 62},
                    PositionCase{"StandardMax", false, 1000, 392},
                    PositionCase{"StandardHalfRoundsToEven", false, 500, 226},
                    PositionCase{"StandardBeyondMaxStopsAtTheBottom", false, 100000, 393},
                    PositionCase{"StandardNegativeStopsAtTheTop", false, -200, 62},
                    PositionCase{"CompactZero", true, 0, 61},
                    PositionCase{"CompactMax", true, 1000, 406},
                    PositionCase{"CompactBeyondMaxStopsAtTheBottom", true, 5000, 408},
                    PositionCase{"CompactNegativeStopsAtTheTop", true, -1, 61}),
    [](const testing::TestParamInfo<PositionCase>& paramInfo) { return paramInfo.param.name; });

TEST_F(ScrollExTest, SetPositionWithoutRangeDoesNothing)
{
    TScrollEx bar = Standard();
    for (const int range : {0, -3}) {
        bar.SetMax(range);
        bar.SetPosition(100);
        EXPECT_EQ(bar.GetPosition(), 0);
        EXPECT_EQ(ThumbTop(bar), 50);
    }
}

// Presses on the thumb at client (105, thumb top + 8), then moves the mouse dy pixels down.
void DragBy(TScrollExBase& bar, int thumbTop, int dy)
{
    const QPoint press(105, thumbTop + 8);
    bar.MouseDown(press);
    ASSERT_TRUE(bar.IsDragging());
    bar.MouseMove(press + QPoint(0, dy));
}

struct DragCase {
    const char* name;
    int dy;
    int thumbTop;
    int position;
};

std::ostream& operator<<(std::ostream& out, const DragCase& c)
{
    return out << c.name;
}

class ScrollDragTest : public ScrollExTest, public testing::WithParamInterface<DragCase> {};

TEST_P(ScrollDragTest, StandardBarOfHeight400)
{
    TScrollEx bar = Standard();
    bar.SetMax(1000);
    bar.SetPosition(0);
    DragBy(bar, 62, GetParam().dy);
    EXPECT_EQ(ThumbTop(bar), GetParam().thumbTop);
    EXPECT_EQ(bar.GetPosition(), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(Table, ScrollDragTest,
                         testing::Values(DragCase{"LowestPlaceGivesMax", 331, 393, 1000},
                                         DragCase{"PastTheBottomStopsAtMax", 5000, 393, 1000},
                                         DragCase{"AboveTheTopStopsAtZero", -5000, 62, 0},
                                         DragCase{"InBetween", 165, 227, 498},
                                         DragCase{"NoMove", 0, 62, 0}),
                         [](const testing::TestParamInfo<DragCase>& paramInfo) {
                             return paramInfo.param.name;
                         });

TEST_F(ScrollExTest, DraggedPositionRoundsHalvesToEven)
{
    TScrollEx bar = Standard("short");
    bar.SetMax(2);
    bar.SetPosition(0);
    // Travel 4, so each pixel is half a position.
    const std::array<std::pair<int, int>, 4> offsetsToPositions = {
        {{1, 0}, {2, 1}, {3, 2}, {4, 2}}};
    for (const auto& [dy, position] : offsetsToPositions) {
        DragBy(bar, 62, dy);
        EXPECT_EQ(bar.GetPosition(), position) << dy;
        bar.MouseUp({105, 62 + 8 + dy});
        bar.SetPosition(0);
    }
}

TEST_F(ScrollExTest, DragIsMeasuredInScreenPixels)
{
    TScrollEx bar = Standard();
    bar.SetMax(1000);
    bar.SetPosition(0);
    bar.MouseDown({105, 70});
    // The window moved down by 10 under a still mouse: the pointer is 10 pixels higher on
    // the window, yet it has not moved on the screen.
    owner.top += 10;
    bar.MouseMove({105, 60});
    EXPECT_EQ(ThumbTop(bar), 62);
    bar.MouseMove({105, 70});
    EXPECT_EQ(ThumbTop(bar), 72);
}

TEST_F(ScrollExTest, DragStartedOutsideTheBandMovesNothingButTheGroupSeesTheMove)
{
    TScrollEx bar = Standard();
    bar.SetMax(1000);
    // Before any SetPosition the thumb still sits over the up arrow.
    DragBy(bar, 50, 100);

    EXPECT_EQ(ThumbTop(bar), 50);
    EXPECT_EQ(bar.GetPosition(), 0);
    // The group let the pressed thumb go when the pointer left it.
    EXPECT_EQ(bar.Group().Buttons()[2].GetState(), ButtonState::Up);
}

TEST_F(ScrollExTest, ReleaseEndsTheDrag)
{
    TScrollEx bar = Standard();
    bar.SetMax(1000);
    bar.SetPosition(0);
    DragBy(bar, 62, 10);
    bar.MouseUp({105, 300});
    EXPECT_FALSE(bar.IsDragging());

    bar.MouseMove({105, 200});
    EXPECT_EQ(ThumbTop(bar), 72);
}

TEST_F(ScrollExTest, CompactBarDragsWithinItsOwnBand)
{
    TScrollEx1 bar = Compact();
    bar.SetMax(345);
    // Its thumb starts inside its band, at 62.
    DragBy(bar, 62, 100);
    EXPECT_EQ(ThumbTop(bar), 162);
    EXPECT_EQ(bar.GetPosition(), 101);

    bar.MouseMove({105, 70 - 500});
    EXPECT_EQ(ThumbTop(bar), 61);
    EXPECT_EQ(bar.GetPosition(), 0);
}

struct AreaCase {
    const char* name;
    int position;
    QPoint point;
    ScrollArea area;
};

std::ostream& operator<<(std::ostream& out, const AreaCase& c)
{
    return out << c.name;
}

class ScrollAreaTest : public ScrollExTest, public testing::WithParamInterface<AreaCase> {};

TEST_P(ScrollAreaTest, NamesTheAreaUnderThePoint)
{
    // 16 wide: columns 113 to 116 are track beside the 12-wide thumb.
    TScrollEx bar = Standard("wide");
    bar.SetMax(1000);
    bar.SetPosition(GetParam().position);
    EXPECT_EQ(bar.AreaAt(GetParam().point), GetParam().area);
}

// With the thumb at 62 (position 0) its centre line is Round(62 + 22.5) = 84.
INSTANTIATE_TEST_SUITE_P(
    Table, ScrollAreaTest,
    testing::Values(AreaCase{"LeftOfTheBar", 0, {99, 200}, ScrollArea::None},
                    AreaCase{"RightOfTheBar", 0, {117, 200}, ScrollArea::None},
                    AreaCase{"BelowTheBar", 0, {105, 451}, ScrollArea::None},
                    AreaCase{"UpArrow", 0, {105, 55}, ScrollArea::UpArrow},
                    AreaCase{"UpArrowWinsWhereTheThumbOverlaps", 0, {105, 62}, ScrollArea::UpArrow},
                    AreaCase{"DownArrow", 0, {105, 440}, ScrollArea::DownArrow},
                    AreaCase{"Thumb", 0, {105, 80}, ScrollArea::None},
                    AreaCase{"TrackBelowTheThumb", 0, {105, 200}, ScrollArea::TrackBelow},
                    AreaCase{"TrackAboveTheThumb", 500, {105, 150}, ScrollArea::TrackAbove},
                    AreaCase{"TrackBesideTheThumbAbove", 0, {114, 83}, ScrollArea::TrackAbove},
                    AreaCase{"TrackOnTheCentreLine", 0, {114, 84}, ScrollArea::None},
                    AreaCase{"TrackBesideTheThumbBelow", 0, {114, 85}, ScrollArea::TrackBelow},
                    // Position 6 puts the thumb at 63: its centre line Round(85.5) is 86.
                    AreaCase{"CentreLineRoundsHalfToEven", 6, {114, 85}, ScrollArea::TrackAbove},
                    AreaCase{"BottomRightCornerOfTheBar", 0, {116, 450}, ScrollArea::TrackBelow}),
    [](const testing::TestParamInfo<AreaCase>& paramInfo) { return paramInfo.param.name; });

TEST_F(ScrollExTest, ContainsIncludesTheRightAndBottomEdges)
{
    const TScrollEx bar = Standard();
    EXPECT_TRUE(bar.Contains({100, 50}));
    EXPECT_TRUE(bar.Contains({112, 450}));
    EXPECT_FALSE(bar.Contains({113, 450}));
    EXPECT_FALSE(bar.Contains({112, 451}));
}

TEST_F(ScrollExTest, NoRangeHidesTheBarAndItsButtonsIgnoreTheMouse)
{
    TScrollEx bar = Standard();
    for (const int range : {0, -1}) {
        bar.SetMax(range);
        EXPECT_FALSE(bar.IsVisible());
        bar.MouseMove({105, 55});
        EXPECT_EQ(owner.pointer, Qt::ArrowCursor) << range;
        bar.MouseDown({105, 55});
        EXPECT_EQ(owner.tag, TPressTag::Free) << range;
        EXPECT_EQ(Drawn(bar), BlankCanvas({200, 500}));
    }

    bar.SetMax(1);
    EXPECT_TRUE(bar.IsVisible());
    bar.MouseMove({105, 55});
    EXPECT_EQ(owner.pointer, Qt::PointingHandCursor);
}

TEST_F(ScrollExTest, HiddenBarsThumbStartsNoDrag)
{
    TScrollEx bar = Standard();
    bar.SetMax(0);
    bar.MouseDown({105, 60});
    EXPECT_FALSE(bar.IsDragging());
}

TEST_F(ScrollExTest, SetVisibleOnlyChangesDrawing)
{
    TScrollEx bar = Standard();
    bar.SetMax(1000);
    bar.SetVisible(false);

    EXPECT_EQ(Drawn(bar), BlankCanvas({200, 500}));
    bar.MouseMove({105, 55});
    EXPECT_EQ(owner.pointer, Qt::PointingHandCursor);
}

TEST_F(ScrollExTest, DrawsTrackThenArrowsThenThumb)
{
    TScrollEx bar = Standard();
    bar.SetMax(1000);
    bar.SetPosition(0);

    const QImage canvas = Drawn(bar);

    EXPECT_TRUE(NearColour(canvas.pixel(105, 55), kUpArrow));
    EXPECT_TRUE(NearColour(canvas.pixel(105, 80), kThumb));
    EXPECT_TRUE(NearColour(canvas.pixel(105, 200), kTrack));
    EXPECT_TRUE(NearColour(canvas.pixel(105, 445), kDownArrow));
    EXPECT_TRUE(NearColour(canvas.pixel(105, 20), kBlank));
}

TEST_F(ScrollExTest, ThumbFromAMissingSectionIsPlacedAndHitButNotDrawn)
{
    TScrollEx bar = Standard("no_thumb");
    bar.SetMax(1000);
    bar.SetPosition(0);

    EXPECT_TRUE(NearColour(Drawn(bar).pixel(105, 80), kTrack));
    EXPECT_EQ(bar.AreaAt({105, 80}), ScrollArea::None);
    EXPECT_EQ(bar.AreaAt({105, 200}), ScrollArea::TrackBelow);
    DragBy(bar, 62, 331);
    EXPECT_EQ(bar.GetPosition(), 1000);
}

TEST_F(ScrollExTest, BarWithoutSectionContainsNoPoint)
{
    TScrollEx bar = Standard("absent");
    bar.SetMax(1000);
    bar.SetPosition(500);

    for (const QPoint point : {QPoint(-1, -1), QPoint(-2, -2), QPoint(0, 0)}) {
        EXPECT_FALSE(bar.Contains(point));
        EXPECT_EQ(bar.AreaAt(point), ScrollArea::None);
    }
}

} // namespace
