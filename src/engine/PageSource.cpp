#include "PageSource.h"

#include "RegularFile.h"

namespace PageSource {

std::optional<QByteArray> LocalFileBytes(const QUrl& url)
{
    if (!url.isLocalFile())
        return std::nullopt;
    RegularFile::TRead read =
        RegularFile::Read(url.toLocalFile(), RegularFile::kMostPageBytes, TFolderOwner::Content);
    if (!read.Ok())
        return std::nullopt;
    return std::move(read.Bytes);
}

} // namespace PageSource
