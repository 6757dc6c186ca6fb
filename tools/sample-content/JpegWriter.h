#pragma once

#include <QImage>
#include <QString>

// Encodes pictures for the content set. Same picture, same bytes: fixed quality, no sampling
// loss on colour edges, and no time stamp or comment in the file.
namespace JpegWriter {

// False when the file cannot be written.
[[nodiscard]] bool Write(const QImage& image, const QString& path);

} // namespace JpegWriter
