#include "Fuzzing.h"

#include "TestFiles.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace Fuzzing {

const QString& ContentFolder()
{
    static const QTemporaryDir folder;
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
