#include "TestFiles.h"

#include "ContentPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>
#include <sys/stat.h>

namespace TestFiles {

void Write(const QString& path, std::string_view bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        throw std::runtime_error("cannot write test file " + path.toStdString());
}

std::string Read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read test file " + path.toStdString());
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), size_t(bytes.size()));
}

TContentFolder::TContentFolder()
{
    ContentPath::UseContentDir(dir_.path());
}

TContentFolder::~TContentFolder()
{
    ContentPath::UseContentDir(QString());
}

namespace {

// A folder of the user's, outside every content folder, for the whole test run.
const QTemporaryDir& UsersFolder()
{
    static const QTemporaryDir folder;
    return folder;
}

// A file of the user's with these bytes, by a new name each time.
QString UsersFile(std::string_view bytes)
{
    static int files = 0;
    const QString path = UsersFolder().filePath(QStringLiteral("private-%1").arg(++files));
    Write(path, bytes);
    return path;
}

bool LinkOut(const QString& path, TTrap trap, std::string_view outsideBytes)
{
    const QString usersFile = UsersFile(outsideBytes);
    const QDir folder = QFileInfo(path).absoluteDir();
    switch (trap) {
    case TTrap::LinkOutByRelativePath:
        return QFile::link(folder.relativeFilePath(usersFile), path);
    case TTrap::LinkOutThroughProc:
        return QFile::link(
            QStringLiteral("/proc/self/cwd/") + QDir::current().relativeFilePath(usersFile), path);
    case TTrap::LinkThroughAFolderOut: {
        const QString linkedFolder = path + QStringLiteral(".folder");
        return QFile::link(UsersFolder().path(), linkedFolder) &&
               QFile::link(QFileInfo(linkedFolder).fileName() + u'/' +
                               QFileInfo(usersFile).fileName(),
                           path);
    }
    default:
        return QFile::link(usersFile, path);
    }
}

} // namespace

void PlaceTrap(const QString& path, TTrap trap, std::string_view outsideBytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray name = QFile::encodeName(path);
    bool placed = false;
    switch (trap) {
    case TTrap::Fifo:
        placed = mkfifo(name.constData(), 0600) == 0;
        break;
    case TTrap::Directory:
        placed = QDir().mkpath(path);
        break;
    case TTrap::LinkToDevZero:
        placed = QFile::link(QStringLiteral("/dev/zero"), path);
        break;
    case TTrap::HugeFile: {
        QFile file(path);
        placed = file.open(QIODevice::WriteOnly) && file.resize(qint64(1) << 30);
        break;
    }
    case TTrap::LinkOutByAbsolutePath:
    case TTrap::LinkOutByRelativePath:
    case TTrap::LinkOutThroughProc:
    case TTrap::LinkThroughAFolderOut:
        placed = LinkOut(path, trap, outsideBytes);
        break;
    }
    if (!placed)
        throw std::runtime_error("cannot place a trap at " + path.toStdString());
}

} // namespace TestFiles
