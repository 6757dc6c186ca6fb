#include "SettingsFile.h"

#include "ContentPath.h"

ProfileFile OpenSettings(const QString& contentDir)
{
    return ProfileFile(ContentPath::Join(contentDir, u"\\settings.ini"));
}

void WriteSetting(ProfileFile& settings, std::string_view section, std::string_view key, int value)
{
    if (!settings.WriteInteger(section, key, value))
        throw ESettingsWriteError(settings.LastError().toStdString());
}
