#include "WholeFile.h"

#include "ContentFence.h"
#include "FileMode.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace WholeFile {
namespace {

// The new file's name is the old one's with this mark and a random tail, so that one left
// behind by a kill can be told from the user's own files (say "settings.ini.backup").
constexpr QLatin1String kUnfinishedMark(".velmora-unfinished-");
constexpr int kNameAttempts = 16;
constexpr int kTailBase = 36;         // digits and small letters
constexpr mode_t kNewFileMode = 0666; // less the user's umask
constexpr mode_t kPermissionBits = 07777;

QString RandomTail()
{
    return QString::number(QRandomGenerator::global()->generate64(), kTailBase);
}

TWrite FailedWithErrno(TFailure failure)
{
    if (errno == 0 || errno == ENOSPC)
        return {failure, QStringLiteral("Nothing more could be written; the disk may be full.")};
    return {failure, QString::fromLocal8Bit(std::strerror(errno))};
}

// A file of a new name in folder; its name is left in newName.
int CreateIn(int folder, const QString& fileName, QByteArray& newName)
{
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        newName = QFile::encodeName(fileName + kUnfinishedMark + RandomTail());
        const int file = openat(folder, newName.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kNewFileMode);
        if (file >= 0 || errno != EEXIST)
            return file;
    }
    return -1;
}

// The old file's permissions where a regular file stands (a link is not asked where it leads),
// else those the file was made with; never beyond most.
bool SetPermissions(int folder, const QByteArray& oldName, int file, mode_t most)
{
    struct stat status {};
    if (fstatat(folder, oldName.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(status.st_mode)) {
        if (fstat(file, &status) != 0)
            return false;
    }
    return fchmod(file, status.st_mode & kPermissionBits & most) == 0;
}

TWrite WriteAll(int file, QByteArrayView bytes)
{
    for (qsizetype written = 0; written < bytes.size();) {
        errno = 0;
        const ssize_t step = ::write(file, bytes.data() + written, size_t(bytes.size() - written));
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0)
            return FailedWithErrno(TFailure::CannotWrite);
        written += qsizetype(step);
    }
    // On disk before it takes the old file's place, so a crash of the machine cannot leave an
    // empty file where the old one was.
    if (::fsync(file) != 0)
        return FailedWithErrno(TFailure::CannotWrite);
    return {};
}

// Writes the new file in the folder open at folder and puts it in the old one's place; every
// step names its file relative to that folder, so the folder it was checked to be stays the one
// written.
TWrite ReplaceIn(int folder, const QString& fileName, QByteArrayView bytes, mode_t most)
{
    QByteArray newName;
    const int file = CreateIn(folder, fileName, newName);
    if (file < 0)
        return FailedWithErrno(TFailure::CannotCreate);
    const QByteArray oldName = QFile::encodeName(fileName);
    TWrite written = SetPermissions(folder, oldName, file, most)
                         ? WriteAll(file, bytes)
                         : FailedWithErrno(TFailure::CannotWrite);
    ::close(file);
    if (written.Ok() && renameat(folder, newName.constData(), folder, oldName.constData()) != 0)
        written = FailedWithErrno(TFailure::CannotWrite);
    if (!written.Ok())
        unlinkat(folder, newName.constData(), 0);
    return written;
}

// The writers of a folder hold it shared while an unfinished file of theirs stands in it; a start
// that clears away leftovers holds it alone, so it never takes a file a live viewer is writing.
// The lock goes with the descriptor, also when the program is killed.
class TFolderWriters {
public:
    TFolderWriters(int folder, int operation)
        : lock_(openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        held_ = lock_ >= 0 && flock(lock_, operation) == 0;
    }
    ~TFolderWriters()
    {
        if (lock_ >= 0)
            ::close(lock_);
    }
    TFolderWriters(const TFolderWriters&) = delete;
    TFolderWriters& operator=(const TFolderWriters&) = delete;

    bool Held() const { return held_; }

private:
    int lock_;
    bool held_ = false;
};

int OpenFolder(const QString& path)
{
    return open(QFile::encodeName(path).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

} // namespace

TWrite Replace(const QString& path, QByteArrayView bytes, TFolderOwner owner,
               QFileDevice::Permissions most)
{
    const QFileInfo info(path);
    const int folder = OpenFolder(info.absolutePath());
    if (folder < 0)
        return FailedWithErrno(TFailure::CannotCreate);
    const auto closeOnReturn = qScopeGuard([folder] { ::close(folder); });
    if (owner == TFolderOwner::Content && !ContentFence::Holds(folder))
        return {TFailure::CannotCreate,
                QStringLiteral("The folder %1 leads out of the content folder.")
                    .arg(info.absolutePath())};
    // Without the lock (a folder that cannot be read) the write still goes ahead, unguarded.
    const TFolderWriters writing(folder, LOCK_SH);
    return ReplaceIn(folder, info.fileName(), bytes, FileMode::Mode(most));
}

void RemoveUnfinished(const QString& path)
{
    const QFileInfo info(path);
    const int folderLock = OpenFolder(info.absolutePath());
    if (folderLock < 0)
        return;
    const auto closeOnReturn = qScopeGuard([folderLock] { ::close(folderLock); });
    const TFolderWriters clearing(folderLock, LOCK_EX | LOCK_NB);
    if (!clearing.Held())
        return; // another viewer writes there now; a later start clears what is left
    QDir folder = info.dir();
    const QString leftoverPattern = info.fileName() + kUnfinishedMark + u'*';
    const QStringList leftovers = folder.entryList({leftoverPattern}, QDir::Files | QDir::Hidden);
    for (const QString& leftover : leftovers)
        folder.remove(leftover);
}

} // namespace WholeFile
