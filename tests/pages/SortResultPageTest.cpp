#include "SortResultPage.h"

#include "PageAddresses.h"
#include "PageFixtures.h"

#include <gtest/gtest.h>

namespace {

struct PageCase {
    const char* name;
    const char* fixture;
    TVelmoraDataArray works;
};

class SortResultPages : public testing::TestWithParam<PageCase> {};

TEST_P(SortResultPages, AreTheFixtureByteForByte)
{
    const std::string page = SortResultPage(GetParam().works, TPageAddresses(kContentDir));
    EXPECT_EQ(page, Expected(GetParam().fixture));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SortResultPages,
    testing::Values(
        PageCase{"NoWorksGiveTheSkeletonWithEmptyColumns", "sortresult-0-works.htm", {}},
        PageCase{"OneWorkStandsLeftAndTheRightCellIsEmpty",
                 "sortresult-1-works.htm",
                 {Card("tova-7", "Solo", "высокая", 100)}},
        PageCase{"FourWorksSplitTwoAndTwoAndCapitalsNameNoComplexity",
                 "sortresult-4-works.htm",
                 {Card("ilna-1", "Amber", "низкая", 30), Card("mira-2", "Coral", "ВЫСОКАЯ", 60),
                  Card("tova-3", "Dune", "высокая", 90), Card("vesna-4", "Ember", "средняя", 150)}},
        PageCase{"FiveWorksSplitThreeAndTwoAndOtherWordsHaveNoComplexityRow",
                 "sortresult-5-works.htm",
                 {Card("mira-1", "Aurora", "высокая", 45), Card("vesna-2", "Роза", "средняя", 10),
                  Card("ilna-3", "Velvet", "-", 0), Card("tova-4", "Zephyr", "низкая", 250),
                  Card("mira-5", "Ёлка", "Высокая", 71)}}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST(SortResultPageLines, EveryLineEndsInLfCrAndNothingElseBreaksALine)
{
    const std::string page = SortResultPage(
        {Card("a-1", "A", "низкая", 1), Card("b-2", "B", "-", 2), Card("c-3", "C", "высокая", 3)},
        TPageAddresses(kContentDir));
    ASSERT_FALSE(page.empty());
    EXPECT_EQ(page.substr(page.size() - 2), "\n\r");
    for (size_t i = 0; i < page.size(); ++i) {
        if (page[i] == '\n') {
            EXPECT_EQ(page[i + 1], '\r') << "LF without CR at " << i;
        }
        if (page[i] == '\r') {
            EXPECT_EQ(page[i - 1], '\n') << "CR without LF at " << i;
        }
    }
    EXPECT_NE(page.substr(0, 3), "\xEF\xBB\xBF") << "a byte-order mark";
}

struct AddressCase {
    const char* name;
    QString contentDir;
    QString relative;
    std::string expected;
};

class PageAddresses : public testing::TestWithParam<AddressCase> {};

TEST_P(PageAddresses, AreEncodedFileUrlsInsideTheContentFolder)
{
    EXPECT_EQ(TPageAddresses(GetParam().contentDir).FileUrl(GetParam().relative),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PageAddresses,
    testing::Values(AddressCase{"PlainPath", "/c", "\\images\\small\\a-1.jpg",
                                "file:///c/images/small/a-1.jpg"},
                    AddressCase{"PercentAndHashAreEscaped", "/c/100% #2", "\\x.jpg",
                                "file:///c/100%25%20%232/x.jpg"},
                    AddressCase{"NonAsciiLettersAreUtf8", "/c", "\\images\\small\\ёж.jpg",
                                "file:///c/images/small/%D1%91%D0%B6.jpg"},
                    AddressCase{"ParenthesesAndApostrophesAreEscapedForStyles", "/c/(x) it's",
                                "\\y.jpg", "file:///c/%28x%29%20it%27s/y.jpg"},
                    AddressCase{"APathThatLeavesTheFolderHasNoAddress", "/c",
                                "\\images\\..\\..\\etc\\passwd", ""}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
