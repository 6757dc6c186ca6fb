#include "NameOrder.h"

#include "WorkBuilder.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Names = std::vector<std::string>;

struct OrderCase {
    const char* name;
    TVelmoraDataArray input;
    Names expectedFileNames;
};

class SortByNameCases : public testing::TestWithParam<OrderCase> {};

TEST_P(SortByNameCases, OrdersByFoldedBytes)
{
    EXPECT_EQ(FileNames(SortByName(GetParam().input)), GetParam().expectedFileNames);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SortByNameCases,
    testing::Values(
        OrderCase{"AsciiCaseEqualLaterFirst", {Work("a", "Rose"), Work("b", "rose")}, {"b", "a"}},
        OrderCase{
            "CyrillicCaseDiffersCapitalFirst", {Work("a", "роза"), Work("b", "Роза")}, {"b", "a"}},
        OrderCase{"PrefixIsLower", {Work("a", "Роза ветров"), Work("b", "Роза")}, {"b", "a"}},
        OrderCase{"CapitalYoBeforeCapitalYe", {Work("a", "Ель"), Work("b", "Ёлка")}, {"b", "a"}},
        OrderCase{
            "SmallYoBeforeEveryCapitalLetter", {Work("a", "Арка"), Work("b", "ёлка")}, {"b", "a"}},
        OrderCase{"LatinBeforeCyrillic", {Work("a", "Лак"), Work("b", "Zebra")}, {"b", "a"}},
        OrderCase{"ThreeEqualReversed",
                  {Work("a", "Bloom"), Work("b", "BLOOM"), Work("c", "bloom")},
                  {"c", "b", "a"}},
        OrderCase{"Empty", {}, {}}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

// The order as first described: a descending exchange sort that swaps neighbours only when the
// earlier one is strictly lower, then reversed.
TVelmoraDataArray ReferenceOrder(TVelmoraDataArray list)
{
    for (size_t pass = 0; pass + 1 < list.size(); ++pass) {
        for (size_t i = 0; i + 1 < list.size() - pass; ++i) {
            if (Win1251::CompareAsciiNoCase(list[i].Name, list[i + 1].Name) < 0)
                std::swap(list[i], list[i + 1]);
        }
    }
    std::reverse(list.begin(), list.end());
    return list;
}

TEST(SortByName, MatchesTheExchangeSortOnRandomListsWithManyEqualNames)
{
    const std::vector<std::string_view> vocabulary = {"Rose", "rose", "ROSE", "Роза", "роза", "Ёж",
                                                      "ёж",   "Ro",   "",     "b",    "B"};
    std::mt19937 random(1251);
    for (int round = 0; round < 2000; ++round) {
        TVelmoraDataArray list;
        const size_t size = random() % 12;
        for (size_t i = 0; i < size; ++i)
            list.push_back(Work(std::to_string(i), vocabulary[random() % vocabulary.size()]));
        ASSERT_EQ(FileNames(SortByName(list)), FileNames(ReferenceOrder(list)))
            << "round " << round;
    }
}

} // namespace
