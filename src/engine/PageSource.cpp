#include "PageSource.h"

#include "RegularFile.h"

#include <QSaveFile>

namespace PageSource {
namespace {

// Far beyond any page of the catalogue.
constexpr qint64 kMaxPageBytes = 64LL * 1024 * 1024;

} // namespace

std::optional<QByteArray> LocalFileBytes(const QUrl& url)
{
    if (!url.isLocalFile())
        return std::nullopt;
    RegularFile::TRead read = RegularFile::Read(url.toLocalFile(), kMaxPageBytes);
    if (!read.Ok())
        return std::nullopt;
    return std::move(read.Bytes);
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
