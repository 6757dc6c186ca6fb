#include "UserContentFolder.h"

#include "FolderContains.h"
#include "RegularFile.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <unistd.h>

namespace UserContentFolder {
namespace {

constexpr QDir::Filters kEveryEntry =
    QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;

constexpr QFileDevice::Permissions kUsersFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ReadGroup | QFileDevice::ReadOther;

// Far beyond a settings file or a generated page; a larger installed one is left out.
constexpr qint64 kMostCopiedBytes = 64LL * 1024 * 1024;

enum class TEntry { None, Link, File, Other };

// What is at a path, without following a link.
TEntry KindOf(const QFileInfo& entry)
{
    if (entry.isSymLink())
        return TEntry::Link;
    if (!entry.exists())
        return TEntry::None;
    return entry.isFile() ? TEntry::File : TEntry::Other;
}

// A path under folder; the folder itself for an empty relative path, and the other way round.
QString Joined(const QString& folder, const QString& relative)
{
    if (folder.isEmpty() || relative.isEmpty())
        return folder + relative;
    return folder + u'/' + relative;
}

// One bringing up to date of a user's folder, with what could not be done.
class TMirror {
public:
    TMirror(const QString& installedDir, const QString& mirrorDir, const QStringList& ownFiles)
        : installedDir_(installedDir), mirrorDir_(mirrorDir), ownFiles_(ownFiles)
    {
    }

    // The folder at relative (empty: the top) as a real folder, its entries up to date.
    void Update(const QString& relative)
    {
        if (!QDir().mkpath(Mirrored(relative))) {
            Problems << QStringLiteral("The folder %1 could not be made.").arg(Mirrored(relative));
            return;
        }
        const QFileInfoList entries = QDir(Installed(relative)).entryInfoList(kEveryEntry);
        for (const QFileInfo& entry : entries)
            UpdateEntry(entry, Joined(relative, entry.fileName()));
        RemoveDeadLinks(relative);
    }

    QStringList Problems;

private:
    QString Installed(const QString& relative) const { return Joined(installedDir_, relative); }
    QString Mirrored(const QString& relative) const { return Joined(mirrorDir_, relative); }

    bool HoldsOwnFiles(const QString& relative) const
    {
        const QString prefix = relative + u'/';
        return std::any_of(ownFiles_.begin(), ownFiles_.end(),
                           [&](const QString& own) { return own.startsWith(prefix); });
    }

    // A real folder where own files go, or where an older user folder made one; a link to
    // anything else that is a folder or a regular file.
    void UpdateEntry(const QFileInfo& source, const QString& relative)
    {
        if (ownFiles_.contains(relative)) {
            CopyOnce(relative);
            return;
        }
        const bool realFolder = source.isDir() && !source.isSymLink();
        const QFileInfo existing(Mirrored(relative));
        if (realFolder &&
            (HoldsOwnFiles(relative) || (existing.isDir() && !existing.isSymLink()))) {
            Update(relative);
            return;
        }
        if (source.isSymLink() && !FolderContains(installedDir_, source.canonicalFilePath()))
            LeaveOut(relative, RegularFile::Reason(RegularFile::TFailure::OutsideContent));
        else if (realFolder || source.isFile())
            Link(relative);
        else
            LeaveOut(relative, RegularFile::Reason(RegularFile::TFailure::NotARegularFile));
    }

    // A link already in place stays, and so does anything of the user's there; a link that
    // leads nowhere gives way.
    void Link(const QString& relative)
    {
        const QString target = Mirrored(relative);
        const QFileInfo existing(target);
        switch (KindOf(existing)) {
        case TEntry::Link:
            if (existing.exists())
                return;
            if (!QFile::remove(target)) {
                CannotMake(relative);
                return;
            }
            break;
        case TEntry::File:
        case TEntry::Other:
            return;
        case TEntry::None:
            break;
        }
        if (!QFile::link(Installed(relative), target))
            CannotMake(relative);
    }

    // The installed file is the starting point only: once copied, the file is the user's. A
    // link of an older folder to the installed file gives way, as the viewer could not replace
    // the file through it; so does a FIFO, device or empty folder in the copy's place.
    void CopyOnce(const QString& relative)
    {
        const QString target = Mirrored(relative);
        const QFileInfo existing(target);
        const TEntry kind = KindOf(existing);
        if (kind == TEntry::File ||
            (kind == TEntry::Link && existing.symLinkTarget() != Installed(relative)))
            return;
        const RegularFile::TRead read =
            RegularFile::Read(Installed(relative), kMostCopiedBytes, TFolderOwner::Content);
        if (!read.Ok()) {
            LeaveOut(relative, RegularFile::Reason(read.Failure));
            if (kind == TEntry::Other)
                Problems << QStringLiteral("%1 is not a regular file, so the viewer cannot keep "
                                           "what it writes there.")
                                .arg(target);
            return;
        }
        if (kind == TEntry::Other && !RemoveEmpty(existing)) {
            Problems << QStringLiteral("%1 is a folder with files in it, so it is left as it is, "
                                       "and the viewer cannot keep what it writes there.")
                            .arg(target);
            return;
        }
        if (kind == TEntry::Link && !QFile::remove(target)) {
            CannotMake(relative);
            return;
        }
        // The user's to change, and readable by no more than the installed file is.
        const WholeFile::TWrite written =
            WholeFile::Replace(target, read.Bytes, TFolderOwner::User,
                               (read.Permissions | QFileDevice::WriteOwner) & kUsersFile);
        if (!written.Ok()) {
            Problems << QStringLiteral("%1 could not be made: %2").arg(target, written.Reason);
            return;
        }
        if (kind == TEntry::Other)
            Problems << QStringLiteral("%1 was not a regular file; a fresh copy of %2 took its "
                                       "place.")
                            .arg(target, Installed(relative));
    }

    // Takes away what holds nothing of the user's: an empty folder, a FIFO, a device.
    static bool RemoveEmpty(const QFileInfo& entry)
    {
        return entry.isDir() ? QDir().rmdir(entry.filePath()) : QFile::remove(entry.filePath());
    }

    // Only links this folder would make, to the same place in the installed folder, whose
    // installed entry is gone.
    void RemoveDeadLinks(const QString& relative)
    {
        const QFileInfoList entries = QDir(Mirrored(relative)).entryInfoList(kEveryEntry);
        for (const QFileInfo& entry : entries) {
            const QString installed = Installed(Joined(relative, entry.fileName()));
            if (entry.isSymLink() && !entry.exists() && entry.symLinkTarget() == installed)
                QFile::remove(entry.filePath());
        }
    }

    void LeaveOut(const QString& relative, const QString& why)
    {
        Problems
            << QStringLiteral("%1 is left out of %2. %3").arg(Installed(relative), mirrorDir_, why);
    }

    void CannotMake(const QString& relative)
    {
        Problems << QStringLiteral("%1 could not be made.").arg(Mirrored(relative));
    }

    QString installedDir_;
    QString mirrorDir_;
    QStringList ownFiles_;
};

} // namespace

QString Path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/velmora");
}

bool Writable(const QString& dir)
{
    return access(QFile::encodeName(dir).constData(), W_OK | X_OK) == 0;
}

TMirrored Mirror(const QString& installedDir, const QString& mirrorDir, const QStringList& ownFiles)
{
    // A link here once led a start to tidy up the folder it pointed at.
    const QFileInfo folder(mirrorDir);
    if (folder.isSymLink())
        return {false,
                {QStringLiteral("Your folder %1 is a link, which the viewer does not "
                                "follow.")
                     .arg(mirrorDir)}};
    if (folder.exists() && !folder.isDir())
        return {false, {QStringLiteral("Your folder %1 is not a folder.").arg(mirrorDir)}};
    if (!QDir().mkpath(mirrorDir))
        return {false, {QStringLiteral("Your folder %1 cannot be made.").arg(mirrorDir)}};
    TMirror mirror(installedDir, mirrorDir, ownFiles);
    mirror.Update({});
    return {true, mirror.Problems};
}

TChoice Choose(const QString& installedDir, const QStringList& ownFiles)
{
    if (Writable(installedDir))
        return {installedDir, {}};
    const QString mirrorDir = Path();
    const TMirrored mirrored = Mirror(installedDir, mirrorDir, ownFiles);
    if (!mirrored.Usable)
        return {installedDir, mirrored.Problems.join(u' ') +
                                  QStringLiteral(" The viewer works from %1 instead, where it "
                                                 "cannot keep your settings or pages.")
                                      .arg(installedDir)};
    return {mirrorDir, mirrored.Problems.join(u'\n')};
}

} // namespace UserContentFolder
