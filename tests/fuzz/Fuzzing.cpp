#include "Fuzzing.h"

#include "TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

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
    static const QString path = folder.path();
    return path;
}

QString WriteFile(const QString& relative, std::string_view bytes)
{
    const QString path = ContentFolder() + QLatin1Char('/') + relative;
    TestFiles::Write(path, bytes);
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
