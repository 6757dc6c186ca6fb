#include "HintDisplay.h"

#include <QTest>
#include <QToolTip>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class HintDisplayTest : public testing::Test {
protected:
    HintDisplayTest()
    {
        window_.resize(200, 100);
        window_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }
    ~HintDisplayTest() override { QToolTip::hideText(); }

    QWidget window_;
    THintDisplay hint_{window_};
};

TEST_F(HintDisplayTest, ShowsAfterARestWhileHandlersKeepAskingForTheSameHint)
{
    hint_.SetText("Works by material");
    hint_.SetOn(true);
    hint_.Apply();
    // The window's clocks run their handlers every few milliseconds meanwhile.
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] { hint_.Apply(); });
    ticks.start(10);
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 3000));
    EXPECT_EQ(QToolTip::text(), "Works by material");
}

TEST_F(HintDisplayTest, SwitchedOffItGoesAndAWaitingHintNeverShows)
{
    hint_.SetText("Close");
    hint_.SetOn(true);
    hint_.Apply();
    ASSERT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 3000));
    hint_.SetOn(false);
    hint_.Apply();
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 3000));

    hint_.SetOn(true);
    hint_.Apply();
    hint_.SetOn(false);
    hint_.Apply();
    QTest::qWait(800);
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST_F(HintDisplayTest, AWindowHiddenWhileItsHintWaitsShowsNone)
{
    hint_.SetText("Close");
    hint_.SetOn(true);
    hint_.Apply();
    window_.hide();
    QTest::qWait(800);
    EXPECT_FALSE(QToolTip::isVisible());
}

} // namespace
