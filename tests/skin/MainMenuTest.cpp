#include "FakeSkinWindow.h"
#include "SkinFolder.h"
#include "uMainMenu.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

const QString kButtons = QStringLiteral("buttons.ini");
const std::array<QColor, kButtonStateCount> kSecondColours = {
    QColor(Qt::darkGray), QColor(Qt::cyan), QColor(Qt::magenta), QColor(Qt::darkBlue),
    QColor(Qt::darkGreen)};

// Two overlapping buttons: "first" over (10, 10)-(30, 30), "second" over (20, 20)-(40, 40),
// each picture the size of its rectangle.
class MainMenuTest : public testing::Test {
protected:
    // Returns the folder, for the skin that reads it.
    static QString WriteSkin(const SkinFolder& folder)
    {
        folder.WriteFile(kButtons, WriteButtonSkin(folder, "first", {10, 10, 20, 20}, {21, 21}) +
                                       WriteButtonSkin(folder, "second", {20, 20, 20, 20}, {21, 21},
                                                       kSecondColours) +
                                       "[toggle]\r\ntitle=toggle\r\nbnd_x=100\r\nbnd_y=100\r\n"
                                       "bnd_w=20\r\nbnd_h=20\r\n");
        return folder.Dir();
    }

    void AddBoth()
    {
        group.AddButton("first", ButtonKind::Push);
        group.AddButton("second", ButtonKind::Push);
    }

    TButtonEx& AddToggle()
    {
        group.AddButton("toggle", ButtonKind::Toggle);
        return group.Buttons().back();
    }

    ButtonState StateOf(int index) const { return group.Buttons()[index].GetState(); }

    QImage Drawn() const
    {
        QImage canvas = BlankCanvas();
        QPainter painter(&canvas);
        group.Draw(painter);
        painter.end();
        return canvas;
    }

    SkinFolder folder;
    const TSkin skin{WriteSkin(folder)};
    FakeSkinWindow owner;
    TMainMenuEx group{owner, skin};
};

TEST_F(MainMenuTest, EmptyGroupDrawsNothingFindsNothingAndIgnoresTheMouse)
{
    group.MouseMove({15, 15});
    group.MouseDown({15, 15});
    group.MouseUp({15, 15});

    EXPECT_EQ(group.FindButtonAt({15, 15}), -1);
    EXPECT_EQ(Drawn(), BlankCanvas());
    EXPECT_EQ(owner.pointer, Qt::ArrowCursor);
    EXPECT_EQ(owner.tag, TPressTag::Free);
}

struct FindCase {
    const char* name;
    QPoint point;
    int index;
};

std::ostream& operator<<(std::ostream& out, const FindCase& c)
{
    return out << c.name;
}

class MainMenuFindTest : public MainMenuTest, public testing::WithParamInterface<FindCase> {};

TEST_P(MainMenuFindTest, FirstButtonHitWins)
{
    AddBoth();
    EXPECT_EQ(group.FindButtonAt(GetParam().point), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MainMenuFindTest,
    testing::Values(FindCase{"OnlyFirst", {12, 12}, 0}, FindCase{"Overlap", {25, 25}, 0},
                    FindCase{"OnlySecond", {35, 35}, 1}, FindCase{"Neither", {50, 50}, -1}),
    [](const testing::TestParamInfo<FindCase>& paramInfo) { return paramInfo.param.name; });

TEST_F(MainMenuTest, LaterButtonIsDrawnOnTop)
{
    AddBoth();
    const QImage canvas = Drawn();

    EXPECT_TRUE(NearColour(canvas.pixel(15, 15), kStateColours[int(ButtonState::Up)]));
    EXPECT_TRUE(NearColour(canvas.pixel(25, 25), kSecondColours[int(ButtonState::Up)]));
}

TEST_F(MainMenuTest, HoverOverOverlapChangesBothButtonsAndLastTitleWins)
{
    AddBoth();
    group.MouseMove({25, 25});

    EXPECT_EQ(StateOf(0), ButtonState::Over);
    EXPECT_EQ(StateOf(1), ButtonState::Over);
    EXPECT_EQ(owner.pointer, Qt::PointingHandCursor);
    EXPECT_EQ(owner.hintText, QStringLiteral("second"));
    EXPECT_TRUE(owner.hintsOn);
}

TEST_F(MainMenuTest, MoveAwayLeavesTheOwnerAsTheWindowResetIt)
{
    AddBoth();
    group.MouseMove({12, 12});
    owner.ResetForMove();
    group.MouseMove({60, 60});

    EXPECT_EQ(StateOf(0), ButtonState::Up);
    EXPECT_EQ(owner.pointer, Qt::ArrowCursor);
    EXPECT_TRUE(owner.hintText.isEmpty());
    EXPECT_FALSE(owner.hintsOn);
}

TEST_F(MainMenuTest, PressRaisesTheTagAndPressesTheButton)
{
    AddBoth();
    group.MouseDown({12, 12});

    EXPECT_EQ(owner.tag, TPressTag::TakenByButton);
    EXPECT_EQ(StateOf(0), ButtonState::Down);
    EXPECT_EQ(StateOf(1), ButtonState::Up);
}

TEST_F(MainMenuTest, PressOffTheButtonsLeavesTheTag)
{
    AddBoth();
    group.MouseDown({60, 60});
    EXPECT_EQ(owner.tag, TPressTag::Free);
}

TEST_F(MainMenuTest, MovingOffAPressedButtonRestsItAndReleasingElsewhereClicksNothing)
{
    TButtonEx& toggle = AddToggle();
    group.MouseDown({110, 110});
    group.MouseMove({60, 60});
    EXPECT_EQ(toggle.GetState(), ButtonState::Up);

    group.MouseUp({60, 60});

    EXPECT_FALSE(toggle.GetOn());
    EXPECT_EQ(toggle.GetState(), ButtonState::Up);
    EXPECT_EQ(group.FindButtonAt({60, 60}), -1);
}

TEST_F(MainMenuTest, ClickedPushButtonRestsUpUntilTheNextMove)
{
    AddBoth();
    group.MouseMove({12, 12});
    group.MouseDown({12, 12});
    group.MouseUp({12, 12});
    EXPECT_EQ(StateOf(0), ButtonState::Up);

    group.MouseMove({12, 12});
    EXPECT_EQ(StateOf(0), ButtonState::Over);
}

TEST_F(MainMenuTest, ToggleThatIsOnIgnoresHoverAndPressAndTurnsOffAtRelease)
{
    TButtonEx& toggle = AddToggle();
    group.MouseDown({110, 110});
    group.MouseUp({110, 110});
    ASSERT_TRUE(toggle.GetOn());
    ASSERT_EQ(toggle.GetState(), ButtonState::Active);

    group.MouseMove({110, 110});
    EXPECT_EQ(toggle.GetState(), ButtonState::Active);
    EXPECT_EQ(owner.hintText, QStringLiteral("toggle"));
    group.MouseDown({110, 110});
    EXPECT_EQ(toggle.GetState(), ButtonState::Active);
    EXPECT_EQ(owner.tag, TPressTag::TakenByButton);
    group.MouseUp({110, 110});
    EXPECT_FALSE(toggle.GetOn());
    EXPECT_EQ(toggle.GetState(), ButtonState::Up);
}

TEST_F(MainMenuTest, DisabledButtonIsHitButKeepsItsState)
{
    AddBoth();
    group.Buttons()[0].SetState(ButtonState::Disabled);

    group.MouseMove({12, 12});
    EXPECT_EQ(owner.pointer, Qt::PointingHandCursor);
    group.MouseDown({12, 12});
    EXPECT_EQ(owner.tag, TPressTag::TakenByButton);
    group.MouseUp({12, 12});

    EXPECT_EQ(StateOf(0), ButtonState::Disabled);
    EXPECT_EQ(group.FindButtonAt({12, 12}), 0);
}

TEST_F(MainMenuTest, ReleaseOnDisabledButtonThatIsOnBringsItUp)
{
    TButtonEx& toggle = AddToggle();
    toggle.SetOn(true);
    toggle.SetState(ButtonState::Disabled);

    group.MouseUp({110, 110});

    EXPECT_EQ(toggle.GetState(), ButtonState::Up);
    EXPECT_TRUE(toggle.GetOn());
}

TEST_F(MainMenuTest, DisabledGroupIgnoresEverythingButStillDraws)
{
    AddBoth();
    group.SetEnabled(false);

    group.MouseMove({12, 12});
    group.MouseDown({12, 12});
    group.MouseUp({12, 12});

    EXPECT_EQ(StateOf(0), ButtonState::Up);
    EXPECT_EQ(owner.pointer, Qt::ArrowCursor);
    EXPECT_TRUE(owner.hintText.isEmpty());
    EXPECT_FALSE(owner.hintsOn);
    EXPECT_EQ(owner.tag, TPressTag::Free);
    EXPECT_EQ(group.FindButtonAt({12, 12}), -1);
    EXPECT_TRUE(NearColour(Drawn().pixel(15, 15), kStateColours[int(ButtonState::Up)]));
}

TEST_F(MainMenuTest, ReenabledGroupTakesTheMouseAgain)
{
    AddBoth();
    group.SetEnabled(false);
    group.SetEnabled(true);

    group.MouseMove({12, 12});

    EXPECT_EQ(StateOf(0), ButtonState::Over);
    EXPECT_EQ(group.FindButtonAt({12, 12}), 0);
}

} // namespace
