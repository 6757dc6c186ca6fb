#include "HintDisplay.h"

#include "EventWait.h"
#include "ManualTicks.h"

#include <QCursor>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// The hint as the user reads it.
QString ShownText()
{
    QTextDocument shown;
    shown.setHtml(QToolTip::text());
    return shown.toPlainText();
}

class HintDisplayTest : public testing::Test {
protected:
    HintDisplayTest()
    {
        window_.resize(200, 100);
        window_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }
    ~HintDisplayTest() override { QToolTip::hideText(); }

    // The pointer rests for as long as a hint waits.
    void Rest() { ticks_.Advance(std::chrono::milliseconds(500)); }

    TManualTicks ticks_;
    QWidget window_;
    THintDisplay hint_{window_, ticks_};
};

TEST_F(HintDisplayTest, ShowsAfterARestWhileHandlersKeepAskingForTheSameHint)
{
    hint_.SetText("Works by material");
    hint_.SetOn(true);
    hint_.Apply();
    // The window's clocks run their handlers every few milliseconds meanwhile.
    for (int tick = 0; tick < 49; ++tick) {
        ticks_.Advance(std::chrono::milliseconds(10));
        hint_.Apply();
    }
    EXPECT_TRUE(hint_.IsWaiting());
    EXPECT_FALSE(QToolTip::isVisible());
    ticks_.Advance(std::chrono::milliseconds(10));
    EXPECT_TRUE(WaitFor([] { return QToolTip::isVisible(); }, 3000));
    EXPECT_EQ(ShownText(), "Works by material");
}

TEST_F(HintDisplayTest, SwitchedOffItGoesAndAWaitingHintNeverShows)
{
    hint_.SetText("Close");
    hint_.SetOn(true);
    hint_.Apply();
    Rest();
    ASSERT_TRUE(WaitFor([] { return QToolTip::isVisible(); }, 3000));
    hint_.SetOn(false);
    hint_.Apply();
    EXPECT_TRUE(WaitFor([] { return !QToolTip::isVisible(); }, 3000));

    hint_.SetOn(true);
    hint_.Apply();
    hint_.SetOn(false);
    hint_.Apply();
    EXPECT_FALSE(hint_.IsWaiting());
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST_F(HintDisplayTest, AWindowHiddenWhileItsHintWaitsShowsNone)
{
    hint_.SetText("Close");
    hint_.SetOn(true);
    hint_.Apply();
    window_.hide();
    Rest();
    EXPECT_FALSE(hint_.IsWaiting());
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST_F(HintDisplayTest, AHintWaitsInVainWhileThePointerIsOverAChildWindow)
{
    QWidget child(&window_);
    child.setGeometry(window_.rect());
    child.show();
    const QPoint inside = window_.mapToGlobal(QPoint(50, 50));
    QCursor::setPos(inside);
    ASSERT_EQ(QCursor::pos(), inside);
    hint_.SetText("About the catalogue");
    hint_.SetOn(true);
    hint_.Apply();
    Rest();
    EXPECT_FALSE(hint_.IsWaiting());
    EXPECT_FALSE(QToolTip::isVisible());
}

// Dialogs, boxes and skinned windows shown over a window take its hint away; a page showing
// inside a window does not.
TEST_F(HintDisplayTest, AWindowShownOverItTakesItsHintAwayShownOrWaiting)
{
    hint_.SetText("Open the large picture");
    hint_.SetOn(true);
    hint_.Apply();
    Rest();
    ASSERT_TRUE(WaitFor([] { return QToolTip::isVisible(); }, 3000));
    QWidget over;
    over.show();
    EXPECT_TRUE(WaitFor([] { return !QToolTip::isVisible(); }, 3000));

    over.hide();
    hint_.SetOn(true);
    hint_.Apply();
    QWidget page(&window_);
    page.show();
    EXPECT_TRUE(hint_.IsWaiting());
    QWidget skinned(&window_);
    const THintDisplay skinnedHint(skinned, ticks_);
    skinned.show();
    EXPECT_FALSE(hint_.IsWaiting());
}

struct TitleCase {
    const char* name;
    QString title;
};

class HintTitles : public HintDisplayTest, public testing::WithParamInterface<TitleCase> {};

// A skin's title is shown as the text it is, never read as markup.
TEST_P(HintTitles, ShowAsPlainText)
{
    // A picture markup could load: a large one would make the hint as large if it did.
    QTemporaryDir dir;
    QImage(400, 400, QImage::Format_RGB32).save(dir.filePath("big.png"));
    const QString title = QString(GetParam().title).replace("DIR", dir.path());
    hint_.SetText(title);
    hint_.SetOn(true);
    hint_.Apply();
    Rest();
    ASSERT_TRUE(WaitFor([] { return QToolTip::isVisible(); }, 3000));
    EXPECT_EQ(ShownText(), title);
}

INSTANTIATE_TEST_SUITE_P(Table, HintTitles,
                         testing::Values(TitleCase{"Picture", "<img src=\"DIR/big.png\">"},
                                         TitleCase{"DeeplyNestedTables",
                                                   QString("<table><tr><td>").repeated(5000)},
                                         TitleCase{"EntityAndBlanks", "Gold &amp; rose  <b>"}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
