#include "SettingsWriter.h"

#include "ContentFolder.h"
#include "IniText.h"
#include "SkinLayout.h"

#include <QFileInfo>

namespace SettingsWriter {
namespace {

constexpr char16_t kSettingsFile[] = u"settings.ini";
constexpr int kOn = 1;

} // namespace

std::string Defaults()
{
    // Group 0, all the works, has no switches; the others follow it.
    std::vector<size_t> groupSizes{0};
    for (const size_t size : SkinLayout::FilterGroupSizes())
        groupSizes.push_back(size);
    IniText ini;
    ini.Section("SETTINGS");
    ini.Key("allparamcount", int(groupSizes.size()));
    for (size_t g = 0; g < groupSizes.size(); ++g) {
        ini.Section("param" + std::to_string(g + 1));
        ini.Key("paramcount", int(groupSizes[g]));
        for (size_t k = 0; k < groupSizes[g]; ++k)
            ini.Key("param" + std::to_string(k + 1), kOn);
    }
    return ini.Utf8();
}

void WriteUnlessPresent(ContentFolder& folder)
{
    if (!QFileInfo::exists(folder.PathOf(kSettingsFile)))
        folder.WriteText(kSettingsFile, Defaults());
}

} // namespace SettingsWriter
