#include "EventWait.h"
#include "Placement.h"
#include "ProfileFile.h"
#include "TestFiles.h"
#include "Win1251.h"
#include "Windows.h"
#include "WindowsFixture.h"
#include "uChMessage.h"
#include "uMain.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

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
        QTest::mouseClick(main_, button, {}, Centre(section));
    }

    // The question's answer, given with the mouse once it shows; asked tells whether it did.
    void AnswerQuestionWith(std::string_view section)
    {
        QTimer::singleShot(0, message_, [this, section] {
            asked_ = message_->isVisible();
            if (asked_)
                QTest::mouseClick(message_, Qt::LeftButton, {}, Centre(section));
        });
    }

    // The question's answer, given with a key once it shows.
    void AnswerQuestionWithKey(Qt::Key key)
    {
        asked_ = false;
        QTimer::singleShot(0, message_, [this, key] {
            asked_ = message_->isVisible();
            if (asked_)
                QTest::keyClick(message_, key);
        });
    }

    // Closing as a window manager asks it, whatever the window's own buttons.
    void RequestCloseAsTheWindowManager()
    {
        QCloseEvent request;
        QCoreApplication::sendEvent(main_->windowHandle(), &request);
    }

    std::string RememberedCloseAnswer() const
    {
        return ProfileFile(content_.Path("settings.ini"))
            .ReadString("MESSAGES", "ShowCloseMessage_yn", "absent");
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

TEST_F(MainWindowTest, AMissingWorkTextIsToldOnceAndEveryOtherWorkLoads)
{
    const qsizetype texts =
        QDir(content_.Path("html")).entryList({QStringLiteral("*.htm.txt")}, QDir::Files).size();
    ASSERT_TRUE(content_.Remove("html/vesna-3.htm.txt"));
    Start();
    ASSERT_EQ(content_.Dialogs.Errors.size(), 1);
    EXPECT_TRUE(content_.Dialogs.Errors[0].contains("(vesna-3), html/vesna-3.htm.txt: "))
        << content_.Dialogs.Errors[0].toStdString();
    ASSERT_EQ(qsizetype(main_->Works.size()), texts);
    const auto lost =
        std::find_if(main_->Works.begin(), main_->Works.end(),
                     [](const TVelmoraData& work) { return work.FileName == "vesna-3"; });
    ASSERT_NE(lost, main_->Works.end());
    EXPECT_TRUE(lost->Text->empty());
    EXPECT_TRUE(content_.Dialogs.Errors[0].contains(Win1251::ToUnicode(lost->Name)));
    EXPECT_FALSE(main_->Works.back().Text->empty());

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
            QTest::mousePress(main_, Qt::LeftButton, {}, point);
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
            QTest::mouseRelease(main_, Qt::LeftButton, {}, QPoint(2, 2));
        }
    }
}

TEST_F(MainWindowTest, HoveringAFrameButtonShowsTheHandAndItsHint)
{
    Start();
    QTest::mouseMove(main_, Centre("minimize"));
    EXPECT_EQ(main_->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(main_->Hint().IsOn());
    EXPECT_FALSE(main_->Hint().Text().isEmpty());
    const QRect bounds = content_.ButtonBounds("minimize");
    EXPECT_EQ(PixelOnScreen(Centre("minimize")), content_.ButtonPicture("minimize", "state_over")
                                                     .pixel(Centre("minimize") - bounds.topLeft()));

    QTest::mouseMove(main_, QPoint(2, 2));
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
    QTest::mousePress(main_, Qt::LeftButton, {}, Centre("minimize"));
    QTest::mouseRelease(main_, Qt::LeftButton, {}, Centre("close"));
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

struct BrokenSkinCase {
    const char* name;
    std::function<std::string(const std::string& sampleButtons)> buttons;
};

class BrokenSkin : public MainWindowTest, public testing::WithParamInterface<BrokenSkinCase> {};

// However broken the skin, the user can leave: the window manager's close request reaches the
// question, and the question answers Escape as "no" and Enter as "yes".
TEST_P(BrokenSkin, LeavesTheUserAWayOut)
{
    const QString buttons = content_.Path("buttons.ini");
    TestFiles::Write(buttons, GetParam().buttons(TestFiles::Read(buttons)));
    Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main_));

    AnswerQuestionWithKey(Qt::Key_Escape);
    RequestCloseAsTheWindowManager();
    EXPECT_TRUE(asked_);
    EXPECT_TRUE(main_->isVisible());
    EXPECT_EQ(RememberedCloseAnswer(), "absent");

    AnswerQuestionWithKey(Qt::Key_Return);
    RequestCloseAsTheWindowManager();
    EXPECT_TRUE(asked_);
    EXPECT_FALSE(main_->isVisible());
    EXPECT_EQ(RememberedCloseAnswer(), "0");
}

std::string Replaced(std::string text, std::string_view from, std::string_view to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, BrokenSkin,
    testing::Values(
        BrokenSkinCase{"Empty", [](const std::string&) { return std::string(); }},
        BrokenSkinCase{"Garbage",
                       [](const std::string&) {
                           std::string bytes(4096, '\0');
                           for (size_t i = 0; i < bytes.size(); ++i)
                               bytes[i] = char((i * 7919 + 13) % 251);
                           return bytes;
                       }},
        BrokenSkinCase{"Utf16",
                       [](const std::string& sample) {
                           const QString text = QString::fromLatin1(sample);
                           return "\xFF\xFE" +
                                  std::string(reinterpret_cast<const char*>(text.utf16()),
                                              size_t(text.size()) * 2);
                       }},
        BrokenSkinCase{"CarriageReturnsOnly",
                       [](const std::string& sample) { return Replaced(sample, "\r\n", "\r"); }},
        BrokenSkinCase{
            "NulBytes",
            [](const std::string& sample) { return Replaced(sample, "=", std::string("=\0", 2)); }},
        BrokenSkinCase{"NoCloseAndNoYes",
                       [](const std::string& sample) {
                           return Replaced(Replaced(sample, "[close]", "[gone]"), "[yes]",
                                           "[gone too]");
                       }},
        BrokenSkinCase{"ImpossibleBoundsForYesAndNo",
                       [](const std::string& sample) {
                           const std::string impossible =
                               "bnd_x=0x7FFFFFFF\r\nbnd_y=-2147483648\r\n"
                               "bnd_w=-5\r\nbnd_h=0\r\n";
                           return "[yes]\r\n" + impossible + "[no]\r\n" + impossible + sample;
                       }}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

struct PlacementCase {
    const char* name;
    QSize desktop;
    QSize window;
    QPoint expected;
};

class DesktopPlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(DesktopPlacement, CentresTruncatingAndNeverOffTheCorner)
{
    EXPECT_EQ(CentredOnDesktop(GetParam().desktop, GetParam().window), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DesktopPlacement,
    testing::Values(
        PlacementCase{"FillsTheDesktopExactly", {1024, 768}, {1024, 768}, {0, 0}},
        PlacementCase{"LargerThanTheDesktopStaysAtTheCorner", {800, 600}, {1024, 768}, {0, 0}},
        PlacementCase{"CentredOnALargerDesktop", {1280, 1024}, {1024, 768}, {128, 128}},
        PlacementCase{"OnePixelToSpareTruncatesToTheCorner", {1025, 769}, {1024, 768}, {0, 0}},
        PlacementCase{"OddHeightToSpareTruncates", {1024, 768}, {500, 407}, {262, 180}},
        PlacementCase{"CentredOnAWideDesktop", {1366, 768}, {500, 260}, {433, 254}}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
