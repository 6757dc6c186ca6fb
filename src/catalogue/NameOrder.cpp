#include "NameOrder.h"

#include "Win1251.h"

#include <algorithm>
#include <numeric>
#include <string_view>

namespace {

// A work's place beside its name as the order compares it.
struct TKeyedPosition {
    std::string_view Key;
    size_t Position;
};

// The positions in name order. Byte order of the ASCII-folded names is the name order: a
// string_view compares bytes unsigned and puts a proper prefix first. The keys are views of one
// buffer, sorted beside their positions, so the sort neither allocates a key nor follows an
// index to compare.
std::vector<size_t> NameOrder(const TVelmoraDataArray& works, const std::vector<size_t>& positions)
{
    size_t bytes = 0;
    for (const size_t position : positions)
        bytes += works[position].Name.size();
    std::string folded;
    folded.reserve(bytes);
    for (const size_t position : positions)
        folded += works[position].Name;
    std::transform(folded.begin(), folded.end(), folded.begin(), Win1251::AsciiUpper);

    // A stable sort of the reversed entries puts equal names in reverse input order.
    std::vector<TKeyedPosition> keyed(positions.size());
    const std::string_view all(folded);
    size_t offset = 0;
    auto slot = keyed.rbegin();
    for (const size_t position : positions) {
        const size_t length = works[position].Name.size();
        *slot++ = {all.substr(offset, length), position};
        offset += length;
    }
    std::stable_sort(
        keyed.begin(), keyed.end(),
        [](const TKeyedPosition& a, const TKeyedPosition& b) { return a.Key < b.Key; });
    std::vector<size_t> order;
    order.reserve(keyed.size());
    for (const TKeyedPosition& entry : keyed)
        order.push_back(entry.Position);
    return order;
}

} // namespace

TVelmoraDataArray InNameOrder(const TVelmoraDataArray& works, const std::vector<size_t>& positions)
{
    TVelmoraDataArray sorted;
    sorted.reserve(positions.size());
    for (const size_t position : NameOrder(works, positions))
        sorted.push_back(works[position]);
    return sorted;
}

TVelmoraDataArray SortByName(const TVelmoraDataArray& works)
{
    std::vector<size_t> all(works.size());
    std::iota(all.begin(), all.end(), size_t(0));
    return InNameOrder(works, all);
}
