#include "ContentPath.h"

#include <gtest/gtest.h>

namespace {

struct JoinCase {
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

INSTANTIATE_TEST_SUITE_P(RelativeForms, ContentPathJoin,
                         testing::Values(JoinCase{"\\design\\windows\\main\\fon.jpg",
                                                  "/opt/velmora/design/windows/main/fon.jpg"},
                                         JoinCase{"\\settings.ini", "/opt/velmora/settings.ini"},
                                         JoinCase{"buttons.ini", "/opt/velmora/buttons.ini"},
                                         JoinCase{"design\\buttons\\close up.jpg",
                                                  "/opt/velmora/design/buttons/close up.jpg"},
                                         JoinCase{"\\html\\мира-1.htm.txt",
                                                  "/opt/velmora/html/мира-1.htm.txt"}));

} // namespace
