#include "FilterSettings.h"

#include "FileSizeLimit.h"
#include "SettingsFile.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

namespace {

// Two small groups stand for the window's seven: what matters is how counts meet sizes.
const std::vector<size_t> kSizes = {0, 3, 2};

struct ReadCase {
    const char* name;
    const char* file; // settings.ini, or nullptr for none
    TFilterStates expected;
};

class FilterStatesReading : public testing::TestWithParam<ReadCase> {};

TEST_P(FilterStatesReading, TakeWhatTheWindowHasAndLeaveTheRestOff)
{
    TestFiles::TContentFolder dir;
    if (GetParam().file)
        TestFiles::Write(dir.filePath("settings.ini"), GetParam().file);
    EXPECT_EQ(ReadFilterStates(dir.path(), kSizes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FilterStatesReading,
    testing::Values(
        ReadCase{"NoFileIsAllOff", nullptr, {{}, {false, false, false}, {false, false}}},
        ReadCase{"StoredSwitchesComeBack",
                 "[SETTINGS]\r\nallparamcount=3\r\n[param2]\r\nparamcount=3\r\nparam1=0\r\n"
                 "param2=1\r\nparam3=1\r\n[param3]\r\nparamcount=2\r\nparam1=1\r\nparam2=0\r\n",
                 {{}, {false, true, true}, {true, false}}},
        ReadCase{"SurplusGroupsAndButtonsAreIgnored",
                 "[SETTINGS]\r\nallparamcount=9\r\n[param2]\r\nparamcount=5\r\nparam1=1\r\n"
                 "param4=1\r\nparam5=1\r\n[param4]\r\nparamcount=1\r\nparam1=1\r\n",
                 {{}, {true, false, false}, {false, false}}},
        ReadCase{"FewerGroupsThanTheWindowLeaveTheLaterOnesOff",
                 "[SETTINGS]\r\nallparamcount=2\r\n[param2]\r\nparamcount=3\r\nparam1=1\r\n"
                 "[param3]\r\nparamcount=2\r\nparam1=1\r\n",
                 {{}, {true, false, false}, {false, false}}},
        ReadCase{"AShorterCountLeavesTheLaterButtonsOff",
                 "[SETTINGS]\r\nallparamcount=3\r\n[param2]\r\nparamcount=1\r\nparam1=1\r\n"
                 "param2=1\r\n",
                 {{}, {true, false, false}, {false, false}}},
        ReadCase{"NegativeAndGarbageCountsReadAsNone",
                 "[SETTINGS]\r\nallparamcount=-4\r\n[param2]\r\nparamcount=3\r\nparam1=1\r\n",
                 {{}, {false, false, false}, {false, false}}},
        ReadCase{"OnlyOneMeansOn",
                 "[SETTINGS]\r\nallparamcount=3\r\n[param2]\r\nparamcount=x\r\n"
                 "[param3]\r\nparamcount=2\r\nparam1=2\r\nparam2=yes\r\n",
                 {{}, {false, false, false}, {false, false}}}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

const TFilterStates kAllOff = {{}, {false, false, false}, {false, false}};

TEST(FilterStatesWriting, StoreTheChangedSwitchesAndKeepWhatElseTheFileHolds)
{
    TestFiles::TContentFolder dir;
    const QString path = dir.filePath("settings.ini");
    TestFiles::Write(path, "[MESSAGES]\r\nShowCloseMessage_yn=0\r\n[param2]\r\nparam7=1\r\n");
    const TFilterStates states = {{}, {false, true, false}, {true, true}};
    WriteFilterChanges(dir.path(), kAllOff, states);
    EXPECT_EQ(ReadFilterStates(dir.path(), kSizes), states);
    const std::string written = TestFiles::Read(path);
    EXPECT_NE(written.find("ShowCloseMessage_yn=0"), std::string::npos);
    EXPECT_NE(written.find("param7=1"), std::string::npos) << "a surplus entry stays";
    EXPECT_NE(written.find("allparamcount=3"), std::string::npos);
    EXPECT_EQ(written.find("param1=0"), std::string::npos) << "a switch left off is not written";
}

TEST(FilterStatesWriting, AReleaseThatChangedNothingWritesNothing)
{
    TestFiles::TContentFolder dir;
    const QString path = dir.filePath("settings.ini");
    const std::string before = "[param2]\r\nparam2=1\r\n";
    TestFiles::Write(path, before);
    const TFilterStates states = {{}, {false, true, false}, {false, false}};
    WriteFilterChanges(dir.path(), states, states);
    EXPECT_EQ(TestFiles::Read(path), before);
}

// Two viewers of one user read the same switches at start, then each changes its own.
TEST(FilterStatesWriting, TwoViewersKeepEachOthersSwitches)
{
    TestFiles::TContentFolder dir;
    const TFilterStates first = {{}, {true, false, false}, {false, false}};
    const TFilterStates second = {{}, {false, false, false}, {false, true}};
    WriteFilterChanges(dir.path(), kAllOff, first);
    WriteFilterChanges(dir.path(), kAllOff, second);
    EXPECT_EQ(ReadFilterStates(dir.path(), kSizes),
              (TFilterStates{{}, {true, false, false}, {false, true}}));
}

// Writers at once, as two viewers releasing together: each write reads the file as the one
// before it left it, so no value is lost.
TEST(SettingsWriting, WritersAtOnceLoseNothing)
{
    TestFiles::TContentFolder dir;
    constexpr int kWriters = 4;
    constexpr int kWritesEach = 20;
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w) {
        writers.emplace_back([&dir, w] {
            for (int n = 0; n < kWritesEach; ++n) {
                const TProfileInteger value{"w" + std::to_string(w), "n" + std::to_string(n), 1};
                WriteSettings(dir.path(), {&value, 1});
            }
        });
    }
    for (std::thread& writer : writers)
        writer.join();
    const ProfileFile settings = OpenSettings(dir.path());
    for (int w = 0; w < kWriters; ++w) {
        for (int n = 0; n < kWritesEach; ++n)
            EXPECT_EQ(settings.ReadInteger("w" + std::to_string(w), "n" + std::to_string(n), 0), 1)
                << w << " " << n;
    }
}

TEST(FilterStatesWriting, AFailedWriteSaysWhichFileAndWhyAndKeepsTheOldOne)
{
    TestFiles::TContentFolder dir;
    const QString path = dir.filePath("settings.ini");
    const std::string before = "[SETTINGS]\r\nallparamcount=0\r\n";
    TestFiles::Write(path, before);
    try {
        const FileSizeLimit diskFull(16);
        WriteFilterChanges(dir.path(), kAllOff, {{}, {true, true, true}, {true, true}});
        ADD_FAILURE() << "the write did not fail";
    } catch (const ESettingsWriteError& error) {
        EXPECT_NE(std::string(error.what()).find("settings.ini"), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(TestFiles::Read(path), before);
}

} // namespace
