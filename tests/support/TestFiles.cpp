#include "TestFiles.h"

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

void PlaceTrap(const QString& path, TTrap trap)
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
    }
    if (!placed)
        throw std::runtime_error("cannot place a trap at " + path.toStdString());
}

} // namespace TestFiles
