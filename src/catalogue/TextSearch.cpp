#include "TextSearch.h"

#include "Win1251.h"

#include <algorithm>
#include <string.h>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr std::string_view kLineEnd = "\r\n";

#ifdef __SSE2__
constexpr size_t kBlock = sizeof(__m128i);

// Where pattern first stands in text. Sixteen positions at a time, a position is a candidate
// only when the pattern's first and last bytes both stand where they must; only candidates are
// compared whole. In the works' texts both bytes together are rare, so this runs at memory
// speed, where a search on one byte stops at every common letter.
size_t Find(std::string_view text, std::string_view pattern)
{
    const size_t last = pattern.size() - 1;
    if (text.size() < pattern.size())
        return std::string_view::npos;
    const __m128i first = _mm_set1_epi8(pattern.front());
    const __m128i lastByte = _mm_set1_epi8(pattern.back());
    size_t at = 0;
    for (; at + last + kBlock <= text.size(); at += kBlock) {
        const auto* block = reinterpret_cast<const __m128i*>(text.data() + at);
        const auto* blockEnd = reinterpret_cast<const __m128i*>(text.data() + at + last);
        const __m128i both = _mm_and_si128(_mm_cmpeq_epi8(first, _mm_loadu_si128(block)),
                                           _mm_cmpeq_epi8(lastByte, _mm_loadu_si128(blockEnd)));
        for (auto mask = unsigned(_mm_movemask_epi8(both)); mask != 0; mask &= mask - 1) {
            const size_t candidate = at + size_t(__builtin_ctz(mask));
            if (text.compare(candidate + 1, last, pattern.substr(1)) == 0 || last == 0)
                return candidate;
        }
    }
    const size_t rest = text.substr(at).find(pattern);
    return rest == std::string_view::npos ? rest : at + rest;
}
#else
size_t Find(std::string_view text, std::string_view pattern)
{
    const void* found = memmem(text.data(), text.size(), pattern.data(), pattern.size());
    return found ? size_t(static_cast<const char*>(found) - text.data()) : std::string_view::npos;
}
#endif

} // namespace

int CountOccurrences(std::string_view pattern, std::string_view text, int atMost)
{
    if (pattern.empty() || text.empty())
        return 0;
    int count = 0;
    size_t from = 0;
    while (count < atMost && from < text.size()) {
        const size_t found = Find(text.substr(from), pattern);
        if (found == std::string_view::npos)
            break;
        ++count;
        from += found + pattern.size();
    }
    return count;
}

TSearchTexts::TSearchTexts(const TVelmoraDataArray& works)
{
    texts_.reserve(works.size());
    for (const TVelmoraData& work : works) {
        std::string& text = texts_.emplace_back();
        if (!work.Text)
            continue;
        for (const std::string& line : *work.Text) {
            text += line;
            text += kLineEnd;
        }
        text = Win1251::Upper(text);
    }
}

TVelmoraDataArray TSearchTexts::Find(const TVelmoraDataArray& works, std::string_view query) const
{
    const std::string pattern = Win1251::Upper(query);
    TVelmoraDataArray hits;
    const size_t count = std::min(works.size(), texts_.size());
    for (size_t i = 0; i < count; ++i) {
        // Whether the text holds the query at all: one occurrence tells.
        if (CountOccurrences(pattern, texts_[i], 1) > 0)
            hits.push_back(works[i]);
    }
    return hits;
}
