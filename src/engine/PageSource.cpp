#include "PageSource.h"

#include "RegularFile.h"

namespace PageSource {
namespace {

// Far beyond any page of the catalogue.
constexpr qint64 kMaxPageBytes = 64LL * 1024 * 1024;

} // namespace

std::optional<QByteArray> LocalFileBytes(const QUrl& url)
{
    if (!url.isLocalFile())
        return std::nullopt;
    RegularFile::TRead read =
        RegularFile::Read(url.toLocalFile(), kMaxPageBytes, TFolderOwner::Content);
    if (!read.Ok())
        return std::nullopt;
    return std::move(read.Bytes);
}

} // namespace PageSource
