#pragma once

#include "TVelmoraData.h"

#include <vector>

// Flag k switches on value k of a filter's table; missing flags are off, extra ones ignored.
using TFilterFlags = std::vector<bool>;

// Each returns the works of `works` that meet at least one switched-on condition, sorted by
// name; with no flag on, nothing.
TVelmoraDataArray SelectAllWorks(const TVelmoraDataArray& works);
TVelmoraDataArray FilterByComplexity(const TVelmoraDataArray& works, const TFilterFlags& flags);
TVelmoraDataArray FilterByTime(const TVelmoraDataArray& works, const TFilterFlags& flags);
TVelmoraDataArray FilterByColor(const TVelmoraDataArray& works, const TFilterFlags& flags);
TVelmoraDataArray FilterByTheme(const TVelmoraDataArray& works, const TFilterFlags& flags);
TVelmoraDataArray FilterByMaterials(const TVelmoraDataArray& works, const TFilterFlags& flags);
TVelmoraDataArray FilterByTemper(const TVelmoraDataArray& works, const TFilterFlags& flags);

// The catalogue's seven filter groups: 0 all works, then the six filters above in order.
inline constexpr int kFilterGroupCount = 7;
// Number of flags of each group (0 for all works).
inline constexpr std::array<size_t, kFilterGroupCount> kFilterFlagCounts = {0, 3, 5, 18, 3, 10, 3};
TVelmoraDataArray SelectFilterGroup(const TVelmoraDataArray& works, int group,
                                    const TFilterFlags& flags);
