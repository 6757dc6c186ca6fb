#include "ContentPath.h"
#include "EventWait.h"
#include "JpegPicture.h"
#include "ManualTicks.h"
#include "ProfileFile.h"
#include "SealedWindow.h"
#include "Skin.h"
#include "WindowTestContent.h"
#include "uChMessage.h"

#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace {

class MessageWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        message_ = std::make_unique<TSealed<TfChMessage>>(ticks_, skin_);
        message_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(message_.get()));
    }

    // Moves the mouse, button held, to a point of the screen, as a drag does.
    void DragTo(QPoint screenPoint)
    {
        QTest::mouseMove(message_.get(), message_->mapFromGlobal(screenPoint));
    }

    QImage Picture(const char* relative) const
    {
        QImage picture;
        LoadJpegBitmap(content_.Path(relative), picture);
        return picture;
    }

    TWindowTestContent content_;
    TManualTicks ticks_;
    const TSkin skin_{ContentPath::ContentDir()};
    std::unique_ptr<TfChMessage> message_;
};

TEST_F(MessageWindowTest, PrepareReadsTheSwitchesWithTheirDefaults)
{
    int remembered = -5;
    EXPECT_EQ(message_->Prepare(TfChMessage::WebMessage, remembered), 1);
    EXPECT_EQ(remembered, 1);

    constexpr std::string_view switches =
        "[messages]\r\nSHOWWEBMESSAGE=0\r\nShowWebMessage_yn=0\r\nshowclosemessage=7\r\n";
    content_.WriteSettings(switches);
    EXPECT_EQ(message_->Prepare(TfChMessage::WebMessage, remembered), 1)
        << "a catalogue's switch gives no consent";
    EXPECT_EQ(remembered, 1);
    EXPECT_EQ(message_->Prepare(TfChMessage::CloseMessage, remembered), 7);
    EXPECT_EQ(remembered, 1);
    content_.WriteUserSettings(switches);
    EXPECT_EQ(message_->Prepare(TfChMessage::WebMessage, remembered), 0);
    EXPECT_EQ(remembered, 0);
}

TEST_F(MessageWindowTest, ShowsThePictureOfTheQuestionPrepared)
{
    int remembered = 0;
    for (const auto& [kind, picture] :
         {std::pair{TfChMessage::WebMessage, "design/windows/Exit_Link/fon_link.jpg"},
          std::pair{TfChMessage::CloseMessage, "design/windows/Exit_Link/fon_exit.jpg"}}) {
        message_->Prepare(kind, remembered);
        EXPECT_EQ(message_->grab().toImage().pixel(3, 3), Picture(picture).pixel(3, 3)) << picture;
    }
}

TEST_F(MessageWindowTest, YesOnTheWebQuestionIsRememberedAndNoWritesNothing)
{
    int remembered = 0;
    message_->Prepare(TfChMessage::WebMessage, remembered);
    const QRect no = content_.ButtonBounds("no");
    QTest::mouseClick(message_.get(), Qt::LeftButton, {}, no.center());
    EXPECT_EQ(message_->result(), TfChMessage::No);
    EXPECT_FALSE(QFile::exists(content_.UserSettingsPath()));

    message_->show();
    const QRect yes = content_.ButtonBounds("yes");
    QTest::mouseClick(message_.get(), Qt::LeftButton, {}, yes.center());
    EXPECT_EQ(message_->result(), TfChMessage::Yes);
    EXPECT_EQ(ProfileFile(content_.UserSettingsPath(), TFolderOwner::User)
                  .ReadString("MESSAGES", "ShowWebMessage_yn", ""),
              "0");
    EXPECT_FALSE(QFile::exists(content_.Path("settings.ini"))) << "the catalogue's stays as it was";
}

TEST_F(MessageWindowTest, PressingYesAndReleasingElsewhereAnswersNothing)
{
    const QRect yes = content_.ButtonBounds("yes");
    QTest::mousePress(message_.get(), Qt::LeftButton, {}, yes.center());
    QTest::mouseRelease(message_.get(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(message_->isVisible());
    EXPECT_FALSE(QFile::exists(content_.Path("settings.ini")));
}

struct KeyCase {
    const char* name;
    int tabs; // Tab presses before the key: the focus mark, on "yes" at first, goes to "no"
    Qt::Key key;
    std::optional<TfChMessage::TAnswer> answer; // none: the question stays open
};

class AnswerKeys : public MessageWindowTest, public testing::WithParamInterface<KeyCase> {};

// The keys answer whatever the pictures, and a "yes" by key is remembered as one by mouse; a
// button under the focus mark answers as a click on it does.
TEST_P(AnswerKeys, AnswerAsTheirButtons)
{
    int remembered = 0;
    message_->Prepare(TfChMessage::WebMessage, remembered);
    message_->setResult(0);
    message_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(message_.get()));
    for (int tab = 0; tab < GetParam().tabs; ++tab)
        QTest::keyClick(message_.get(), Qt::Key_Tab);
    QTest::keyClick(message_.get(), GetParam().key);
    const auto answer = GetParam().answer;
    EXPECT_EQ(message_->isVisible(), !answer.has_value());
    EXPECT_EQ(message_->result(), answer.value_or(TfChMessage::TAnswer(0)));
    const std::string stored = ProfileFile(content_.UserSettingsPath(), TFolderOwner::User)
                                   .ReadString("MESSAGES", "ShowWebMessage_yn", "");
    EXPECT_EQ(stored, answer == TfChMessage::Yes ? "0" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, AnswerKeys,
    testing::Values(KeyCase{"Return", 0, Qt::Key_Return, TfChMessage::Yes},
                    KeyCase{"KeypadEnter", 0, Qt::Key_Enter, TfChMessage::Yes},
                    KeyCase{"Escape", 0, Qt::Key_Escape, TfChMessage::No},
                    KeyCase{"OtherKeys", 0, Qt::Key_A, std::nullopt},
                    KeyCase{"ReturnOnAMarkedNo", 1, Qt::Key_Return, TfChMessage::No},
                    KeyCase{"SpaceOnTheDefaultYes", 0, Qt::Key_Space, TfChMessage::Yes},
                    KeyCase{"ReturnWithTheMarkRoundToYesAgain", 2, Qt::Key_Return,
                            TfChMessage::Yes}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST_F(MessageWindowTest, DraggingStaysOnTheScreen)
{
    const QSize screen = message_->screen()->geometry().size();
    const QPoint grip(3, 3); // on the picture, away from the buttons
    struct Drag {
        QPoint by;
        QPoint expected;
    };
    const QPoint start = message_->pos();
    for (const Drag& drag : {Drag{{-5000, 0}, {0, start.y()}}, Drag{{0, -5000}, {start.x(), 0}},
                             Drag{{5000, 0}, {screen.width() - 500, start.y()}},
                             Drag{{0, 5000}, {start.x(), screen.height() - 260}},
                             Drag{{7, 5}, start + QPoint(7, 5)}}) {
        message_->move(start);
        const QPoint pressedAt = message_->mapToGlobal(grip);
        QTest::mousePress(message_.get(), Qt::LeftButton, {}, grip);
        DragTo(pressedAt + drag.by);
        EXPECT_EQ(message_->pos(), drag.expected) << drag.by.x() << "," << drag.by.y();
        QTest::mouseRelease(message_.get(), Qt::LeftButton, {},
                            message_->mapFromGlobal(pressedAt + drag.by));
    }
}

TEST_F(MessageWindowTest, APressOnAButtonDoesNotDrag)
{
    const QPoint start = message_->pos();
    const QRect no = content_.ButtonBounds("no");
    QTest::mousePress(message_.get(), Qt::LeftButton, {}, no.center());
    DragTo(message_->mapToGlobal(no.center()) + QPoint(40, 40));
    EXPECT_EQ(message_->pos(), start);
}

} // namespace
