#include "ContentPath.h"

#include <QCoreApplication>

namespace ContentPath {
namespace {
QString overriddenDir;
} // namespace

void OverrideExecutableDirForTests(const QString& dir)
{
    overriddenDir = dir;
}

QString ExecutableDir()
{
    if (!overriddenDir.isEmpty())
        return overriddenDir;
    // applicationDirPath() never ends in a separator, except for the root folder itself.
    QString dir = QCoreApplication::applicationDirPath();
    if (dir.endsWith(u'/'))
        dir.chop(1);
    return dir;
}

QString Join(const QString& contentDir, QStringView relative)
{
    QString tail = relative.toString();
    tail.replace(u'\\', u'/');
    if (!tail.startsWith(u'/'))
        tail.prepend(u'/');
    return contentDir + tail;
}

} // namespace ContentPath
