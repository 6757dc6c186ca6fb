#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

using TStringList = std::vector<std::string>;

// One work of the catalogue. Text is Windows-1251 bytes as read. Copies share the text lines:
// the list belongs to the record in Works and lives as long as the program.
struct TVelmoraData {
    std::string Author;
    std::string FileName; // "{author id}-{n}", the stem of the work's files
    std::string Name;
    int Time = 0;
    std::string Complicate;
    std::string Materials;
    std::string Temper;
    std::string Color;
    std::string Theme;
    std::shared_ptr<const TStringList> Text;
};

using TVelmoraDataArray = std::vector<TVelmoraData>;

struct TAuthor {
    std::string_view Id;
    std::string_view Name;
};

// The load order of the catalogue.
inline constexpr std::array<TAuthor, 4> kAuthors = {{
    {"mira", "Mira Tallis"},
    {"vesna", "Vesna Korlan"},
    {"ilna", "Ilna Dravec"},
    {"tova", "Tova Renquist"},
}};
