#pragma once

#include <QString>

#include <vector>

// The catalogue's filter switches as settings.ini keeps them: per group, per button, on or off.
using TFilterStates = std::vector<std::vector<bool>>;

// The stored switches for groups of the given sizes. What the file lacks is off; groups and
// buttons beyond the sizes are ignored.
TFilterStates ReadFilterStates(const QString& contentDir, const std::vector<size_t>& groupSizes);

// Stores every switch in one write, leaving any other entry of the file as it is; a failed
// write throws ESettingsWriteError.
void WriteFilterStates(const QString& contentDir, const TFilterStates& states);
