#include "WindowLayout.h"
#include "uFunctions.h"

#include <gtest/gtest.h>

namespace {

struct RectCase {
    const char* name;
    QPoint point;
    bool inclusive;
    bool inside;
};

class PointInRectCases : public testing::TestWithParam<RectCase> {};

TEST_P(PointInRectCases, EdgesBelongOnlyToTheInclusiveForm)
{
    const TRect rect{0, 0, 10, 10};
    EXPECT_EQ(PointInRect(GetParam().point, rect, GetParam().inclusive), GetParam().inside);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PointInRectCases,
    testing::Values(RectCase{"InclusiveHasTheBottomRightCorner", {10, 10}, true, true},
                    RectCase{"ExclusiveLacksTheBottomRightCorner", {10, 10}, false, false},
                    RectCase{"InclusiveHasTheTopLeftCorner", {0, 0}, true, true},
                    RectCase{"ExclusiveLacksTheTopLeftCorner", {0, 0}, false, false},
                    RectCase{"InclusiveHasTheCentre", {5, 5}, true, true},
                    RectCase{"ExclusiveHasTheCentre", {5, 5}, false, true},
                    RectCase{"InclusiveLacksPastTheRightEdge", {11, 5}, true, false},
                    RectCase{"InclusiveLacksAboveTheTopEdge", {5, -1}, true, false},
                    RectCase{"ExclusiveLacksTheRightEdge", {10, 5}, false, false}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

const TPointArray kSquare = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};

struct PolygonCase {
    const char* name;
    QPoint point;
    bool inside;
};

class SquareRing : public testing::TestWithParam<PolygonCase> {};

TEST_P(SquareRing, CountsLeftAndTopEdgesOnly)
{
    EXPECT_EQ(PointInPolygon(kSquare, GetParam().point), GetParam().inside);
}

INSTANTIATE_TEST_SUITE_P(Table, SquareRing,
                         testing::Values(PolygonCase{"Centre", {5, 5}, true},
                                         PolygonCase{"RightOfTheSquare", {15, 5}, false},
                                         PolygonCase{"LeftEdgeCounts", {0, 5}, true},
                                         PolygonCase{"RightEdgeDoesNotCount", {10, 5}, false},
                                         PolygonCase{"TopEdgeCounts", {5, 0}, true},
                                         PolygonCase{"BottomEdgeDoesNotCount", {5, 10}, false},
                                         PolygonCase{"LeftOfTheSquare", {-1, 5}, false},
                                         PolygonCase{"BelowTheSquare", {5, 11}, false}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST(PointInPolygon, FewerThanFourEntriesContainNothing)
{
    EXPECT_FALSE(PointInPolygon({}, {0, 0}));
    EXPECT_FALSE(PointInPolygon({{0, 0}, {10, 0}, {0, 10}}, {1, 1}));
    EXPECT_TRUE(PointInPolygon({{0, 0}, {10, 0}, {0, 10}, {0, 0}}, {1, 1}));
}

TEST(PointInPolygon, TheLastEntryIsNeverRead)
{
    // The ring closes from the second-last point back to the first, whatever the last says.
    const TPointArray ring = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {500, 500}};
    EXPECT_TRUE(PointInPolygon(ring, {5, 5}));
    EXPECT_FALSE(PointInPolygon(ring, {100, 100}));
}

// The hit areas of the main window's seven catalogue signs, by their index there.
struct SignCase {
    const char* name;
    size_t sign;
    QPoint inside;
    QPoint outsideInBoundingBox;

    TPointArray Polygon() const
    {
        const std::span<const QPoint> ring = WindowLayout::kSigns[sign].Ring;
        return {ring.begin(), ring.end()};
    }
};

const SignCase kSigns[] = {
    {"AllWorks", 0, {600, 150}, {470, 200}}, {"Complexity", 1, {790, 450}, {690, 550}},
    {"Time", 2, {400, 200}, {500, 300}},     {"Colour", 3, {220, 430}, {115, 520}},
    {"Theme", 4, {260, 600}, {160, 500}},    {"Materials", 5, {770, 200}, {870, 300}},
    {"Mood", 6, {720, 620}, {830, 500}},
};

TEST(PointInPolygon, SignsReactInsideTheirShapeOnly)
{
    for (const SignCase& sign : kSigns) {
        EXPECT_TRUE(PointInPolygon(sign.Polygon(), sign.inside)) << sign.name;
        EXPECT_FALSE(PointInPolygon(sign.Polygon(), sign.outsideInBoundingBox)) << sign.name;
    }
}

TEST(PointInPolygon, NoPointBelongsToTwoSigns)
{
    for (int y = 60; y <= 710; y += 3) {
        for (int x = 100; x <= 910; x += 3) {
            int hits = 0;
            for (const SignCase& sign : kSigns)
                hits += PointInPolygon(sign.Polygon(), {x, y});
            ASSERT_LE(hits, 1) << "(" << x << ", " << y << ")";
        }
    }
}

} // namespace
