#pragma once

#include <QImage>
#include <QString>

// The application's icon: one lacquered nail on a wine tile, drawn anew at each size so that
// small sizes stay sharp.
namespace IconPainter {

// The sizes the desktop's icon theme asks for, in pixels.
inline constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256, 512};

QImage Paint(int size);

// Writes folder/hicolor/NxN/apps/velmora.png for each size; returns the files that could not
// be written, one a line.
QString WriteTheme(const QString& folder);

} // namespace IconPainter
