#include "Filters.h"

#include "WorkBuilder.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

TVelmoraData WorkWith(std::string_view fileName, std::string_view name,
                      std::string TVelmoraData::*field, std::string_view value)
{
    TVelmoraData work = Work(fileName, name);
    work.*field = Win1251::FromUtf8(value);
    return work;
}

TVelmoraData Timed(std::string_view fileName, int time)
{
    TVelmoraData work = Work(fileName, fileName);
    work.Time = time;
    return work;
}

TFilterFlags OnlyFlag(size_t flag, size_t count)
{
    TFilterFlags flags(count, false);
    flags[flag - 1] = true;
    return flags;
}

struct TimeCase {
    const char* name;
    int time;
    std::vector<size_t> bands; // 1-based, as the filter's flags
};

class TimeBands : public testing::TestWithParam<TimeCase> {};

TEST_P(TimeBands, BothEndsBelongToTheBand)
{
    const TVelmoraDataArray works = {Timed("w", GetParam().time)};
    for (size_t band = 1; band <= 5; ++band) {
        const bool expected = std::find(GetParam().bands.begin(), GetParam().bands.end(), band) !=
                              GetParam().bands.end();
        EXPECT_EQ(FilterByTime(works, OnlyFlag(band, 5)).size(), expected ? 1u : 0u)
            << "time " << GetParam().time << " band " << band;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, TimeBands,
    testing::Values(TimeCase{"JustBelowTheFirstBandIsInNone", 9, {}},
                    TimeCase{"Band1StartsAt10", 10, {1}}, TimeCase{"Band1EndsAt40", 40, {1}},
                    TimeCase{"Band2StartsAt41", 41, {2}}, TimeCase{"Band2EndsAt70", 70, {2}},
                    TimeCase{"Band3StartsAt71", 71, {3}}, TimeCase{"Band3EndsAt100", 100, {3}},
                    TimeCase{"Band4StartsAt101", 101, {4}}, TimeCase{"Band4EndsAt150", 150, {4}},
                    TimeCase{"Band5StartsAt151", 151, {5}}, TimeCase{"Band5EndsAt250", 250, {5}},
                    TimeCase{"JustAboveTheLastBandIsInNone", 251, {}},
                    TimeCase{"ZeroIsInNone", 0, {}}, TimeCase{"NegativeIsInNone", -40, {}}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

using Filter = TVelmoraDataArray (*)(const TVelmoraDataArray&, const TFilterFlags&);

struct WordCase {
    const char* name;
    Filter filter;
    std::string TVelmoraData::*field;
    size_t flagCount;
    const char* value;
    std::vector<size_t> passingFlags; // 1-based
};

class WordFilters : public testing::TestWithParam<WordCase> {};

TEST_P(WordFilters, PassExactlyTheFlagsWhoseWordMatches)
{
    const WordCase& test = GetParam();
    const TVelmoraDataArray works = {WorkWith("w", "n", test.field, test.value)};
    for (size_t flag = 1; flag <= test.flagCount; ++flag) {
        const bool expected = std::find(test.passingFlags.begin(), test.passingFlags.end(), flag) !=
                              test.passingFlags.end();
        EXPECT_EQ(test.filter(works, OnlyFlag(flag, test.flagCount)).size(), expected ? 1u : 0u)
            << "flag " << flag;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, WordFilters,
    testing::Values(
        WordCase{"ComplexityLow", FilterByComplexity, &TVelmoraData::Complicate, 3, "низкая", {1}},
        WordCase{
            "ComplexityHigh", FilterByComplexity, &TVelmoraData::Complicate, 3, "высокая", {3}},
        WordCase{"ComplexityCapitalCyrillic",
                 FilterByComplexity,
                 &TVelmoraData::Complicate,
                 3,
                 "Низкая",
                 {}},
        WordCase{"ComplexityOtherWord", FilterByComplexity, &TVelmoraData::Complicate, 3, "-", {}},
        WordCase{"ComplexityNotSubstring",
                 FilterByComplexity,
                 &TVelmoraData::Complicate,
                 3,
                 "средняя+",
                 {}},
        WordCase{
            "ColorList", FilterByColor, &TVelmoraData::Color, 18, "светло-голубой, белый", {3, 6}},
        WordCase{"ColorInsideWord", FilterByColor, &TVelmoraData::Color, 18, "темно-синий", {15}},
        WordCase{"ColorGreyIsNotSilver", FilterByColor, &TVelmoraData::Color, 18, "серый", {12}},
        WordCase{"ColorSilverAndMetallic",
                 FilterByColor,
                 &TVelmoraData::Color,
                 18,
                 "серебряный металлик, черный",
                 {11, 17, 18}},
        WordCase{"ColorCaseCounts", FilterByColor, &TVelmoraData::Color, 18, "Красный", {}},
        WordCase{"ThemeFlowers", FilterByTheme, &TVelmoraData::Theme, 3, "цветы", {3}},
        WordCase{"ThemeNotSubstring", FilterByTheme, &TVelmoraData::Theme, 3, "цветы, узоры", {}},
        WordCase{"MaterialsRhinestonesPlural",
                 FilterByMaterials,
                 &TVelmoraData::Materials,
                 10,
                 "стразы, глиттер",
                 {4, 9}},
        WordCase{"MaterialsAcrylicInsideWord",
                 FilterByMaterials,
                 &TVelmoraData::Materials,
                 10,
                 "акриловая пудра, песок, нить",
                 {1, 6, 7}},
        WordCase{"MaterialsAll",
                 FilterByMaterials,
                 &TVelmoraData::Materials,
                 10,
                 "акрил блестки бульонки глиттер лаки нить песок пыльца страз фольга",
                 {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        WordCase{"TemperGentle", FilterByTemper, &TVelmoraData::Temper, 3, "нежный", {2}},
        WordCase{"TemperCalmCapital", FilterByTemper, &TVelmoraData::Temper, 3, "Спокойный", {}}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST(Filters, AnySwitchedOnConditionPassesAWork)
{
    const TVelmoraDataArray works = {
        WorkWith("a", "A", &TVelmoraData::Theme, "узоры"),
        WorkWith("b", "B", &TVelmoraData::Theme, "цветы"),
        WorkWith("c", "C", &TVelmoraData::Theme, "абстракция"),
    };
    EXPECT_EQ(FileNames(FilterByTheme(works, {false, true, true})), (Names{"a", "b"}));
    EXPECT_EQ(FileNames(FilterByTheme(works, {true, true, true})), (Names{"a", "b", "c"}));
}

TEST(Filters, NoFlagOnPassesNothing)
{
    const TVelmoraDataArray works = {Timed("a", 20),
                                     WorkWith("b", "B", &TVelmoraData::Color, "белый")};
    EXPECT_TRUE(FilterByTime(works, TFilterFlags(5, false)).empty());
    EXPECT_TRUE(FilterByColor(works, {}).empty());
}

TEST(Filters, ResultsComeSortedByName)
{
    const TVelmoraDataArray works = {
        WorkWith("1", "Сирень", &TVelmoraData::Temper, "нежный"),
        WorkWith("2", "Lace", &TVelmoraData::Temper, "нежный"),
        WorkWith("3", "Акварель", &TVelmoraData::Temper, "агрессивный"),
        WorkWith("4", "lace", &TVelmoraData::Temper, "нежный"),
    };
    EXPECT_EQ(FileNames(FilterByTemper(works, {false, true, false})), (Names{"4", "2", "1"}));
    EXPECT_EQ(FileNames(SelectAllWorks(works)), (Names{"4", "2", "3", "1"}));
}

TEST(Filters, FlagsBeyondTheTableAreIgnored)
{
    const TVelmoraDataArray works = {WorkWith("a", "A", &TVelmoraData::Theme, "узоры")};
    EXPECT_TRUE(FilterByTheme(works, {false, false, false, true, true}).empty());
}

TEST(Filters, GroupsDispatchToTheirFilter)
{
    TVelmoraData work = WorkWith("a", "A", &TVelmoraData::Temper, "спокойный");
    work.Time = 45;
    const TVelmoraDataArray works = {work};
    EXPECT_EQ(SelectFilterGroup(works, 0, {}).size(), 1u);
    EXPECT_EQ(SelectFilterGroup(works, 2, OnlyFlag(2, 5)).size(), 1u);
    EXPECT_EQ(SelectFilterGroup(works, 6, OnlyFlag(3, 3)).size(), 1u);
    EXPECT_TRUE(SelectFilterGroup(works, 6, OnlyFlag(2, 3)).empty());
    EXPECT_TRUE(SelectFilterGroup(works, 7, {true}).empty());
    EXPECT_TRUE(SelectFilterGroup(works, -1, {true}).empty());
}

} // namespace
