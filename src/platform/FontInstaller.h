#pragma once

#include <QString>

// Installs a font of the content for the user: copied into the user's font folder (never over a
// file already there) and registered with the running program, so it draws at once. Failures
// are silent; the program then draws with a fallback font.
void InstallFont(const QString& contentDir, const QString& fileName);
