#include "ContentPath.h"

#include <QCoreApplication>
#include <QDir>

namespace ContentPath {
namespace {
QString overriddenDir;
} // namespace

void OverrideExecutableDir(const QString& dir)
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
    // A name with a NUL would be cut short where the system reads it.
    if (tail.contains(QChar(0)))
        return {};
    while (tail.startsWith(u'/'))
        tail.remove(0, 1);
    tail = QDir::cleanPath(tail);
    if (tail == u".." || tail.startsWith(u"../"))
        return {};
    if (tail == u".")
        return contentDir;
    return contentDir + u'/' + tail;
}

} // namespace ContentPath
