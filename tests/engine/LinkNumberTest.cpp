#include "LinkNumber.h"

#include <gtest/gtest.h>

namespace {

struct LinkCase {
    const char* name;
    const char* address;
    std::optional<int> work;
    std::optional<int> entry;
};

class LinkNumbers : public testing::TestWithParam<LinkCase> {};

TEST_P(LinkNumbers, AreReadAfterTheFirstMarkerOfTheDecodedAddress)
{
    const QUrl url(QString::fromUtf8(GetParam().address));
    EXPECT_EQ(LinkNumber(url, kWorkMarker), GetParam().work);
    EXPECT_EQ(LinkNumber(url, kEntryMarker), GetParam().entry);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LinkNumbers,
    testing::Values(
        LinkCase{"PercentEncodedWork", "file:///c/html/%3C%3C12", 12, std::nullopt},
        LinkCase{"PercentEncodedEntry", "file:///c/html/%3E%3E3", std::nullopt, 3},
        LinkCase{"PlainWork", "file:///c/html/<<0", 0, std::nullopt},
        LinkCase{"NotANumber", "file:///c/html/%3C%3Cabc", std::nullopt, std::nullopt},
        LinkCase{"MarkerTwice", "file:///c/html/%3C%3C1%3C%3C2", std::nullopt, std::nullopt},
        LinkCase{"MinusOneIsNoNumber", "file:///c/html/%3C%3C-1", std::nullopt, std::nullopt},
        LinkCase{"NegativeIsANumber", "file:///c/html/%3C%3C-7", -7, std::nullopt},
        LinkCase{"TooBigForInt", "file:///c/html/%3C%3C2147483648", std::nullopt, std::nullopt},
        LinkCase{"LargestInt", "file:///c/html/%3C%3C2147483647", 2147483647, std::nullopt},
        LinkCase{"TrailingText", "file:///c/html/%3C%3C12.htm", std::nullopt, std::nullopt},
        LinkCase{"NoMarker", "file:///c/html/about.htm", std::nullopt, std::nullopt},
        LinkCase{"BothMarkersWorkFirst", "file:///c/html/%3C%3C5%3E%3E6", std::nullopt, 6},
        LinkCase{"EncodedTwiceStaysEncoded", "file:///c/html/%253C%253C4", std::nullopt,
                 std::nullopt}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
