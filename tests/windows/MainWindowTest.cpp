#include "Placement.h"
#include "ProfileFile.h"
#include "TestFiles.h"
#include "Windows.h"
#include "WindowsFixture.h"
#include "uChMessage.h"
#include "uMain.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// A point inside each catalogue sign's hit area, in strip order, and its skin section.
struct TSignPoint {
    std::string_view Section;
    QPoint Inside;
    QPoint OutsideInBoundingBox;
};
const TSignPoint kSignPoints[] = {
    {"sign_1_4", {600, 150}, {470, 200}}, {"sign_1_6", {790, 450}, {690, 550}},
    {"sign_1_3", {400, 200}, {500, 300}}, {"sign_1_2", {220, 430}, {115, 520}},
    {"sign_1_1", {260, 600}, {160, 500}}, {"sign_1_5", {770, 200}, {870, 300}},
    {"sign_1_7", {720, 620}, {830, 500}},
};

class MainWindowTest : public WindowsFixture {
protected:
    void Start() { StartWindows(false); }

    QPoint Centre(std::string_view section) const
    {
        const QRect bounds = content_.ButtonBounds(section);
        return {bounds.x() + bounds.width() / 2, bounds.y() + bounds.height() / 2};
    }

    void Click(std::string_view section, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(main_.get(), button, {}, Centre(section));
    }

    // The question's answer, given with the mouse once it shows; asked tells whether it did.
    void AnswerQuestionWith(std::string_view section)
    {
        QTimer::singleShot(0, message_.get(), [this, section] {
            asked_ = message_->isVisible();
            if (asked_)
                QTest::mouseClick(message_.get(), Qt::LeftButton, {}, Centre(section));
        });
    }

    QRgb PixelOnScreen(QPoint point) const { return main_->grab().toImage().pixel(point); }

    bool asked_ = false;
};

TEST_F(MainWindowTest, LoadsTheWholeSampleCatalogue)
{
    Start();
    EXPECT_GE(main_->Works.size(), 50u);
    EXPECT_TRUE(main_->Selection.empty());
    EXPECT_TRUE(content_.Dialogs.Errors.isEmpty())
        << content_.Dialogs.Errors.join("\n").toStdString();
    EXPECT_EQ(main_->size(), QSize(1024, 768));
    EXPECT_EQ(main_->windowTitle(), "Velmora");
}

TEST_F(MainWindowTest, AMissingWorkTextIsReportedOnceAndTheCatalogueStopsThere)
{
    ASSERT_TRUE(content_.Remove("html/vesna-3.htm.txt"));
    Start();
    ASSERT_EQ(content_.Dialogs.Errors.size(), 1);
    EXPECT_TRUE(content_.Dialogs.Errors[0].contains("vesna-3.htm.txt"));
    ASSERT_FALSE(main_->Works.empty());
    EXPECT_EQ(main_->Works.back().FileName, "vesna-3");
    EXPECT_TRUE(main_->Works.back().Text->empty());
    EXPECT_EQ(main_->Works.front().FileName, "mira-1");

    Click("minimize"); // the window still answers the mouse
    EXPECT_TRUE(main_->isMinimized());
}

TEST_F(MainWindowTest, AMissingBackgroundLeavesAnEmptyAreaAndTheButtonsDrawn)
{
    ASSERT_TRUE(content_.Remove("design/windows/main/fon.jpg"));
    Start();
    EXPECT_EQ(PixelOnScreen({1, 1}) & 0xFFFFFF, 0u);
    const QRect close = content_.ButtonBounds("close");
    EXPECT_EQ(PixelOnScreen(Centre("close")),
              content_.ButtonPicture("close", "state_up").pixel(Centre("close") - close.topLeft()));
}

TEST_F(MainWindowTest, ASignIsPressedInsideItsShapeOnly)
{
    Start();
    for (const TSignPoint& sign : kSignPoints) {
        const QRect bounds = content_.ButtonBounds(sign.Section);
        for (const auto& [point, stateKey] : {std::pair{sign.Inside, "state_down"},
                                              std::pair{sign.OutsideInBoundingBox, "state_up"}}) {
            QTest::mousePress(main_.get(), Qt::LeftButton, {}, point);
            // A later sign's picture may lie over this spot; read the picture that is on top.
            std::string_view topSection = sign.Section;
            for (const TSignPoint& other : kSignPoints) {
                if (&other > &sign && content_.ButtonBounds(other.Section).contains(point))
                    topSection = other.Section;
            }
            if (topSection == sign.Section) {
                EXPECT_EQ(
                    PixelOnScreen(point),
                    content_.ButtonPicture(sign.Section, stateKey).pixel(point - bounds.topLeft()))
                    << sign.Section << " " << stateKey;
            }
            QTest::mouseRelease(main_.get(), Qt::LeftButton, {}, QPoint(2, 2));
        }
    }
}

TEST_F(MainWindowTest, HoveringAFrameButtonShowsTheHandAndItsHint)
{
    Start();
    QTest::mouseMove(main_.get(), Centre("minimize"));
    EXPECT_EQ(main_->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(main_->Hint().IsOn());
    EXPECT_FALSE(main_->Hint().Text().isEmpty());
    const QRect bounds = content_.ButtonBounds("minimize");
    EXPECT_EQ(PixelOnScreen(Centre("minimize")), content_.ButtonPicture("minimize", "state_over")
                                                     .pixel(Centre("minimize") - bounds.topLeft()));

    QTest::mouseMove(main_.get(), QPoint(2, 2));
    EXPECT_EQ(main_->cursor().shape(), Qt::ArrowCursor);
    EXPECT_FALSE(main_->Hint().IsOn());
}

TEST_F(MainWindowTest, TheRightButtonActsAsTheLeft)
{
    Start();
    Click("minimize", Qt::RightButton);
    EXPECT_TRUE(main_->isMinimized());
}

TEST_F(MainWindowTest, AReleaseActsOnTheButtonUnderIt)
{
    content_.WriteSettings("[MESSAGES]\r\nshowclosemessage=0\r\n");
    Start();
    QTest::mousePress(main_.get(), Qt::LeftButton, {}, Centre("minimize"));
    QTest::mouseRelease(main_.get(), Qt::LeftButton, {}, Centre("close"));
    EXPECT_FALSE(main_->isMinimized());
    EXPECT_FALSE(main_->isVisible());
}

struct CloseCase {
    const char* name;
    const char* settings; // settings.ini before, empty for none
    const char* answer;   // the button pressed on the question, empty when none is expected
    bool closed;
    const char* rememberedAfter; // "ShowCloseMessage_yn" afterwards, "absent" when not in the file
};

class ClosingQuestion : public MainWindowTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingQuestion, AsksWhenSwitchedOnAndRemembersOnlyYes)
{
    const CloseCase& test = GetParam();
    if (*test.settings)
        content_.WriteSettings(test.settings);
    Start();
    if (*test.answer)
        AnswerQuestionWith(test.answer);
    Click("close");
    EXPECT_EQ(asked_, *test.answer != '\0');
    EXPECT_EQ(!main_->isVisible(), test.closed);
    const QString settings = content_.Path("settings.ini");
    const std::string remembered =
        QFile::exists(settings)
            ? ProfileFile(settings).ReadString("MESSAGES", "ShowCloseMessage_yn", "absent")
            : "absent";
    EXPECT_EQ(remembered, test.rememberedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClosingQuestion,
    testing::Values(CloseCase{"NoSettingsYes", "", "yes", true, "0"},
                    CloseCase{"NoSettingsNo", "", "no", false, "absent"},
                    CloseCase{"AskRememberedYesStillAsks",
                              "[MESSAGES]\r\nshowclosemessage=1\r\nShowCloseMessage_yn=0\r\n", "no",
                              false, "0"},
                    CloseCase{"AskOffClosesAtOnce",
                              "[MESSAGES]\r\nshowclosemessage=0\r\nShowCloseMessage_yn=1\r\n", "",
                              true, "1"},
                    CloseCase{"AskOffIgnoresRememberedAnswer",
                              "[MESSAGES]\r\nshowclosemessage=0\r\nShowCloseMessage_yn=0\r\n", "",
                              true, "0"},
                    CloseCase{"AskOnYesWritesZero",
                              "[MESSAGES]\r\nshowclosemessage=1\r\nShowCloseMessage_yn=1\r\n",
                              "yes", true, "0"}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

struct PlacementCase {
    QSize desktop;
    QSize window;
    QPoint expected;
};

class DesktopPlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(DesktopPlacement, CentresTruncatingAndNeverOffTheCorner)
{
    EXPECT_EQ(CentredOnDesktop(GetParam().desktop, GetParam().window), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, DesktopPlacement,
                         testing::Values(PlacementCase{{1024, 768}, {1024, 768}, {0, 0}},
                                         PlacementCase{{800, 600}, {1024, 768}, {0, 0}},
                                         PlacementCase{{1280, 1024}, {1024, 768}, {128, 128}},
                                         PlacementCase{{1025, 769}, {1024, 768}, {0, 0}},
                                         PlacementCase{{1024, 768}, {500, 407}, {262, 180}},
                                         PlacementCase{{1366, 768}, {500, 260}, {433, 254}}));

} // namespace
