#pragma once

#include <QString>

// The whole sample content set: catalogue, work pictures, skin and pages. Needs a
// QGuiApplication for drawing text.
namespace ContentGenerator {

// Writes every file into folder (made if missing); returns the relative paths that could not
// be written, one a line, or empty on success. Files the viewer writes itself are left alone.
QString Generate(const QString& folder);

} // namespace ContentGenerator
