#pragma once

#include <optional>
#include <string_view>

// The three complexities a work's Complicate names; any other text names none.
enum class TComplexity { Low = 0, Medium = 1, High = 2 };
inline constexpr size_t kComplexityCount = 3;

// "низкая", "средняя" or "высокая", with ASCII letters folded only: "ВЫСОКАЯ" names none.
std::optional<TComplexity> ComplexityOf(std::string_view complicate);
