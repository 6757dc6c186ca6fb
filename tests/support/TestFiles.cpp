#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <stdexcept>

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

TDiskFullAfter::TDiskFullAfter(rlim_t bytes)
{
    getrlimit(RLIMIT_FSIZE, &saved_);
    // A write past the limit then fails with an error instead of ending the process.
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
}

TDiskFullAfter::~TDiskFullAfter()
{
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
}

} // namespace TestFiles
