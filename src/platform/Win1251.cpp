#include "Win1251.h"

#include <array>
#include <unordered_map>

namespace Win1251 {
namespace {

// Unicode of the bytes 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F in order.
// 0x98 is unassigned in the code page.
constexpr std::array<char16_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
};

char16_t UnicodeOf(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    if (byte < 0xC0)
        return kUpperHalf[byte - 0x80];
    return char16_t(0x0410 + (byte - 0xC0));
}

const std::unordered_map<char16_t, char>& ByteOfUnicode()
{
    static const auto table = [] {
        std::unordered_map<char16_t, char> map;
        for (int byte = 0x80; byte <= 0xBF; ++byte) {
            if (kUpperHalf[byte - 0x80] != 0xFFFD)
                map.emplace(kUpperHalf[byte - 0x80], char(byte));
        }
        return map;
    }();
    return table;
}

char ByteOf(char16_t unicode)
{
    if (unicode < 0x80)
        return char(unicode);
    if (unicode >= 0x0410 && unicode <= 0x044F)
        return char(0xC0 + (unicode - 0x0410));
    const auto& table = ByteOfUnicode();
    const auto found = table.find(unicode);
    return found == table.end() ? '?' : found->second;
}

// Small letters of 0x80 to 0xBF and their capitals.
constexpr std::array<std::pair<unsigned char, unsigned char>, 15> kCyrillicPairs = {{
    {0x90, 0x80},
    {0x83, 0x81},
    {0x9A, 0x8A},
    {0x9C, 0x8C},
    {0x9D, 0x8D},
    {0x9E, 0x8E},
    {0x9F, 0x8F},
    {0xA2, 0xA1},
    {0xBC, 0xA3},
    {0xB4, 0xA5},
    {0xB8, 0xA8},
    {0xBA, 0xAA},
    {0xBF, 0xAF},
    {0xB3, 0xB2},
    {0xBE, 0xBD},
}};

// A table rather than a range test: names are compared byte by byte in every profile read.
constexpr std::array<char, 256> kAsciiUpper = [] {
    std::array<char, 256> upper{};
    for (int byte = 0; byte < 256; ++byte)
        upper[byte] = char(byte >= 'a' && byte <= 'z' ? byte - 'a' + 'A' : byte);
    return upper;
}();

const std::array<char, 256>& UpperTable()
{
    static const auto table = [] {
        std::array<char, 256> upper = kAsciiUpper;
        for (int byte = 0xE0; byte <= 0xFF; ++byte)
            upper[byte] = char(byte - 0x20);
        for (const auto& [small, capital] : kCyrillicPairs)
            upper[small] = char(capital);
        return upper;
    }();
    return table;
}

} // namespace

QString ToUnicode(std::string_view bytes)
{
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(UnicodeOf(static_cast<unsigned char>(byte)));
    return text;
}

std::string FromUnicode(QStringView text)
{
    std::string bytes;
    bytes.reserve(size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A character outside the Basic Multilingual Plane is one "?", not two.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes.push_back(c.isSurrogate() ? '?' : ByteOf(c.unicode()));
    }
    return bytes;
}

char AsciiUpper(char c)
{
    return kAsciiUpper[static_cast<unsigned char>(c)];
}

int CompareAsciiNoCase(std::string_view a, std::string_view b)
{
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(kAsciiUpper[static_cast<unsigned char>(a[i])]);
        const auto y = static_cast<unsigned char>(kAsciiUpper[static_cast<unsigned char>(b[i])]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SameAsciiNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && CompareAsciiNoCase(a, b) == 0;
}

char Upper(char c)
{
    return UpperTable()[static_cast<unsigned char>(c)];
}

std::string Upper(std::string_view text)
{
    std::string upper(text);
    const auto& table = UpperTable();
    for (char& c : upper)
        c = table[static_cast<unsigned char>(c)];
    return upper;
}

} // namespace Win1251
