#include "ContentFence.h"

#include "ContentPath.h"
#include "FolderContains.h"

#include <QFile>

#include <climits>
#include <unistd.h>

namespace ContentFence {

QString RealPath(int descriptor)
{
    // The kernel keeps, for each open file, the path it was reached by with every link
    // resolved; /proc shows it as a link.
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(descriptor);
    char target[PATH_MAX];
    const ssize_t length = readlink(link.constData(), target, sizeof target);
    if (length <= 0 || size_t(length) >= sizeof target)
        return {};
    return QFile::decodeName(QByteArray(target, qsizetype(length)));
}

bool Holds(int descriptor)
{
    const QString path = RealPath(descriptor);
    return !path.isEmpty() && (FolderContains(ContentPath::ContentDir(), path) ||
                               FolderContains(ContentPath::ExecutableDir(), path));
}

} // namespace ContentFence
