#include "ContentPath.h"

#include <gtest/gtest.h>

namespace {

struct JoinCase {
    const char* name;
    const char* relative;
    const char* expected;
};

class ContentPathJoin : public testing::TestWithParam<JoinCase> {};

TEST_P(ContentPathJoin, JoinsWithOneSeparatorAndForwardSlashes)
{
    EXPECT_EQ(
        ContentPath::Join(QStringLiteral("/opt/velmora"), QString::fromUtf8(GetParam().relative)),
        QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    RelativeForms, ContentPathJoin,
    testing::Values(
        JoinCase{"LeadingBackslashAndNestedFolders", "\\design\\windows\\main\\fon.jpg",
                 "/opt/velmora/design/windows/main/fon.jpg"},
        JoinCase{"LeadingBackslashAndFileOnly", "\\settings.ini", "/opt/velmora/settings.ini"},
        JoinCase{"BareFileName", "buttons.ini", "/opt/velmora/buttons.ini"},
        JoinCase{"NoLeadingSeparatorAndABlankInTheName", "design\\buttons\\close up.jpg",
                 "/opt/velmora/design/buttons/close up.jpg"},
        JoinCase{"CyrillicName", "\\html\\мира-1.htm.txt", "/opt/velmora/html/мира-1.htm.txt"},
        JoinCase{"ParentStepStayingInside", "\\html\\..\\buttons.ini", "/opt/velmora/buttons.ini"},
        JoinCase{"DoubledSeparatorAndCurrentFolderStep", "\\\\html\\.\\about.htm",
                 "/opt/velmora/html/about.htm"}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

struct LeavingCase {
    const char* name;
    const char* relative;
};

// A path out of the content folder names no file at all.
class ContentPathLeaving : public testing::TestWithParam<LeavingCase> {};

TEST_P(ContentPathLeaving, GivesNoPath)
{
    EXPECT_TRUE(
        ContentPath::Join(QStringLiteral("/opt/velmora"), QString::fromUtf8(GetParam().relative))
            .isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Table, ContentPathLeaving,
                         testing::Values(LeavingCase{"ClimbsToTheRoot", "..\\..\\..\\dev\\zero"},
                                         LeavingCase{"ClimbsIntoASiblingFolder",
                                                     "\\..\\velmora-other\\a.jpg"},
                                         LeavingCase{"ClimbsPastItsOwnFolder", "design\\..\\..\\x"},
                                         LeavingCase{"IsTheParent", ".."},
                                         LeavingCase{"SlashesClimbToo", "/../../etc/passwd"}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
