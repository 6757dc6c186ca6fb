#include "DesignPalette.h"

#include <array>

namespace {

struct TColorWord {
    std::string_view Word;
    QRgb Rgb;
};

// One tone per word of the colour filter, chosen to look like nail lacquer.
constexpr std::array<TColorWord, 18> kColorWords = {{
    {"красный", 0xC8282E},
    {"зеленый", 0x5E9C6B},
    {"голубой", 0x8EC5E8},
    {"розовый", 0xF2A7BB},
    {"золотой", 0xD4AF37},
    {"белый", 0xFAF7F2},
    {"бордовый", 0x7A1E2C},
    {"желтый", 0xF4D35E},
    {"бирюза", 0x3FBFB5},
    {"фиолетовый", 0x6F3FA0},
    {"серебряный", 0xC4C8D0},
    {"серый", 0x8E8D93},
    {"коричневый", 0x7B5034},
    {"оранжевый", 0xF08A3C},
    {"синий", 0x27408B},
    {"сиреневый", 0xC6A2DA},
    {"металлик", 0x9FA4AD},
    {"черный", 0x1E1B1F},
}};

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

QColor ColorOfPhrase(std::string_view phrase, bool& known)
{
    for (const TColorWord& entry : kColorWords) {
        if (phrase.find(entry.Word) == std::string_view::npos)
            continue;
        known = true;
        QColor color = QColor::fromRgb(entry.Rgb);
        if (phrase.starts_with("светло-"))
            return color.lighter(125);
        if (phrase.starts_with("темно-"))
            return color.darker(150);
        return color;
    }
    known = false;
    return {};
}

} // namespace

QColor TDesignPalette::Metal() const
{
    if (Gold)
        return QColor(0xD9, 0xB4, 0x5A);
    if (Silver)
        return QColor(0xD8, 0xDB, 0xE2);
    return QColor(0xF1, 0xE3, 0xC8);
}

namespace DesignPalette {

TDesignPalette FromColorText(std::string_view utf8)
{
    TDesignPalette palette;
    size_t start = 0;
    while (start <= utf8.size()) {
        const size_t comma = utf8.find(',', start);
        const size_t end = comma == std::string_view::npos ? utf8.size() : comma;
        const std::string_view phrase = Trimmed(utf8.substr(start, end - start));
        bool known = false;
        const QColor color = ColorOfPhrase(phrase, known);
        if (known) {
            palette.Colors.push_back(color);
            palette.Gold = palette.Gold || phrase.find("золот") != std::string_view::npos;
            palette.Silver = palette.Silver || phrase.find("серебр") != std::string_view::npos ||
                             phrase.find("металлик") != std::string_view::npos;
        }
        start = end + 1;
    }
    if (palette.Colors.empty())
        palette.Colors.push_back(QColor(0xF2, 0xA7, 0xBB));
    return palette;
}

} // namespace DesignPalette
