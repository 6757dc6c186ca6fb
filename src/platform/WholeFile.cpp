#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace WholeFile {
namespace {

// The new file's name is the old one's with this mark and a random tail, so that one left
// behind by a kill can be told from the user's own files (say "settings.ini.backup").
constexpr QLatin1String kUnfinishedMark(".velmora-unfinished-");
constexpr int kNameAttempts = 16;
constexpr int kTailBase = 36; // digits and small letters

QString RandomTail()
{
    return QString::number(QRandomGenerator::global()->generate64(), kTailBase);
}

TWrite Failed(TFailure failure, const QFile& file)
{
    return {failure, file.error() == QFileDevice::NoError
                         ? QStringLiteral("Nothing more could be written; the disk may be full.")
                         : file.errorString()};
}

TWrite FailedWithErrno(TFailure failure)
{
    return {failure, QString::fromLocal8Bit(std::strerror(errno))};
}

// Opens a file of a new name beside path; it takes path's permissions when path exists.
bool CreateBeside(const QString& path, QFile& file)
{
    // Unbuffered, so a full disk shows at the write that hits it instead of in a flush.
    constexpr QIODevice::OpenMode kNewFile =
        QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        file.setFileName(path + kUnfinishedMark + RandomTail());
        if (file.open(kNewFile))
            break;
        if (QFileInfo::exists(file.fileName()))
            continue;
        return false;
    }
    if (!file.isOpen())
        return false;
    if (QFileInfo::exists(path))
        file.setPermissions(QFile::permissions(path));
    return true;
}

TWrite WriteAll(QFile& file, QByteArrayView bytes)
{
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 step = file.write(bytes.data() + written, bytes.size() - written);
        if (step <= 0)
            return Failed(TFailure::CannotWrite, file);
        written += qsizetype(step);
    }
    // On disk before it takes the old file's place, so a crash of the machine cannot leave an
    // empty file where the old one was.
    if (::fsync(file.handle()) != 0)
        return FailedWithErrno(TFailure::CannotWrite);
    return {};
}

} // namespace

TWrite Replace(const QString& path, QByteArrayView bytes)
{
    QFile file;
    if (!CreateBeside(path, file))
        return Failed(TFailure::CannotCreate, file);
    TWrite written = WriteAll(file, bytes);
    file.close();
    if (written.Ok() &&
        std::rename(QFile::encodeName(file.fileName()), QFile::encodeName(path)) != 0)
        written = FailedWithErrno(TFailure::CannotWrite);
    if (!written.Ok())
        file.remove();
    return written;
}

void RemoveUnfinished(const QString& path)
{
    const QFileInfo info(path);
    QDir folder = info.dir();
    const QString leftoverPattern = info.fileName() + kUnfinishedMark + u'*';
    const QStringList leftovers = folder.entryList({leftoverPattern}, QDir::Files | QDir::Hidden);
    for (const QString& leftover : leftovers)
        folder.remove(leftover);
}

} // namespace WholeFile
