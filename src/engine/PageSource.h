#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>

// The source of a page as it came: the file behind a local address, byte for byte.
namespace PageSource {

// The bytes of the local file behind url; none when url is no local file or it cannot be read.
std::optional<QByteArray> LocalFileBytes(const QUrl& url);

} // namespace PageSource
