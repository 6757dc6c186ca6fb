#include "PageSource.h"

#include <QFile>
#include <QSaveFile>

namespace PageSource {

std::optional<QByteArray> LocalFileBytes(const QUrl& url)
{
    if (!url.isLocalFile())
        return std::nullopt;
    QFile file(url.toLocalFile());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

TSaveResult Write(const QString& fileName, const QByteArray& bytes)
{
    QSaveFile file(fileName);
    // Unbuffered, so a full disk shows at the write that hits it.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return TSaveResult::CannotCreate;
    // Without a commit the temporary file goes and the old file stays as it was.
    if (file.write(bytes) != bytes.size() || !file.commit())
        return TSaveResult::Failed;
    return TSaveResult::Saved;
}

} // namespace PageSource
