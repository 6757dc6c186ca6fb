#include "FilterSettings.h"

#include "FileSizeLimit.h"
#include "SettingsFile.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    QTemporaryDir dir;
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

TEST(FilterStatesWriting, StoreEverySwitchAndKeepWhatElseTheFileHolds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    TestFiles::Write(path, "[MESSAGES]\r\nShowCloseMessage_yn=0\r\n[param2]\r\nparam7=1\r\n");
    const TFilterStates states = {{}, {false, true, false}, {true, true}};
    WriteFilterStates(dir.path(), states);
    EXPECT_EQ(ReadFilterStates(dir.path(), kSizes), states);
    const std::string written = TestFiles::Read(path);
    EXPECT_NE(written.find("ShowCloseMessage_yn=0"), std::string::npos);
    EXPECT_NE(written.find("param7=1"), std::string::npos) << "a surplus entry stays";
    EXPECT_NE(written.find("allparamcount=3"), std::string::npos);
}

TEST(FilterStatesWriting, AFailedWriteSaysWhichFileAndWhyAndKeepsTheOldOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    const std::string before = "[SETTINGS]\r\nallparamcount=0\r\n";
    TestFiles::Write(path, before);
    try {
        const FileSizeLimit diskFull(16);
        WriteFilterStates(dir.path(), {{}, {true, true, true}, {true, true}});
        ADD_FAILURE() << "the write did not fail";
    } catch (const ESettingsWriteError& error) {
        EXPECT_NE(std::string(error.what()).find("settings.ini"), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(TestFiles::Read(path), before);
}

} // namespace
