#include "TextSearch.h"

#include "WorkBuilder.h"

#include <gtest/gtest.h>

#include <limits>

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

// The non-overlapping occurrences of pattern in text, counted from the left, up to atMost; 0
// when either is empty: the scan the search makes, case by case.
int CountOccurrences(std::string_view pattern, std::string_view text, int atMost, TScanWidth width)
{
    if (pattern.empty() || text.empty())
        return 0;
    int count = 0;
    size_t from = 0;
    while (count < atMost && from < text.size()) {
        const size_t found = FindText(text.substr(from), pattern, width);
        if (found == std::string_view::npos)
            break;
        ++count;
        from += found + pattern.size();
    }
    return count;
}

struct CountCase {
    const char* name;
    const char* pattern;
    const char* text;
    int atMost;
    int expected;
};

// Every scan the processor has must count alike.
const auto kScanWidths = testing::Values(TScanWidth::Sixteen, TScanWidth::ThirtyTwo);

// Runs the case on the scan of that width, or skips it where the processor has none.
template <typename TCase>
class OnEveryScan : public testing::TestWithParam<std::tuple<TCase, TScanWidth>> {
protected:
    void SetUp() override
    {
        if (Width() == TScanWidth::ThirtyTwo && WidestScan() != TScanWidth::ThirtyTwo)
            GTEST_SKIP() << "this processor has no 32-byte scan";
    }
    const TCase& Case() const { return std::get<0>(this->GetParam()); }
    TScanWidth Width() const { return std::get<1>(this->GetParam()); }
};

template <typename TParamInfo> std::string CaseAndWidth(const TParamInfo& paramInfo)
{
    return std::string(std::get<0>(paramInfo.param).name) +
           (std::get<1>(paramInfo.param) == TScanWidth::Sixteen ? "_16" : "_32");
}

class Occurrences : public OnEveryScan<CountCase> {};

TEST_P(Occurrences, AreCountedFromTheLeftWithoutOverlapping)
{
    EXPECT_EQ(CountOccurrences(Case().pattern, Case().text, Case().atMost, Width()),
              Case().expected);
}

constexpr int kAll = std::numeric_limits<int>::max();

INSTANTIATE_TEST_SUITE_P(
    Table, Occurrences,
    testing::Combine(testing::Values(CountCase{"EmptyPatternCountsNone", "", "abc", kAll, 0},
                                     CountCase{"EmptyTextCountsNone", "a", "", kAll, 0},
                                     CountCase{"AbsentCountsNone", "x", "abc", kAll, 0},
                                     CountCase{"EveryOccurrence", "ab", "abxab", kAll, 2},
                                     CountCase{"OverlapsCountOnce", "aa", "aaa", kAll, 1},
                                     CountCase{"RunsCountInPairs", "aa", "aaaaa", kAll, 2},
                                     CountCase{"CaseCounts", "A", "aA", kAll, 1},
                                     CountCase{"StopsAtTheLimit", "a", "aaaa", 1, 1}),
                     kScanWidths),
    [](const auto& paramInfo) { return CaseAndWidth(paramInfo); });

struct LongTextCase {
    const char* name;
    size_t before; // filler bytes before the pattern
    const char* pattern;
    size_t after; // filler bytes after it
};

class LongTexts : public OnEveryScan<LongTextCase> {};

// Texts longer than the bytes compared at once: the pattern anywhere in a block, across two
// blocks and in the tail after the last whole block.
TEST_P(LongTexts, FindThePatternWhereverItStands)
{
    const std::string text =
        std::string(Case().before, 'x') + Case().pattern + std::string(Case().after, 'x');
    EXPECT_EQ(CountOccurrences(Case().pattern, text, kAll, Width()), 1) << text;
    // Its first two bytes and its last byte in their places are no match when a byte between
    // differs.
    const std::string_view pattern = Case().pattern;
    if (pattern.size() <= 3)
        return;
    const std::string ends = std::string(Case().before, 'x') + std::string(pattern.substr(0, 2)) +
                             std::string(pattern.size() - 3, 'x') + pattern.back() +
                             std::string(Case().after, 'x');
    EXPECT_EQ(CountOccurrences(pattern, ends, kAll, Width()), 0) << ends;
}

INSTANTIATE_TEST_SUITE_P(
    Table, LongTexts,
    testing::Combine(testing::Values(LongTextCase{"AtTheStart", 0, "abc", 60},
                                     LongTextCase{"InTheFirstBlock", 5, "abc", 60},
                                     LongTextCase{"AcrossTwoBlocks", 14, "abcd", 60},
                                     LongTextCase{"OneByteInALaterBlock", 37, "a", 40},
                                     LongTextCase{"InTheTail", 60, "abc", 1},
                                     LongTextCase{"AtTheVeryEnd", 61, "abcdef", 0},
                                     LongTextCase{"AcrossTwoWideBlocks", 30, "abcd", 60},
                                     LongTextCase{"InTheSecondBlockOfAStep", 40, "abc", 70},
                                     LongTextCase{"AcrossTwoSteps", 62, "abcd", 70},
                                     LongTextCase{"AsLongAsABlock", 20, "abcdefghijklmnopq", 20},
                                     LongTextCase{"AsLongAsAWideBlock", 20,
                                                  "abcdefghijklmnopqrstuvwxyz012345z", 50}),
                     kScanWidths),
    [](const auto& paramInfo) { return CaseAndWidth(paramInfo); });

TEST(LongTextsCount, RepeatedPatternsAreCountedAcrossBlocks)
{
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "ab";
    for (const TScanWidth width : {TScanWidth::Sixteen, WidestScan()}) {
        EXPECT_EQ(CountOccurrences("ab", text, kAll, width), 40);
        EXPECT_EQ(CountOccurrences("aba", text, kAll, width), 20) << "without overlapping";
        EXPECT_EQ(CountOccurrences("ab", text, 3, width), 3);
    }
}

// The catalogue the searches below run on, in load order.
const TVelmoraDataArray& Catalogue()
{
    static const TVelmoraDataArray works = {
        WorkWithText("mira-1", {"Нежная роза на бежевом.", "Velvet touch."}),
        WorkWithText("mira-2", {"Rose gold foil, red", "rose sticker"}),
        WorkWithText("ilna-0", {}),
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
                    FindCase{"NeverAcrossAWorkWithoutText", "sticker\r\nроза", {}},
                    FindCase{"ASpanningMatchDoesNotHideALaterOne", "\r\nrose", {"mira-2"}},
                    FindCase{"NothingFound", "лак", {}},
                    FindCase{"EmptyQueryFindsNothing", "", {}}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
