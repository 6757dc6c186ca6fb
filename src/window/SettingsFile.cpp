#include "SettingsFile.h"

#include "ContentPath.h"

ProfileFile OpenSettings(const QString& contentDir)
{
    return ProfileFile(ContentPath::Join(contentDir, kSettingsFile));
}

namespace {

void ThrowIfFailed(bool written, const ProfileFile& settings)
{
    if (!written)
        throw ESettingsWriteError(settings.LastError().toStdString());
}

} // namespace

void WriteSetting(ProfileFile& settings, std::string_view section, std::string_view key, int value)
{
    ThrowIfFailed(settings.WriteInteger(section, key, value), settings);
}

void WriteSettings(ProfileFile& settings, std::span<const TProfileInteger> values)
{
    ThrowIfFailed(settings.WriteIntegers(values), settings);
}
