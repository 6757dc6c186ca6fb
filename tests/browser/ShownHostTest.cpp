#include "ShownHost.h"

#include <QUrl>

#include <gtest/gtest.h>

namespace {

struct HostCase {
    const char* name;
    const char* address;
    const char* shown;
};

class ShownHosts : public testing::TestWithParam<HostCase> {};

TEST_P(ShownHosts, ReadAsTheSiteTheyAre)
{
    EXPECT_EQ(ShownHost(QUrl(QString::fromUtf8(GetParam().address))).toStdString(),
              GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShownHosts,
    testing::Values(
        HostCase{"Latin", "https://example.org/page", "example.org"},
        HostCase{"AllCyrillicLookAlikes", "https://xn--80ak6aa92e.com/", "xn--80ak6aa92e.com"},
        HostCase{"LatinWithOneCyrillicLetter", "https://p\xd0\xb0ypal.com/", "xn--pypal-4ve.com"},
        HostCase{"PlainCyrillic",
                 "https://\xd0\xbf\xd1\x80\xd0\xb8\xd0\xbc\xd0\xb5"
                 "\xd1\x80.\xd1\x80\xd1\x84/",
                 "\xd0\xbf\xd1\x80\xd0\xb8\xd0\xbc\xd0\xb5\xd1\x80.\xd1\x80\xd1\x84"},
        HostCase{"DigitsAndHyphensMixWithAnyScript",
                 "https://\xd0\xbc\xd0\xb8\xd1\x80-2.\xd1\x80\xd1\x84/",
                 "\xd0\xbc\xd0\xb8\xd1\x80-2.\xd1\x80\xd1\x84"}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
