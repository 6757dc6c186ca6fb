#include "KeyboardFocus.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// Two groups, drawn in another order than they are read: a row of two whose tops differ a little,
// then a row with a hidden control and one the keyboard never presses, then a last row.
const int kFirstGroup = 1;
const int kSecondGroup = 2;

TAccessibleControl ControlAt(int identity, QRect bounds, const int& group, bool visible = true,
                             bool pressable = true)
{
    return {.Identity = reinterpret_cast<const void*>(std::uintptr_t(identity)),
            .Role = QAccessible::Button,
            .Name = QString::number(identity),
            .Bounds = bounds,
            .Visible = visible,
            .Group = &group,
            .PressAt = pressable ? std::optional(bounds.center()) : std::nullopt};
}

// The window's controls; with everything shown, the hidden and the unpressable one too.
TAccessibleControls Window(bool everythingShown = false)
{
    return {
        ControlAt(3, {10, 50, 20, 20}, kSecondGroup),
        ControlAt(2, {40, 14, 20, 20}, kFirstGroup),
        ControlAt(1, {10, 10, 20, 20}, kFirstGroup),
        ControlAt(6, {5, 90, 20, 20}, kSecondGroup),
        ControlAt(4, {40, 50, 20, 20}, kSecondGroup, everythingShown),
        ControlAt(5, {70, 48, 20, 20}, kSecondGroup, true, everythingShown),
    };
}

const void* Id(int identity)
{
    return identity ? reinterpret_cast<const void*>(std::uintptr_t(identity)) : nullptr;
}

enum class TKey { Tab, ShiftTab, ArrowOn, ArrowBack };

struct FocusCase {
    const char* name;
    int markedBefore; // 0 for none
    TKey key;
    bool moved;
    int markedAfter; // 0 for none
};

std::ostream& operator<<(std::ostream& out, const FocusCase& c)
{
    return out << c.name;
}

class KeyboardFocusTest : public testing::TestWithParam<FocusCase> {};

TEST_P(KeyboardFocusTest, MovesTheMarkInReadingOrder)
{
    // The mark is put where the case says while everything is shown.
    TKeyboardFocus focus;
    const TAccessibleControls shown = Window(true);
    for (bool moved = GetParam().markedBefore && focus.Enter(shown, TFocusMove::Next);
         moved && focus.Focused() != Id(GetParam().markedBefore);)
        moved = focus.Step(shown, TFocusMove::Next);
    ASSERT_EQ(focus.Focused(), Id(GetParam().markedBefore));

    const TAccessibleControls controls = Window();
    bool moved = false;
    switch (GetParam().key) {
    case TKey::Tab:
        moved = focus.Step(controls, TFocusMove::Next);
        break;
    case TKey::ShiftTab:
        moved = focus.Step(controls, TFocusMove::Previous);
        break;
    case TKey::ArrowOn:
        moved = focus.StepInGroup(controls, TFocusMove::Next);
        break;
    case TKey::ArrowBack:
        moved = focus.StepInGroup(controls, TFocusMove::Previous);
        break;
    }
    EXPECT_EQ(moved, GetParam().moved);
    EXPECT_EQ(focus.Focused(), Id(GetParam().markedAfter));
    // A mark on a control that went presses nothing.
    const TAccessibleControl* marked = focus.Control(controls);
    EXPECT_EQ(focus.PressPoint(controls),
              marked ? std::optional(marked->Bounds.center()) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyboardFocusTest,
    testing::Values(FocusCase{"TabWithoutAMarkEntersAtTheFirst", 0, TKey::Tab, true, 1},
                    FocusCase{"ShiftTabWithoutAMarkEntersAtTheLast", 0, TKey::ShiftTab, true, 6},
                    FocusCase{"TabGoesOnInTheRowWhoseMiddleIsBelowTheTop", 1, TKey::Tab, true, 2},
                    FocusCase{"TabGoesDownToTheNextRow", 2, TKey::Tab, true, 3},
                    FocusCase{"TabPassesHiddenAndUnpressableControls", 3, TKey::Tab, true, 6},
                    FocusCase{"ShiftTabGoesBackUp", 3, TKey::ShiftTab, true, 2},
                    FocusCase{"TabPastTheLastLeavesTheControls", 6, TKey::Tab, false, 0},
                    FocusCase{"ShiftTabPastTheFirstLeavesThem", 1, TKey::ShiftTab, false, 0},
                    FocusCase{"AnArrowMovesWithinTheGroup", 1, TKey::ArrowOn, true, 2},
                    FocusCase{"AnArrowGoesRoundTheGroupsEnd", 2, TKey::ArrowOn, true, 1},
                    FocusCase{"AnArrowBackGoesRoundItsStart", 3, TKey::ArrowBack, true, 6},
                    FocusCase{"AnArrowWithoutAMarkDoesNothing", 0, TKey::ArrowOn, false, 0},
                    FocusCase{"AMarkWhoseControlWentEntersAfresh", 4, TKey::Tab, true, 1},
                    FocusCase{"AnArrowOnAControlThatWentDoesNothing", 4, TKey::ArrowOn, false, 4}),
    [](const testing::TestParamInfo<FocusCase>& paramInfo) { return paramInfo.param.name; });

TEST(KeyboardFocusTest, AWindowWithoutControlsTheKeyboardReachesTakesNoMark)
{
    const int group = 0;
    TKeyboardFocus focus;
    EXPECT_FALSE(focus.Enter({ControlAt(1, {0, 0, 10, 10}, group, false),
                              ControlAt(2, {0, 20, 10, 10}, group, true, false)},
                             TFocusMove::Next));
    EXPECT_EQ(focus.Focused(), nullptr);
}

} // namespace
