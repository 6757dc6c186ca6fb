#include "ContentFence.h"

#include "ContentPath.h"
#include "FolderContains.h"

#include <QFile>

#include <climits>
#include <fcntl.h>
#include <unistd.h>

namespace ContentFence {
namespace {

// Where the file or folder open at descriptor really is; empty when the system cannot tell.
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

// Whether realPath, a path with its links already followed, lies inside the content.
bool Contains(const QString& realPath)
{
    return !realPath.isEmpty() && (FolderContains(ContentPath::ContentDir(), realPath) ||
                                   FolderContains(ContentPath::ExecutableDir(), realPath));
}

} // namespace

bool Holds(int descriptor)
{
    return Contains(RealPath(descriptor));
}

bool Holds(const QString& path)
{
    // A descriptor that only names the file: opening it neither reads nor waits for a writer.
    const int descriptor = open(QFile::encodeName(path).constData(), O_PATH | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool holds = Holds(descriptor);
    close(descriptor);
    return holds;
}

} // namespace ContentFence
