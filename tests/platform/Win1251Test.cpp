#include "Win1251.h"

#include <gtest/gtest.h>

#include <iconv.h>

namespace {

constexpr unsigned char kUnassigned = 0x98;

// The C library's own code page tables are the independent reference.
QString DecodeWithIconv(unsigned char byte)
{
    iconv_t cd = iconv_open("UTF-16LE", "CP1251");
    EXPECT_NE(cd, iconv_t(-1));
    char in[1] = {char(byte)};
    char16_t out[2] = {};
    char* inPtr = in;
    char* outPtr = reinterpret_cast<char*>(out);
    size_t inLeft = 1, outLeft = sizeof out;
    const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    EXPECT_NE(result, size_t(-1)) << "byte " << int(byte);
    return QString(reinterpret_cast<const QChar*>(out), 1);
}

TEST(Win1251, EveryAssignedByteDecodesAsTheCodePageSays)
{
    for (int byte = 0; byte < 256; ++byte) {
        if (byte == kUnassigned)
            continue;
        EXPECT_EQ(Win1251::ToUnicode(std::string(1, char(byte))),
                  DecodeWithIconv(static_cast<unsigned char>(byte)))
            << "byte " << byte;
    }
}

TEST(Win1251, EveryAssignedByteSurvivesTheRoundTrip)
{
    for (int byte = 0; byte < 256; ++byte) {
        if (byte == kUnassigned)
            continue;
        const std::string bytes(1, char(byte));
        EXPECT_EQ(Win1251::FromUnicode(Win1251::ToUnicode(bytes)), bytes) << "byte " << byte;
    }
}

TEST(Win1251, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    // Greek alpha, a CJK character and one outside the Basic Multilingual Plane (an emoji).
    EXPECT_EQ(Win1251::FromUnicode(QString::fromUtf8("a\u03B1b\u4E2D\U0001F485c")), "a?b??c");
    EXPECT_EQ(Win1251::FromUtf8("Ёлка"), "\xA8\xEB\xEA\xE0");
}

// For every byte whose character has a capital in the code page, Upper gives that capital;
// every other byte stays as it is.
TEST(Win1251, UpperMapsEveryLetterToItsCapitalInTheCodePage)
{
    for (int byte = 0; byte < 256; ++byte) {
        if (byte == kUnassigned)
            continue;
        const QString character = Win1251::ToUnicode(std::string(1, char(byte)));
        const QString capital = character.toUpper();
        const std::string capitalByte = Win1251::FromUnicode(capital);
        const bool capitalInCodePage = capital != character && capitalByte != "?";
        const char expected = capitalInCodePage ? capitalByte[0] : char(byte);
        EXPECT_EQ(Win1251::Upper(char(byte)), expected) << "byte " << byte;
    }
    EXPECT_EQ(Win1251::Upper(Win1251::FromUtf8("ёлка Rose щ")), Win1251::FromUtf8("ЁЛКА ROSE Щ"));
}

struct CompareCase {
    const char* name;
    const char* a;
    const char* b;
    int sign;
};

class AsciiNoCaseOrder : public testing::TestWithParam<CompareCase> {};

TEST_P(AsciiNoCaseOrder, FoldsOnlyAsciiLetters)
{
    const std::string a = Win1251::FromUtf8(GetParam().a);
    const std::string b = Win1251::FromUtf8(GetParam().b);
    const int result = Win1251::CompareAsciiNoCase(a, b);
    EXPECT_EQ((result > 0) - (result < 0), GetParam().sign)
        << GetParam().a << " vs " << GetParam().b;
    EXPECT_EQ(Win1251::SameAsciiNoCase(a, b), GetParam().sign == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AsciiNoCaseOrder,
    testing::Values(CompareCase{"AsciiCaseIsFolded", "Rose", "rose", 0},
                    CompareCase{"MixedAsciiCaseIsFolded", "ROSE", "rosE", 0},
                    CompareCase{"CyrillicIsNotFoldedCapitalFirst", "Роза", "роза", -1},
                    CompareCase{"CyrillicIsNotFoldedSmallLast", "роза", "Роза", 1},
                    CompareCase{"PrefixIsLower", "Rose", "Roses", -1},
                    CompareCase{"EmptyIsLower", "", "a", -1},
                    CompareCase{"BothEmptyAreEqual", "", "", 0},
                    CompareCase{"CapitalYoIsBelowCapitalYe", "Ёж", "Еж", -1},
                    CompareCase{"SmallYoIsBelowSmallYa", "ёж", "яж", -1},
                    CompareCase{"SmallYoIsBelowCapitalYa", "ёж", "Яж", -1},
                    CompareCase{"FoldedZIsAboveA", "Z", "a", 1},
                    CompareCase{"UnderscoreIsAboveLettersFoldedToCapitals", "_", "a", 1},
                    CompareCase{"CyrillicBytesAreAboveAscii", "z", "Ж", -1}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
