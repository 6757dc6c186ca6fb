#include "NameOrder.h"

#include "Win1251.h"

#include <algorithm>
#include <numeric>

std::vector<size_t> NameOrder(const TVelmoraDataArray& works, std::vector<size_t> positions)
{
    // Byte order of the ASCII-folded names is the name order: std::string compares bytes
    // unsigned and puts a proper prefix first. Compact keys sort faster than the records.
    std::vector<std::string> keys;
    keys.reserve(positions.size());
    for (const size_t position : positions) {
        std::string& key = keys.emplace_back(works[position].Name);
        std::transform(key.begin(), key.end(), key.begin(), Win1251::AsciiUpper);
    }
    // A stable sort of the reversed entries puts equal names in reverse input order.
    std::vector<size_t> entries(positions.size());
    std::iota(entries.rbegin(), entries.rend(), size_t(0));
    std::stable_sort(entries.begin(), entries.end(),
                     [&keys](size_t a, size_t b) { return keys[a] < keys[b]; });
    for (size_t& entry : entries)
        entry = positions[entry];
    return entries;
}

TVelmoraDataArray SortByName(TVelmoraDataArray list)
{
    std::vector<size_t> all(list.size());
    std::iota(all.begin(), all.end(), size_t(0));
    TVelmoraDataArray sorted;
    sorted.reserve(list.size());
    for (const size_t position : NameOrder(list, std::move(all)))
        sorted.push_back(std::move(list[position]));
    return sorted;
}
