#include "Fuzzing.h"

#include "ContentPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace Fuzzing {

namespace {

const QString kMemoryFileSystem = QStringLiteral("/dev/shm");

QString FolderTemplate()
{
    const QFileInfo memory(kMemoryFileSystem);
    if (!memory.isDir() || !memory.isWritable())
        return QDir::tempPath() + QStringLiteral("/velmora-fuzz-XXXXXX");
    return kMemoryFileSystem + QStringLiteral("/velmora-fuzz-XXXXXX");
}

} // namespace

const QString& ContentFolder()
{
    static const QTemporaryDir folder(FolderTemplate());
    static const QString path = [] {
        // The readers open only files of the content.
        ContentPath::UseContentDir(folder.path());
        return folder.path();
    }();
    return path;
}

// Written with the system's calls: a QFile costs more per input than many readers do.
VELMORA_NOT_COVERED QString WriteFile(const QString& relative, std::string_view bytes)
{
    const QString path = ContentFolder() + QLatin1Char('/') + relative;
    const QByteArray name = QFile::encodeName(path);
    constexpr int kFlags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC;
    constexpr mode_t kMode = 0600;
    int descriptor = ::open(name.constData(), kFlags, kMode);
    if (descriptor < 0 && errno == ENOENT) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        descriptor = ::open(name.constData(), kFlags, kMode);
    }
    const bool written =
        descriptor >= 0 && ::write(descriptor, bytes.data(), bytes.size()) == ssize_t(bytes.size());
    if (descriptor >= 0)
        ::close(descriptor);
    Require(written, "the input is written to its file");
    return path;
}

void Require(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

} // namespace Fuzzing
