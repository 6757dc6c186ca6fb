#include "FakeSkinWindow.h"
#include "uMoveForm.h"

#include <gtest/gtest.h>

namespace {

// A 300 by 200 window at (100, 100) on a 1024 by 768 screen.
class MoveFormTest : public testing::Test {
protected:
    MoveFormTest()
    {
        window.left = 100;
        window.top = 100;
        window.width = 300;
        window.height = 200;
    }

    // The mouse to a screen point, given to the mover in the window's client pixels as the
    // window stands now.
    void MoveMouseTo(TMoveForm& mover, QPoint screen)
    {
        mover.MouseMove(screen - window.ClientToScreen({0, 0}));
    }

    QPoint Position() const { return {window.left, window.top}; }

    FakeSkinWindow window;
    FakeSkinWindow boundsWindow;
};

TEST_F(MoveFormTest, DragKeepsTheWindowsOffsetToThePointer)
{
    TMoveForm mover(window, nullptr);
    mover.MouseDown({10, 10}); // screen (110, 110)
    ASSERT_TRUE(mover.IsMoving());

    MoveMouseTo(mover, {150, 130});
    EXPECT_EQ(Position(), QPoint(140, 120));
    MoveMouseTo(mover, {120, 300});
    EXPECT_EQ(Position(), QPoint(110, 290));
}

TEST_F(MoveFormTest, PressTakenByAButtonStartsNoDrag)
{
    TMoveForm mover(window, nullptr);
    window.tag = TPressTag::TakenByButton;
    mover.MouseDown({10, 10});

    EXPECT_FALSE(mover.IsMoving());
    MoveMouseTo(mover, {150, 130});
    EXPECT_EQ(Position(), QPoint(100, 100));
}

TEST_F(MoveFormTest, ReleaseEndsTheDragAndLaterMovesDoNothing)
{
    TMoveForm mover(window, nullptr);
    mover.MouseDown({10, 10});
    MoveMouseTo(mover, {120, 120});
    mover.MouseUp({20, 20});

    EXPECT_FALSE(mover.IsMoving());
    MoveMouseTo(mover, {400, 400});
    EXPECT_EQ(Position(), QPoint(110, 110));
}

TEST_F(MoveFormTest, DragOfAChildWindowCountsFromItsParent)
{
    window.parentOrigin = {50, 40};
    TMoveForm mover(window, nullptr);
    mover.MouseDown({10, 10}); // screen (160, 150)

    MoveMouseTo(mover, {170, 155});
    EXPECT_EQ(Position(), QPoint(110, 105));
}

struct ClampCase {
    const char* name;
    bool boundsWindow; // 800 by 600 at (0, 0), else the 1024 by 768 screen
    QPoint mouse;      // screen pixels; the press was at screen (110, 110)
    QPoint position;
};

std::ostream& operator<<(std::ostream& out, const ClampCase& c)
{
    return out << c.name;
}

class MoveFormClampTest : public MoveFormTest, public testing::WithParamInterface<ClampCase> {};

TEST_P(MoveFormClampTest, KeepsTheWindowInsideTheArea)
{
    boundsWindow.width = 800;
    boundsWindow.height = 600;
    TMoveForm mover(window, GetParam().boundsWindow ? &boundsWindow : nullptr);
    mover.MouseDown({10, 10});

    MoveMouseTo(mover, GetParam().mouse);

    EXPECT_EQ(Position(), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MoveFormClampTest,
    testing::Values(ClampCase{"PastTheLeftEdge", false, {-500, 110}, {0, 100}},
                    ClampCase{"PastTheTopEdge", false, {110, -500}, {100, 0}},
                    ClampCase{"PastTheRightEdge", false, {2000, 110}, {724, 100}},
                    ClampCase{"PastTheBottomEdge", false, {110, 2000}, {100, 568}},
                    ClampCase{"FlushWithTheRightEdgeIsKept", false, {734, 110}, {724, 100}},
                    ClampCase{"OnePixelShortOfTheRightEdge", false, {733, 110}, {723, 100}},
                    ClampCase{"ExactlyAtTheLeftEdge", false, {10, 110}, {0, 100}},
                    ClampCase{"PastTheBoundsWindowsRightEdge", true, {2000, 110}, {500, 100}},
                    ClampCase{"PastTheBoundsWindowsBottomEdge", true, {110, 2000}, {100, 400}},
                    ClampCase{"InsideTheBoundsWindow", true, {210, 210}, {200, 200}}),
    [](const testing::TestParamInfo<ClampCase>& paramInfo) { return paramInfo.param.name; });

TEST_F(MoveFormTest, WindowWiderThanTheAreaEndsFlushWithItsRightEdge)
{
    boundsWindow.width = 200;
    boundsWindow.height = 600;
    TMoveForm mover(window, &boundsWindow);
    mover.MouseDown({10, 10});

    MoveMouseTo(mover, {-500, 110});

    EXPECT_EQ(Position(), QPoint(-100, 100));
}

} // namespace
