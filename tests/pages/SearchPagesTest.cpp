#include "SearchPages.h"

#include "PageAddresses.h"
#include "PageFixtures.h"

#include <gtest/gtest.h>

namespace {

TVelmoraData Hit(std::string_view fileName, std::string_view name, std::string_view author,
                 std::string_view complicate = "-", int time = 0)
{
    TVelmoraData work = Card(fileName, name, complicate, time);
    work.Author = Win1251::FromUtf8(author);
    return work;
}

struct SearchPageCase {
    const char* name;
    const char* fixture;
    TSearchLayout layout;
    TVelmoraDataArray hits;
};

class SearchResultPages : public testing::TestWithParam<SearchPageCase> {};

TEST_P(SearchResultPages, AreTheFixtureByteForByte)
{
    EXPECT_EQ(SearchResultPage(GetParam().hits, GetParam().layout, TPageAddresses(kContentDir)),
              Expected(GetParam().fixture));
}

INSTANTIATE_TEST_SUITE_P(
    Table, SearchResultPages,
    testing::Values(
        SearchPageCase{"TenHitsAsTextAreNumbered01To10",
                       "searchresult-text-10-hits.htm",
                       TSearchLayout::TextList,
                       {Hit("a", "Aurora", "Mira Tallis"), Hit("b", "Роза", "Vesna Korlan"),
                        Hit("c", "Velvet", "Ilna Dravec"), Hit("d", "Zephyr", "Tova Renquist"),
                        Hit("e", "Ёлка", "Mira Tallis"), Hit("f", "Amber", "Vesna Korlan"),
                        Hit("g", "Coral", "Ilna Dravec"), Hit("h", "Dune", "Tova Renquist"),
                        Hit("i", "Ember", "Mira Tallis"), Hit("j", "Frost", "Vesna Korlan")}},
        SearchPageCase{"OneCardStandsLeftAndTheRightCellIsEmpty",
                       "searchresult-cards-1-hit.htm",
                       TSearchLayout::Cards,
                       {Hit("tova-7", "Solo", "", "низкая", 100)}},
        SearchPageCase{
            "TwoCardsOneInEachColumnTimeZeroWritten",
            "searchresult-cards-2-hits.htm",
            TSearchLayout::Cards,
            {Hit("tova-7", "Solo", "", "низкая", 100), Hit("mira-2", "Coral", "", "высокая", 0)}},
        SearchPageCase{"FiveCardsSplitThreeAndTwo",
                       "searchresult-cards-5-hits.htm",
                       TSearchLayout::Cards,
                       {Hit("a-1", "One", "", "высокая", 10), Hit("a-2", "Two", "", "Высокая", 0),
                        Hit("a-3", "Three", "", "средняя", 30),
                        Hit("a-4", "Four", "", "низкая", 40), Hit("a-5", "Five", "", "-", 50)}},
        SearchPageCase{"ThreeHitsAsCardsSplitTwoAndOneWithTheSearchCardsBytes",
                       "searchresult-cards-3-hits.htm",
                       TSearchLayout::Cards,
                       {Hit("mira-1", "Aurora", "", "высокая", 45),
                        Hit("ilna-3", "Velvet", "", "-"),
                        Hit("vesna-2", "Роза", "", "средняя", 10)}}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST(HistoryPageTest, KeepsEqualQueriesAsTwoEntries)
{
    const THistoryArray history = {{Win1251::FromUtf8("Лак")}, {Win1251::FromUtf8("Лак")}};
    EXPECT_EQ(HistoryPage(history, TPageAddresses(kContentDir)),
              Expected("historyresult-2-equal-queries.htm"));
}

TEST(HistoryPageTest, ListsTheQueriesNewestFirstAsTheTextTyped)
{
    const THistoryArray history = {{Win1251::FromUtf8("роза")},
                                   {R"(<img src=x onerror=alert(1)> &amp; "q")"}};
    EXPECT_EQ(HistoryPage(history, TPageAddresses(kContentDir)),
              Expected("historyresult-2-queries.htm"));
}

} // namespace
