#include "IntegerText.h"

#include <gtest/gtest.h>

namespace {

struct IntegerCase {
    const char* name;
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
        IntegerCase{"PlainDecimal", "40", kDecimal, 40},
        IntegerCase{"NegativeDecimal", "-12", kDecimal, -12},
        IntegerCase{"PlusSign", "+7", kDecimal, 7}, IntegerCase{"LeadingZeros", "007", kDecimal, 7},
        IntegerCase{"LargestInt", "2147483647", kDecimal, 2147483647},
        IntegerCase{"SmallestInt", "-2147483648", kDecimal, -2147483647 - 1},
        IntegerCase{"OnePastLargestIntIsNoNumber", "2147483648", kDecimal, std::nullopt},
        IntegerCase{"FarTooLargeIsNoNumber", "99999999999999999999999", kDecimal, std::nullopt},
        IntegerCase{"EmptyIsNoNumber", "", kDecimal, std::nullopt},
        IntegerCase{"SignAloneIsNoNumber", "-", kDecimal, std::nullopt},
        IntegerCase{"TrailingLetterIsNoNumber", "12a", kDecimal, std::nullopt},
        IntegerCase{"InnerBlankIsNoNumber", "1 2", kDecimal, std::nullopt},
        IntegerCase{"DoubleSignIsNoNumber", "--3", kDecimal, std::nullopt},
        IntegerCase{"HexNeedsItsForm", "0x10", kDecimal, std::nullopt},
        IntegerCase{"DollarHexNeedsItsForm", "$10", kDecimal, std::nullopt},
        IntegerCase{"ZeroXHex", "0x10", kHex, 16},
        IntegerCase{"CapitalXAndMixedCaseDigits", "0X1f", kHex, 31},
        IntegerCase{"DollarHex", "$FF", kHex, 255},
        IntegerCase{"SignBeforeTheDollar", "-$10", kHex, -16},
        IntegerCase{"EightHexDigitsWrapToNegative", "$FFFFFFFF", kHex, -1},
        IntegerCase{"HexPastThirtyTwoBitsIsNoNumber", "$100000000", kHex, std::nullopt},
        IntegerCase{"HexPrefixAloneIsNoNumber", "0x", kHex, std::nullopt},
        IntegerCase{"NonHexDigitIsNoNumber", "$G1", kHex, std::nullopt},
        IntegerCase{"SignAfterTheDollarIsNoNumber", "$-1", kHex, std::nullopt},
        IntegerCase{"HexFormStillReadsDecimal", "25", kHex, 25}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
