#include "FilterSettings.h"

#include "SettingsFile.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::string_view kSection = "SETTINGS";
constexpr std::string_view kGroupCountKey = "allparamcount";
constexpr std::string_view kButtonCountKey = "paramcount";
constexpr int kOn = 1;

// Groups and buttons are numbered from 1 in the file: "param1" the section of group 0, and in
// it "param1" the key of button 0.
std::string Numbered(size_t index)
{
    return "param" + std::to_string(index + 1);
}

// A count from the file, limited to what the window has.
size_t StoredCount(const ProfileFile& settings, std::string_view section, std::string_view key,
                   size_t limit)
{
    return std::min(size_t(std::max(settings.ReadInteger(section, key, 0), 0)), limit);
}

} // namespace

TFilterStates ReadFilterStates(const QString& contentDir, const std::vector<size_t>& groupSizes)
{
    const ProfileFile settings = OpenSettings(contentDir);
    TFilterStates states;
    for (const size_t size : groupSizes)
        states.emplace_back(size, false);
    const size_t groups = StoredCount(settings, kSection, kGroupCountKey, groupSizes.size());
    for (size_t g = 0; g < groups; ++g) {
        const std::string section = Numbered(g);
        const size_t buttons = StoredCount(settings, section, kButtonCountKey, groupSizes[g]);
        for (size_t k = 0; k < buttons; ++k)
            states[g][k] = settings.ReadInteger(section, Numbered(k), 0) == kOn;
    }
    return states;
}

void WriteFilterChanges(const QString& contentDir, const TFilterStates& before,
                        const TFilterStates& after)
{
    std::vector<TProfileInteger> changes;
    for (size_t g = 0; g < after.size(); ++g) {
        for (size_t k = 0; k < after[g].size(); ++k) {
            const bool was = g < before.size() && k < before[g].size() && before[g][k];
            if (after[g][k] != was)
                changes.push_back({Numbered(g), Numbered(k), after[g][k] ? kOn : 0});
        }
    }
    if (changes.empty())
        return;
    std::vector<TProfileInteger> values;
    values.push_back({std::string(kSection), std::string(kGroupCountKey), int(after.size())});
    for (size_t g = 0; g < after.size(); ++g)
        values.push_back({Numbered(g), std::string(kButtonCountKey), int(after[g].size())});
    values.insert(values.end(), changes.begin(), changes.end());
    WriteSettings(contentDir, values);
}
