#pragma once

#include <array>
#include <string_view>

// The words the filters look for, in the order of their switches, as the content writes them
// (here in UTF-8; the content is Windows-1251).
namespace FilterVocabulary {

inline constexpr std::array<std::string_view, 3> kComplexityWords = {"низкая", "средняя",
                                                                     "высокая"};
inline constexpr std::array<std::string_view, 18> kColorWords = {
    "красный",    "зеленый",   "голубой", "розовый",    "золотой",    "белый",
    "бордовый",   "желтый",    "бирюза",  "фиолетовый", "серебряный", "серый",
    "коричневый", "оранжевый", "синий",   "сиреневый",  "металлик",   "черный",
};
inline constexpr std::array<std::string_view, 3> kThemeWords = {"абстракция", "узоры", "цветы"};
inline constexpr std::array<std::string_view, 10> kMaterialWords = {
    "акрил", "блестки", "бульонки", "глиттер", "лаки", "нить", "песок", "пыльца", "страз", "фольга",
};
inline constexpr std::array<std::string_view, 3> kTemperWords = {"агрессивный", "нежный",
                                                                 "спокойный"};

// A span of a work's time, both ends included.
struct TTimeBand {
    int From;
    int To;
};
inline constexpr std::array<TTimeBand, 5> kTimeBands = {
    {{10, 40}, {41, 70}, {71, 100}, {101, 150}, {151, 250}}};

} // namespace FilterVocabulary
