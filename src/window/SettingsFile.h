#pragma once

#include "ProfileFile.h"

#include <QString>

#include <stdexcept>
#include <string_view>

inline constexpr std::u16string_view kSettingsFile = u"\\settings.ini";

// The user's settings.ini in the content folder; never cached, every access opens it anew.
ProfileFile OpenSettings(const QString& contentDir);

// A settings write that could not happen; shown to the user in the error box.
class ESettingsWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void WriteSetting(ProfileFile& settings, std::string_view section, std::string_view key, int value);
// All in one write.
void WriteSettings(ProfileFile& settings, std::span<const TProfileInteger> values);
