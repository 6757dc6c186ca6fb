#pragma once

#include <QString>

#include <vector>

// The catalogue's filter switches as settings.ini keeps them: per group, per button, on or off.
using TFilterStates = std::vector<std::vector<bool>>;

// The stored switches for groups of the given sizes. What the file lacks is off; groups and
// buttons beyond the sizes are ignored.
TFilterStates ReadFilterStates(const QString& contentDir, const std::vector<size_t>& groupSizes);

// Stores the switches that differ between before and after (groups of the same sizes), with the
// counts that make them readable, in one write into the file as it is now; every other entry
// stays, another viewer's switches among them. Nothing changed, nothing is written. A failed
// write throws ESettingsWriteError.
void WriteFilterChanges(const QString& contentDir, const TFilterStates& before,
                        const TFilterStates& after);
