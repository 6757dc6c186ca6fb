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

struct LongTextCase {
    const char* name;
    size_t before; // filler bytes before the pattern
    const char* pattern;
    size_t after; // filler bytes after it
};

class LongTexts : public testing::TestWithParam<LongTextCase> {};

// Texts longer than the sixteen bytes compared at once: the pattern anywhere in a block, across
// two blocks and in the tail after the last whole block.
TEST_P(LongTexts, FindThePatternWhereverItStands)
{
    const std::string text = std::string(GetParam().before, 'x') + GetParam().pattern +
                             std::string(GetParam().after, 'x');
    EXPECT_EQ(CountOccurrences(GetParam().pattern, text), 1) << text;
    // Its first byte alone is no match where the pattern is longer.
    const std::string firstByteOnly =
        std::string(GetParam().before, 'x') + "a" + std::string(GetParam().after + 2, 'x');
    EXPECT_EQ(CountOccurrences(GetParam().pattern, firstByteOnly),
              std::string_view(GetParam().pattern).size() == 1 ? 1 : 0)
        << firstByteOnly;
}

INSTANTIATE_TEST_SUITE_P(Table, LongTexts,
                         testing::Values(LongTextCase{"AtTheStart", 0, "abc", 60},
                                         LongTextCase{"InTheFirstBlock", 5, "abc", 60},
                                         LongTextCase{"AcrossTwoBlocks", 14, "abcd", 60},
                                         LongTextCase{"OneByteInALaterBlock", 37, "a", 40},
                                         LongTextCase{"InTheTail", 60, "abc", 1},
                                         LongTextCase{"AtTheVeryEnd", 61, "abcdef", 0},
                                         LongTextCase{"AsLongAsABlock", 20, "abcdefghijklmnopq",
                                                      20}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST(LongTextsCount, RepeatedPatternsAreCountedAcrossBlocks)
{
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "ab";
    EXPECT_EQ(CountOccurrences("ab", text), 40);
    EXPECT_EQ(CountOccurrences("aba", text), 20) << "without overlapping";
    EXPECT_EQ(CountOccurrences("ab", text, 3), 3);
}

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
