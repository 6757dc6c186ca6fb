#pragma once

#include "ProfileFile.h"

#include <QString>

#include <span>
#include <stdexcept>
#include <string_view>

inline constexpr std::u16string_view kSettingsFile = u"\\settings.ini";

// The settings.ini in a folder: the content folder's, or with TFolderOwner::User the user's own
// folder's. Never cached, every access opens it anew.
ProfileFile OpenSettings(const QString& folder, TFolderOwner owner = TFolderOwner::Content);

// The user's own settings folder, outside every catalogue: what only the user may decide (such
// as whether a page may open a web site unasked) is kept there, where no catalogue ships it.
// Made when missing.
QString UserSettingsDir();

// A settings write that could not happen; shown to the user in the error box.
class ESettingsWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the values, all in one replacement, into settings.ini as it is on disk at that moment,
// while no other viewer of the folder writes it: two viewers of one user keep each other's
// changes. Throws ESettingsWriteError when the file cannot be written.
void WriteSettings(const QString& folder, std::span<const TProfileInteger> values,
                   TFolderOwner owner = TFolderOwner::Content);

// Takes away the lock of a viewer that was killed while it wrote; another viewer's stays.
void ClearAbandonedSettingsLock(const QString& contentDir);
