#include "Complexity.h"

#include "FilterVocabulary.h"
#include "Win1251.h"

#include <array>
#include <string>

std::optional<TComplexity> ComplexityOf(std::string_view complicate)
{
    static const std::array<std::string, kComplexityCount> kWords = {
        Win1251::FromUtf8(FilterVocabulary::kComplexityWords[0]),
        Win1251::FromUtf8(FilterVocabulary::kComplexityWords[1]),
        Win1251::FromUtf8(FilterVocabulary::kComplexityWords[2])};
    for (size_t i = 0; i < kWords.size(); ++i) {
        if (Win1251::SameAsciiNoCase(complicate, kWords[i]))
            return TComplexity(i);
    }
    return std::nullopt;
}
