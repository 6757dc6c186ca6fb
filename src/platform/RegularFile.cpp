#include "RegularFile.h"

#include "ContentFence.h"
#include "FileMode.h"

#include <QFile>
#include <QScopeGuard>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RegularFile {
namespace {

TFailure Check(const struct stat& status, qint64 maxBytes)
{
    if (!S_ISREG(status.st_mode))
        return TFailure::NotARegularFile;
    return status.st_size > maxBytes ? TFailure::TooLarge : TFailure::None;
}

} // namespace

TRead Read(const QString& path, qint64 maxBytes, TFolderOwner owner)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat before {};
    if (path.isEmpty())
        return {{}, TFailure::Missing};
    if (stat(name.constData(), &before) != 0)
        return {{}, errno == ENOENT || errno == ENOTDIR ? TFailure::Missing : TFailure::Unreadable};
    if (const TFailure failure = Check(before, maxBytes); failure != TFailure::None)
        return {{}, failure};
    // Non-blocking, in case a FIFO took the file's place since the look above.
    const int descriptor = open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return {{}, TFailure::Unreadable};
    const auto closeOnReturn = qScopeGuard([descriptor] { close(descriptor); });
    if (owner == TFolderOwner::Content && !ContentFence::Holds(descriptor))
        return {{}, TFailure::OutsideContent};
    struct stat opened {};
    if (fstat(descriptor, &opened) != 0)
        return {{}, TFailure::Unreadable};
    if (const TFailure failure = Check(opened, maxBytes); failure != TFailure::None)
        return {{}, failure};
    // Up to one byte past the limit, which tells a file that grew meanwhile. The buffer is the
    // file's size and grows only if the file does: a buffer of the whole limit would take the
    // limit's memory for every small file.
    QByteArray bytes(qsizetype(opened.st_size) + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled <= maxBytes) {
        if (filled == bytes.size())
            bytes.resize(std::min<qsizetype>(2 * bytes.size(), maxBytes + 1));
        const ssize_t got =
            ::read(descriptor, bytes.data() + filled, size_t(bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return {{}, TFailure::Unreadable};
        if (got == 0)
            break;
        filled += got;
    }
    if (filled > maxBytes)
        return {{}, TFailure::TooLarge};
    bytes.truncate(filled);
    return {std::move(bytes), TFailure::None, FileMode::Permissions(opened.st_mode)};
}

QString Reason(TFailure failure)
{
    switch (failure) {
    case TFailure::None:
        return {};
    case TFailure::Missing:
        return QStringLiteral("The file does not exist.");
    case TFailure::NotARegularFile:
        return QStringLiteral("It is not a regular file.");
    case TFailure::TooLarge:
        return QStringLiteral("The file is too large.");
    case TFailure::Unreadable:
        return QStringLiteral("The file cannot be read.");
    case TFailure::OutsideContent:
        return QStringLiteral("It is a link that leads out of the content folder.");
    }
    return {};
}

} // namespace RegularFile
