#include "TextSearch.h"

#include "WorkBuilder.h"

#include <gtest/gtest.h>

namespace {

TVelmoraData WorkWithText(std::string_view fileName, std::vector<std::string_view> utf8Lines)
{
    TVelmoraData work = Work(fileName, fileName);
    auto lines = std::make_shared<TStringList>();
    for (const std::string_view line : utf8Lines)
        lines->push_back(Win1251::FromUtf8(line));
    work.Text = lines;
    return work;
}

struct CountCase {
    const char* name;
    const char* pattern;
    const char* text;
    int atMost;
    int expected;
};

class Occurrences : public testing::TestWithParam<CountCase> {};

TEST_P(Occurrences, AreCountedFromTheLeftWithoutOverlapping)
{
    EXPECT_EQ(CountOccurrences(GetParam().pattern, GetParam().text, GetParam().atMost),
              GetParam().expected);
}

constexpr int kAll = std::numeric_limits<int>::max();

INSTANTIATE_TEST_SUITE_P(Table, Occurrences,
                         testing::Values(CountCase{"EmptyPatternCountsNone", "", "abc", kAll, 0},
                                         CountCase{"EmptyTextCountsNone", "a", "", kAll, 0},
                                         CountCase{"AbsentCountsNone", "x", "abc", kAll, 0},
                                         CountCase{"EveryOccurrence", "ab", "abxab", kAll, 2},
                                         CountCase{"OverlapsCountOnce", "aa", "aaa", kAll, 1},
                                         CountCase{"RunsCountInPairs", "aa", "aaaaa", kAll, 2},
                                         CountCase{"CaseCounts", "A", "aA", kAll, 1},
                                         CountCase{"StopsAtTheLimit", "a", "aaaa", 1, 1}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

// The catalogue the searches below run on, in load order.
const TVelmoraDataArray& Catalogue()
{
    static const TVelmoraDataArray works = {
        WorkWithText("mira-1", {"Нежная роза на бежевом.", "Velvet touch."}),
        WorkWithText("mira-2", {"Rose gold foil, red", "rose sticker"}),
        WorkWithText("vesna-1", {"РОЗА и роза и Роза, трижды.", "Ёлочка."}),
        WorkWithText("vesna-2", {"Geometry only, red rose here"}),
        WorkWithText("ilna-1", {}),
    };
    return works;
}

struct FindCase {
    const char* name;
    const char* query;
    std::vector<std::string> expected;
};

class Searches : public testing::TestWithParam<FindCase> {};

TEST_P(Searches, FindTheWorksWhoseTextHoldsTheQueryInCatalogueOrder)
{
    const TSearchTexts texts(Catalogue());
    EXPECT_EQ(FileNames(texts.Find(Catalogue(), Win1251::FromUtf8(GetParam().query))),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Searches,
    testing::Values(FindCase{"CyrillicLowerCase", "роза", {"mira-1", "vesna-1"}},
                    FindCase{"CyrillicUpperCase", "РОЗА", {"mira-1", "vesna-1"}},
                    FindCase{"CyrillicMixedCase", "Роза", {"mira-1", "vesna-1"}},
                    FindCase{"LatinIgnoresCase", "VELVET", {"mira-1"}},
                    FindCase{"YoIsUpperCasedToo", "ёлочка", {"vesna-1"}},
                    FindCase{"NeverAcrossALineBreak", "red rose", {"vesna-2"}},
                    FindCase{"ALineEndIsPartOfTheText", "red\r\nrose", {"mira-2"}},
                    FindCase{"NamesAreNotSearched", "vesna-2", {}},
                    FindCase{"NeverFromOneWorkIntoTheNext", "touch.\r\nrose", {}},
                    FindCase{"ASpanningMatchDoesNotHideALaterOne", "\r\nrose", {"mira-2"}},
                    FindCase{"NothingFound", "лак", {}},
                    FindCase{"EmptyQueryFindsNothing", "", {}}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
