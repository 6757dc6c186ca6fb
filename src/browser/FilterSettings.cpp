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

void WriteFilterStates(const QString& contentDir, const TFilterStates& states)
{
    std::vector<TProfileInteger> values;
    values.push_back({std::string(kSection), std::string(kGroupCountKey), int(states.size())});
    for (size_t g = 0; g < states.size(); ++g) {
        const std::string section = Numbered(g);
        values.push_back({section, std::string(kButtonCountKey), int(states[g].size())});
        for (size_t k = 0; k < states[g].size(); ++k)
            values.push_back({section, Numbered(k), states[g][k] ? kOn : 0});
    }
    ProfileFile settings = OpenSettings(contentDir);
    WriteSettings(settings, values);
}
