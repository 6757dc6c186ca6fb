#include "NameOrder.h"

#include "Win1251.h"

#include <algorithm>

TVelmoraDataArray SortByName(TVelmoraDataArray list)
{
    // A stable sort of the reversed input puts equal names in reverse input order.
    std::reverse(list.begin(), list.end());
    std::stable_sort(list.begin(), list.end(), [](const TVelmoraData& a, const TVelmoraData& b) {
        return Win1251::CompareAsciiNoCase(a.Name, b.Name) < 0;
    });
    return list;
}
