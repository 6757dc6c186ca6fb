#include "SkinFolder.h"
#include "uButton.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

const QString kButtons = QStringLiteral("buttons.ini");

// A button loaded from a section whose pictures are 30 by 20, bigger than its 20 by 10
// hit rectangle at (10, 20).
TButtonEx LoadedButton(const SkinFolder& folder, ButtonKind kind = ButtonKind::Push)
{
    folder.WriteFile(kButtons, WriteButtonSkin(folder, "b", {10, 20, 20, 10}, {30, 20}));
    TButtonEx button(ButtonState::Up, false, kind);
    button.LoadFromSection(TSkin(folder.Dir()), "b");
    return button;
}

QImage Drawn(const TButtonEx& button)
{
    QImage canvas = BlankCanvas();
    QPainter painter(&canvas);
    button.Draw(painter);
    painter.end();
    return canvas;
}

struct TransitionCase {
    const char* name;
    ButtonKind kind;
    ButtonState start;
    bool startOn;
    std::string operations; // E enter, L leave, P press, C click
    ButtonState expected;
    bool expectedOn;
};

std::ostream& operator<<(std::ostream& out, const TransitionCase& c)
{
    return out << c.name;
}

class ButtonTransitionTest : public testing::TestWithParam<TransitionCase> {};

TEST_P(ButtonTransitionTest, EndsInExpectedStateAndSwitch)
{
    const TransitionCase& c = GetParam();
    TButtonEx button(c.start, c.startOn, c.kind);
    for (const char operation : c.operations) {
        switch (operation) {
        case 'E':
            button.MouseEnter();
            break;
        case 'L':
            button.MouseLeave();
            break;
        case 'P':
            button.Press();
            break;
        case 'C':
            button.Click();
            break;
        }
    }
    EXPECT_EQ(button.GetState(), c.expected);
    EXPECT_EQ(button.GetOn(), c.expectedOn);
}

constexpr ButtonKind kPush = ButtonKind::Push;
constexpr ButtonKind kToggle = ButtonKind::Toggle;
constexpr ButtonState kDisabled = ButtonState::Disabled;
constexpr ButtonState kUp = ButtonState::Up;
constexpr ButtonState kDown = ButtonState::Down;
constexpr ButtonState kOver = ButtonState::Over;
constexpr ButtonState kActive = ButtonState::Active;

INSTANTIATE_TEST_SUITE_P(
    Table, ButtonTransitionTest,
    testing::Values(
        TransitionCase{"PushHoveredShowsOver", kPush, kUp, false, "E", kOver, false},
        TransitionCase{"PushPressedShowsDown", kPush, kUp, false, "EP", kDown, false},
        TransitionCase{"PushClickedRestsUpNotOver", kPush, kUp, false, "EPC", kUp, false},
        TransitionCase{"PushHoveredAfterClickShowsOver", kPush, kUp, false, "EPCE", kOver, false},
        TransitionCase{"HoverKeepsDown", kPush, kUp, false, "PE", kDown, false},
        TransitionCase{"LeavingPressedButtonRestsUp", kPush, kUp, false, "EPL", kUp, false},
        TransitionCase{"PushThatIsOnTurnsOffAtClick", kPush, kActive, true, "C", kUp, false},
        TransitionCase{"ToggleClickTurnsOn", kToggle, kUp, false, "EPC", kActive, true},
        TransitionCase{"ToggleOnClickTurnsOff", kToggle, kActive, true, "C", kUp, false},
        TransitionCase{"ToggleOnLeftShowsActive", kToggle, kOver, true, "L", kActive, true},
        TransitionCase{"ToggleTwoClicksTurnOff", kToggle, kUp, false, "PCPC", kUp, false},
        TransitionCase{"DisabledIgnoresEnter", kPush, kDisabled, false, "E", kDisabled, false},
        TransitionCase{"DisabledIgnoresLeave", kPush, kDisabled, false, "L", kDisabled, false},
        TransitionCase{"DisabledIgnoresPress", kPush, kDisabled, false, "P", kDisabled, false},
        TransitionCase{"DisabledToggleIgnoresClick", kToggle, kDisabled, false, "C", kDisabled,
                       false},
        TransitionCase{"DisabledOnToggleStaysOn", kToggle, kDisabled, true, "ELPC", kDisabled,
                       true}),
    [](const testing::TestParamInfo<TransitionCase>& paramInfo) { return paramInfo.param.name; });

struct HitCase {
    const char* name;
    QPoint point;
    bool hit;
};

std::ostream& operator<<(std::ostream& out, const HitCase& c)
{
    return out << c.name;
}

class ButtonRectangleHitTest : public testing::TestWithParam<HitCase> {};

TEST_P(ButtonRectangleHitTest, IncludesRightAndBottomEdges)
{
    TButtonEx button(kUp, false, kPush);
    button.SetBounds(10, 10, 20, 20);
    EXPECT_EQ(button.HitTest(GetParam().point), GetParam().hit);
}

INSTANTIATE_TEST_SUITE_P(Table, ButtonRectangleHitTest,
                         testing::Values(HitCase{"TopLeftCorner", {10, 10}, true},
                                         HitCase{"BottomRightCorner", {30, 30}, true},
                                         HitCase{"Inside", {20, 15}, true},
                                         HitCase{"PastTheRightEdge", {31, 30}, false},
                                         HitCase{"PastTheBottomEdge", {30, 31}, false},
                                         HitCase{"LeftOfTheLeftEdge", {9, 10}, false},
                                         HitCase{"AboveTheTopEdge", {10, 9}, false}),
                         [](const testing::TestParamInfo<HitCase>& paramInfo) {
                             return paramInfo.param.name;
                         });

TEST(ButtonTest, ButtonWithoutSectionIsNeverHit)
{
    SkinFolder folder;
    TButtonEx button(kUp, false, kPush);
    button.LoadFromSection(TSkin(folder.Dir()), "absent");

    for (const QPoint point : {QPoint(-1, -1), QPoint(-2, -2), QPoint(0, 0)})
        EXPECT_FALSE(button.HitTest(point));
    EXPECT_EQ(Drawn(button), BlankCanvas());
}

class ButtonPolygonHitTest : public testing::TestWithParam<HitCase> {};

TEST_P(ButtonPolygonHitTest, PolygonReplacesTheRectangle)
{
    TButtonEx button(kUp, false, kPush);
    button.SetBounds(0, 0, 100, 100);
    // A diamond inside the rectangle, its ring closed by repeating the first point.
    button.SetPolygon({{50, 0}, {100, 50}, {50, 100}, {0, 50}, {50, 0}});
    EXPECT_EQ(button.HitTest(GetParam().point), GetParam().hit);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ButtonPolygonHitTest,
    testing::Values(HitCase{"Centre", {50, 50}, true},
                    HitCase{"CornerOfTheRectangleOutsideThePolygon", {5, 5}, false},
                    HitCase{"OutsideBoth", {150, 50}, false}),
    [](const testing::TestParamInfo<HitCase>& paramInfo) { return paramInfo.param.name; });

struct PressCase {
    const char* name;
    TPointArray polygon;          // none when empty
    std::optional<QPoint> middle; // where the press is, when it is in a middle
    bool pressable;
};

std::ostream& operator<<(std::ostream& out, const PressCase& c)
{
    return out << c.name;
}

class ButtonPressPointTest : public testing::TestWithParam<PressCase> {};

// The keyboard presses a button where a click hits it.
TEST_P(ButtonPressPointTest, LiesWhereAClickHitsTheButton)
{
    TButtonEx button(kUp, false, kPush);
    button.SetBounds(0, 0, 100, 100);
    if (!GetParam().polygon.empty())
        button.SetPolygon(GetParam().polygon);

    const std::optional<QPoint> press = button.PressPoint();
    ASSERT_EQ(press.has_value(), GetParam().pressable);
    if (press) {
        EXPECT_TRUE(button.HitTest(*press));
    }
    if (GetParam().middle) {
        EXPECT_EQ(press, GetParam().middle);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ButtonPressPointTest,
    testing::Values(PressCase{"ARectangleInItsMiddle", {}, QPoint(50, 50), true},
                    PressCase{"ADiamondInItsMiddle",
                              {{50, 0}, {100, 50}, {50, 100}, {0, 50}, {50, 0}},
                              QPoint(50, 50),
                              true},
                    // An L whose box's middle and corners' middle both lie outside it.
                    PressCase{"AnLWhereverItIsHit",
                              {{0, 0}, {30, 0}, {30, 70}, {100, 70}, {100, 100}, {0, 100}, {0, 0}},
                              std::nullopt,
                              true},
                    PressCase{"ATriangleInTheMiddleOfItsCorners",
                              {{0, 0}, {60, 0}, {0, 60}, {0, 0}},
                              QPoint(15, 15),
                              true},
                    PressCase{
                        "APolygonOfTooFewCornersNowhere", {{0, 0}, {0, 0}}, std::nullopt, false}),
    [](const testing::TestParamInfo<PressCase>& paramInfo) { return paramInfo.param.name; });

TEST(ButtonTest, PolygonButtonStillDrawsAtItsCorner)
{
    SkinFolder folder;
    TButtonEx button = LoadedButton(folder);
    button.SetPolygon({{100, 100}, {150, 100}, {150, 150}, {100, 150}, {100, 100}});

    EXPECT_TRUE(NearColour(Drawn(button).pixel(10, 20), kStateColours[int(kUp)]));
    EXPECT_FALSE(button.HitTest({10, 20}));
    EXPECT_TRUE(button.HitTest({120, 120}));
}

TEST(ButtonTest, InvisibleButtonIsHitButNotDrawn)
{
    SkinFolder folder;
    TButtonEx button = LoadedButton(folder);
    button.SetVisible(false);

    EXPECT_TRUE(button.HitTest({15, 25}));
    EXPECT_EQ(Drawn(button), BlankCanvas());
}

TEST(ButtonTest, DisabledStateIsStillHit)
{
    TButtonEx button(kDisabled, false, kPush);
    button.SetBounds(0, 0, 10, 10);
    EXPECT_TRUE(button.HitTest({5, 5}));
}

struct DrawCase {
    const char* name;
    ButtonState state;
};

class ButtonDrawTest : public testing::TestWithParam<DrawCase> {};

TEST_P(ButtonDrawTest, DrawsThePictureOfItsStateWholeAtItsCorner)
{
    SkinFolder folder;
    TButtonEx button = LoadedButton(folder);
    button.SetState(GetParam().state);

    const QImage canvas = Drawn(button);

    const QColor expected = kStateColours[int(GetParam().state)];
    // The picture is 30 by 20 at (10, 20), larger than the hit rectangle.
    EXPECT_TRUE(NearColour(canvas.pixel(10, 20), expected));
    EXPECT_TRUE(NearColour(canvas.pixel(39, 39), expected));
    EXPECT_TRUE(NearColour(canvas.pixel(40, 39), kBlank));
    EXPECT_TRUE(NearColour(canvas.pixel(39, 40), kBlank));
    EXPECT_TRUE(NearColour(canvas.pixel(9, 20), kBlank));
}

INSTANTIATE_TEST_SUITE_P(EveryState, ButtonDrawTest,
                         testing::Values(DrawCase{"Disabled", kDisabled}, DrawCase{"Up", kUp},
                                         DrawCase{"Down", kDown}, DrawCase{"Over", kOver},
                                         DrawCase{"Active", kActive}),
                         [](const testing::TestParamInfo<DrawCase>& paramInfo) {
                             return paramInfo.param.name;
                         });

TEST(ButtonTest, StateOutsideTheTableDrawsNothing)
{
    SkinFolder folder;
    TButtonEx button = LoadedButton(folder);
    for (const int state : {-1, 5, 42}) {
        button.SetState(ButtonState(state));
        EXPECT_EQ(Drawn(button), BlankCanvas()) << state;
    }
}

TEST(ButtonTest, ButtonWithOnlyStateUpShowsNothingInOtherStates)
{
    SkinFolder folder;
    folder.WritePicture("design\\up.jpg", {10, 10}, Qt::red);
    folder.WriteFile(kButtons, "[b]\r\nstate_up=design\\up.jpg\r\nbnd_x=0\r\nbnd_y=0\r\n"
                               "bnd_w=10\r\nbnd_h=10\r\n");
    TButtonEx button(kUp, false, kPush);
    button.LoadFromSection(TSkin(folder.Dir()), "b");

    EXPECT_TRUE(NearColour(Drawn(button).pixel(5, 5), Qt::red));
    for (const ButtonState state : {kDisabled, kDown, kOver, kActive}) {
        button.SetState(state);
        EXPECT_EQ(Drawn(button), BlankCanvas()) << int(state);
    }
}

TEST(ButtonTest, LoadsTitleAndBounds)
{
    SkinFolder folder;
    const TButtonEx button = LoadedButton(folder, kToggle);

    EXPECT_EQ(button.GetTitle(), QStringLiteral("b"));
    const TBounds bounds = button.GetBounds();
    EXPECT_EQ(bounds.Left, 10);
    EXPECT_EQ(bounds.Top, 20);
    EXPECT_EQ(bounds.Width, 20);
    EXPECT_EQ(bounds.Height, 10);
    EXPECT_EQ(button.GetKind(), kToggle);
}

} // namespace
