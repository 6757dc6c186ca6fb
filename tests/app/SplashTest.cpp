#include "ContentPath.h"
#include "JpegPicture.h"
#include "ManualTicks.h"
#include "WindowTestContent.h"
#include "uChLoader.h"

#include <gtest/gtest.h>

namespace {

struct WidthCase {
    const char* name;
    double elapsedUnits;
    int width;
};

class SplashBarWidth : public testing::TestWithParam<WidthCase> {};

TEST_P(SplashBarWidth, FollowsElapsedTimeRoundingHalvesToEven)
{
    EXPECT_EQ(TfLoader::BarWidth(GetParam().elapsedUnits), GetParam().width);
}

// 2000 units give 245.5, 6000 give 736.5, 1000 give 122.75.
INSTANTIATE_TEST_SUITE_P(Table, SplashBarWidth,
                         testing::Values(WidthCase{"NoTimeNoBar", 0, 0},
                                         WidthCase{"QuarterRoundsToNearest", 1000, 123},
                                         WidthCase{"HalfwayHalfRoundsUpToEven", 2000, 246},
                                         WidthCase{"WholeDurationFillsTheBar", 4000, 491},
                                         WidthCase{"PastTheDurationKeepsGrowing", 4008, 492},
                                         WidthCase{"OneAndAHalfHalfRoundsDownToEven", 6000, 736},
                                         WidthCase{"NegativeTimeGivesNegativeWidth", -8, -1}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

class SplashTest : public testing::Test {
protected:
    TWindowTestContent content_;
    // The splash's time unit is 0.864 ms.
    void AdvanceUnits(double units)
    {
        ticks_.Advance(std::chrono::duration<double, std::milli>(units * 0.864));
    }

    TManualTicks ticks_;
    const TSkin skin_{ContentPath::ContentDir()};
    TfLoader splash_{ticks_, skin_};
};

TEST_F(SplashTest, TimesItselfFromTheFirstTick)
{
    EXPECT_EQ(splash_.size(), QSize(500, 407));
    EXPECT_TRUE(splash_.IsTiming());
    AdvanceUnits(2);
    EXPECT_EQ(splash_.CurrentBarWidth(), 0);
    AdvanceUnits(2000);
    EXPECT_EQ(splash_.CurrentBarWidth(), 246);
    AdvanceUnits(2000);
    EXPECT_TRUE(splash_.IsTiming()) << "not beyond the duration yet";
    AdvanceUnits(2);
    EXPECT_FALSE(splash_.IsTiming());
    EXPECT_EQ(splash_.CurrentBarWidth(), 491);
}

TEST_F(SplashTest, QuickPaceForTestsFillsTheWholeBarInASixteenthOfTheTime)
{
    TfLoader quick(ticks_, skin_, TSplashPace::Quick);
    AdvanceUnits(2);
    AdvanceUnits(249); // 3984 of the splash's 4000 units
    EXPECT_TRUE(quick.IsTiming());
    EXPECT_EQ(quick.CurrentBarWidth(), 489);
    AdvanceUnits(1.25);
    EXPECT_FALSE(quick.IsTiming());
    EXPECT_EQ(quick.CurrentBarWidth(), 491);
}

TEST_F(SplashTest, DrawsTheBarOverTheBackgroundUpToItsWidth)
{
    QImage background, progress;
    LoadJpegBitmap(content_.Path("design/loader/loading_bg.jpg"), background);
    LoadJpegBitmap(content_.Path("design/loader/loading_pr.jpg"), progress);
    AdvanceUnits(2);
    AdvanceUnits(1000); // 123 pixels
    const QImage shown = splash_.grab().toImage();
    EXPECT_EQ(shown.pixel(20 + 60, 319), progress.pixel(60, 0))
        << "inside the bar, unscaled across";
    EXPECT_EQ(shown.pixel(20 + 130, 319 + 19), background.pixel(20 + 130, 319 + 19))
        << "past the bar";
    EXPECT_EQ(shown.pixel(20 + 60, 318), background.pixel(20 + 60, 318)) << "above the bar";
    EXPECT_EQ(shown.pixel(20 + 60, 358), background.pixel(20 + 60, 358))
        << "below the bar's 39 rows";
}

} // namespace
