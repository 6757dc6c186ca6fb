#pragma once

#include "ProfileFile.h"

#include <QString>

#include <span>
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

// Writes the values, all in one replacement, into settings.ini as it is on disk at that moment,
// while no other viewer of the folder writes it: two viewers of one user keep each other's
// changes. Throws ESettingsWriteError when the file cannot be written.
void WriteSettings(const QString& contentDir, std::span<const TProfileInteger> values);

// Takes away the lock of a viewer that was killed while it wrote; another viewer's stays.
void ClearAbandonedSettingsLock(const QString& contentDir);
