#include "UserContentFolder.h"

#include <QDir>
#include <QDirIterator>
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

bool MakeParent(const QString& path)
{
    return QDir().mkpath(QFileInfo(path).path());
}

// A link that already names source stays, and so does a file of the user's in its place.
bool Link(const QString& source, const QString& target)
{
    const QFileInfo existing(target);
    if (existing.isSymLink()) {
        if (existing.symLinkTarget() == source)
            return true;
        if (!QFile::remove(target))
            return false;
    } else if (existing.exists()) {
        return true;
    }
    return MakeParent(target) && QFile::link(source, target);
}

// The installed file is the starting point only: once copied, the file is the user's. A link
// left by an older folder gives way, as the viewer could not replace the file through it.
bool CopyOnce(const QString& source, const QString& target)
{
    const QFileInfo existing(target);
    if (existing.isSymLink()) {
        if (!QFile::remove(target))
            return false;
    } else if (existing.exists()) {
        return true;
    }
    return MakeParent(target) && QFile::copy(source, target) &&
           QFile::setPermissions(target, kUsersFile);
}

// Links to files the package took away, then the folders it took away once they are empty.
void RemoveStale(const QString& installedDir, const QString& mirrorDir)
{
    const QString installedPrefix = installedDir + u'/';
    const QDir mirror(mirrorDir);
    QStringList folders;
    QDirIterator entries(mirrorDir, kEveryEntry, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo entry = entries.fileInfo();
        if (entry.isSymLink()) {
            if (!entry.exists() && entry.symLinkTarget().startsWith(installedPrefix))
                QFile::remove(entry.filePath());
        } else if (entry.isDir()) {
            folders << entry.filePath();
        }
    }
    // Deepest first; rmdir leaves a folder that still holds something of the user's.
    std::sort(folders.rbegin(), folders.rend());
    for (const QString& folder : folders) {
        if (!QFileInfo::exists(installedPrefix + mirror.relativeFilePath(folder)))
            QDir().rmdir(folder);
    }
}

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

bool Mirror(const QString& installedDir, const QString& mirrorDir, const QStringList& ownFiles)
{
    if (!QDir().mkpath(mirrorDir))
        return false;
    const QDir installed(installedDir);
    bool whole = true;
    QDirIterator entries(installedDir, kEveryEntry, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString source = entries.next();
        const QFileInfo entry = entries.fileInfo();
        const QString relative = installed.relativeFilePath(source);
        const QString target = mirrorDir + u'/' + relative;
        if (entry.isDir() && !entry.isSymLink())
            whole = QDir().mkpath(target) && whole;
        else if (ownFiles.contains(relative))
            whole = CopyOnce(source, target) && whole;
        else
            whole = Link(source, target) && whole;
    }
    RemoveStale(installedDir, mirrorDir);
    return whole;
}

QString Choose(const QString& installedDir, const QStringList& ownFiles)
{
    if (Writable(installedDir))
        return installedDir;
    const QString mirror = Path();
    return Mirror(installedDir, mirror, ownFiles) ? mirror : installedDir;
}

} // namespace UserContentFolder
