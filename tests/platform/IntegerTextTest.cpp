#include "IntegerText.h"

#include <gtest/gtest.h>

namespace {

struct IntegerCase {
    const char* text;
    IntegerForm form;
    std::optional<int> expected;
};

class ParseIntegerCases : public testing::TestWithParam<IntegerCase> {};

TEST_P(ParseIntegerCases, ReadsOnlyWholeNumbersOfItsForm)
{
    EXPECT_EQ(ParseInteger(GetParam().text, GetParam().form), GetParam().expected)
        << "text: \"" << GetParam().text << "\"";
}

constexpr auto kDecimal = IntegerForm::Decimal;
constexpr auto kHex = IntegerForm::DecimalOrHex;

INSTANTIATE_TEST_SUITE_P(
    Table, ParseIntegerCases,
    testing::Values(
        IntegerCase{"40", kDecimal, 40}, IntegerCase{"-12", kDecimal, -12},
        IntegerCase{"+7", kDecimal, 7}, IntegerCase{"007", kDecimal, 7},
        IntegerCase{"2147483647", kDecimal, 2147483647},
        IntegerCase{"-2147483648", kDecimal, -2147483647 - 1},
        IntegerCase{"2147483648", kDecimal, std::nullopt},
        IntegerCase{"99999999999999999999999", kDecimal, std::nullopt},
        IntegerCase{"", kDecimal, std::nullopt}, IntegerCase{"-", kDecimal, std::nullopt},
        IntegerCase{"12a", kDecimal, std::nullopt}, IntegerCase{"1 2", kDecimal, std::nullopt},
        IntegerCase{"--3", kDecimal, std::nullopt}, IntegerCase{"0x10", kDecimal, std::nullopt},
        IntegerCase{"$10", kDecimal, std::nullopt}, IntegerCase{"0x10", kHex, 16},
        IntegerCase{"0X1f", kHex, 31}, IntegerCase{"$FF", kHex, 255},
        IntegerCase{"-$10", kHex, -16}, IntegerCase{"$FFFFFFFF", kHex, -1},
        IntegerCase{"$100000000", kHex, std::nullopt}, IntegerCase{"0x", kHex, std::nullopt},
        IntegerCase{"$G1", kHex, std::nullopt}, IntegerCase{"$-1", kHex, std::nullopt},
        IntegerCase{"25", kHex, 25}));

} // namespace
