#include "SettingsFile.h"

#include "ContentPath.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace {

// The lock file beside settings.ini that one write at a time holds.
constexpr std::u16string_view kSettingsLock = u"\\settings.ini.lock";
// A write takes milliseconds; a lock held longer than this belongs to a viewer that hangs.
constexpr int kLockWaitMs = 5000;

} // namespace

ProfileFile OpenSettings(const QString& folder, TFolderOwner owner)
{
    // The viewer's own file: what of it means nothing is written anew with the next change.
    return ProfileFile(ContentPath::Join(folder, kSettingsFile), owner, TMeaninglessLines::Untold);
}

QString UserSettingsDir()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                        QStringLiteral("/velmora");
    QDir().mkpath(dir);
    return dir;
}

void ClearAbandonedSettingsLock(const QString& contentDir)
{
    // The lock of a viewer that is gone is stale, and taking the lock clears it.
    QLockFile lock(ContentPath::Join(contentDir, kSettingsLock));
    if (lock.tryLock(0))
        lock.unlock();
}

void WriteSettings(const QString& folder, std::span<const TProfileInteger> values,
                   TFolderOwner owner)
{
    // Without the lock (a folder the lock cannot be made in, a viewer that hangs) the write
    // still goes ahead: the replacement is atomic either way, and the user's change is kept.
    QLockFile lock(ContentPath::Join(folder, kSettingsLock));
    (void)lock.tryLock(kLockWaitMs);
    ProfileFile settings = OpenSettings(folder, owner);
    if (!settings.WriteIntegers(values))
        throw ESettingsWriteError(settings.LastError().toStdString());
}
