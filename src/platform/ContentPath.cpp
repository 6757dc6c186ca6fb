#include "ContentPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>

namespace ContentPath {
namespace {
QString chosenContentDir;
} // namespace

void UseContentDir(const QString& dir)
{
    chosenContentDir = dir;
}

QString ContentDir()
{
    return chosenContentDir.isEmpty() ? ExecutableDir() : chosenContentDir;
}

QString ExecutableDir()
{
    // applicationDirPath() never ends in a separator, except for the root folder itself.
    QString dir = QCoreApplication::applicationDirPath();
    if (dir.endsWith(u'/'))
        dir.chop(1);
    return dir;
}

std::optional<QString> Relative(QStringView relative)
{
    QString tail = relative.toString();
    tail.replace(u'\\', u'/');
    // A name with a NUL would be cut short where the system reads it.
    if (tail.contains(QChar(0)))
        return std::nullopt;
    while (tail.startsWith(u'/'))
        tail.remove(0, 1);
    tail = QDir::cleanPath(tail);
    if (tail == u".." || tail.startsWith(u"../"))
        return std::nullopt;
    return tail;
}

QByteArray FileUrl(const QString& contentDir, QStringView relative)
{
    const QString path = Join(contentDir, relative);
    if (path.isEmpty())
        return {};
    QByteArray url = QUrl::fromLocalFile(path).toEncoded();
    url.replace('(', "%28").replace(')', "%29").replace('\'', "%27");
    return url;
}

QString Join(const QString& contentDir, QStringView relative)
{
    const std::optional<QString> tail = Relative(relative);
    if (!tail)
        return {};
    if (*tail == u".")
        return contentDir;
    return contentDir + u'/' + *tail;
}

} // namespace ContentPath
