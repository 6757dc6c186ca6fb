#include "TextSearch.h"

#include "Win1251.h"

#include <algorithm>
#include <cstdint>
#include <string.h>

#ifdef __SSE2__
#include <immintrin.h>
#endif

namespace {

constexpr std::string_view kLineEnd = "\r\n";

#ifdef __SSE2__
// Where a pattern may stand: the pattern's first two bytes and its last byte, and their places.
struct TCandidateTest {
    explicit TCandidateTest(std::string_view pattern)
        : Last(pattern.size() - 1), Second(std::min<size_t>(1, Last)), FirstByte(pattern.front()),
          SecondByte(pattern[Second]), LastByte(pattern.back())
    {
    }
    size_t Last;
    size_t Second;
    char FirstByte;
    char SecondByte;
    char LastByte;
};

// The candidate test on sixteen positions at a time, one bit each.
struct TSse2Lanes {
    static constexpr size_t kWidth = sizeof(__m128i);
    static uint32_t Candidates(const char* at, const TCandidateTest& test)
    {
        const auto equal = [at](size_t offset, char byte) {
            const auto* block = reinterpret_cast<const __m128i*>(at + offset);
            return _mm_cmpeq_epi8(_mm_loadu_si128(block), _mm_set1_epi8(byte));
        };
        return uint32_t(_mm_movemask_epi8(_mm_and_si128(
            _mm_and_si128(equal(0, test.FirstByte), equal(test.Second, test.SecondByte)),
            equal(test.Last, test.LastByte))));
    }
};

// The same on thirty-two positions, for processors with AVX2.
struct TAvx2Lanes {
    static constexpr size_t kWidth = sizeof(__m256i);
    __attribute__((target("avx2"))) static uint32_t Candidates(const char* at,
                                                               const TCandidateTest& test)
    {
        const auto equal = [at](size_t offset, char byte) __attribute__((target("avx2")))
        {
            const auto* block = reinterpret_cast<const __m256i*>(at + offset);
            return _mm256_cmpeq_epi8(_mm256_loadu_si256(block), _mm256_set1_epi8(byte));
        };
        return uint32_t(_mm256_movemask_epi8(_mm256_and_si256(
            _mm256_and_si256(equal(0, test.FirstByte), equal(test.Second, test.SecondByte)),
            equal(test.Last, test.LastByte))));
    }
};

// Where pattern first stands in text. A position is a candidate only when the pattern's first
// two bytes and its last byte all stand where they must; only candidates are compared whole. In
// the works' texts such triples are rare, so this runs at memory speed, where a test on one or
// two bytes stops at every common letter or pair.
template <typename TLanes> size_t FindWith(std::string_view text, std::string_view pattern)
{
    if (text.size() < pattern.size())
        return std::string_view::npos;
    const TCandidateTest test(pattern);
    // Two blocks a step: one branch on both blocks' candidates, taken once in many steps.
    constexpr size_t kStep = 2 * TLanes::kWidth;
    size_t at = 0;
    for (; at + test.Last + kStep <= text.size(); at += kStep) {
        const char* block = text.data() + at;
        for (uint64_t mask = TLanes::Candidates(block, test) |
                             uint64_t(TLanes::Candidates(block + TLanes::kWidth, test))
                                 << TLanes::kWidth;
             mask != 0; mask &= mask - 1) {
            const size_t candidate = at + size_t(__builtin_ctzll(mask));
            if (text.compare(candidate, pattern.size(), pattern) == 0)
                return candidate;
        }
    }
    const size_t rest = text.substr(at).find(pattern);
    return rest == std::string_view::npos ? rest : at + rest;
}

// flatten puts the AVX2 test inside the loop, where the compiler may use AVX2.
__attribute__((target("avx2"), flatten)) size_t FindWithAvx2(std::string_view text,
                                                             std::string_view pattern)
{
    return FindWith<TAvx2Lanes>(text, pattern);
}

#endif

} // namespace

#ifdef __SSE2__
size_t FindText(std::string_view text, std::string_view pattern, TScanWidth width)
{
    return width == TScanWidth::ThirtyTwo ? FindWithAvx2(text, pattern)
                                          : FindWith<TSse2Lanes>(text, pattern);
}
#else
size_t FindText(std::string_view text, std::string_view pattern, TScanWidth)
{
    const void* found = memmem(text.data(), text.size(), pattern.data(), pattern.size());
    return found ? size_t(static_cast<const char*>(found) - text.data()) : std::string_view::npos;
}
#endif

TScanWidth WidestScan()
{
#ifdef __SSE2__
    static const bool hasAvx2 = __builtin_cpu_supports("avx2");
    return hasAvx2 ? TScanWidth::ThirtyTwo : TScanWidth::Sixteen;
#else
    return TScanWidth::Sixteen;
#endif
}

TSearchTexts::TSearchTexts(const TVelmoraDataArray& works)
{
    ends_.reserve(works.size());
    for (const TVelmoraData& work : works) {
        if (work.Text) {
            for (const std::string& line : *work.Text) {
                text_ += line;
                text_ += kLineEnd;
            }
        }
        ends_.push_back(text_.size());
    }
    text_ = Win1251::Upper(text_);
}

TVelmoraDataArray TSearchTexts::Find(const TVelmoraDataArray& works, std::string_view query) const
{
    const std::string pattern = Win1251::Upper(query);
    TVelmoraDataArray hits;
    const size_t count = std::min(works.size(), ends_.size());
    if (pattern.empty() || count == 0)
        return hits;
    // One scan over every text: a match is a hit when it ends inside the work it starts in, and
    // the scan then goes on from the next work's text.
    const std::string_view texts = std::string_view(text_).substr(0, ends_[count - 1]);
    const TScanWidth width = WidestScan();
    size_t from = 0;
    auto work = ends_.begin();
    while (from < texts.size()) {
        const size_t found = FindText(texts.substr(from), pattern, width);
        if (found == std::string_view::npos)
            break;
        const size_t at = from + found;
        work = std::upper_bound(work, ends_.begin() + ptrdiff_t(count), at);
        if (at + pattern.size() <= *work) {
            hits.push_back(works[size_t(work - ends_.begin())]);
            from = *work;
        } else {
            from = at + 1;
        }
    }
    return hits;
}
