#pragma once

#include <QString>
#include <QStringView>

// The content (pictures, pages, INI files) lives beside the executable, never in the
// current directory.
namespace ContentPath {

// The executable's folder, without a trailing separator.
QString ExecutableDir();

// Window tests and the content checker run the windows on a content folder of their own; an
// empty folder brings the executable's back.
void OverrideExecutableDir(const QString& dir);

// Joins the content folder with a relative path written with backslashes, with or without a
// leading one ("\html\about.htm", "buttons.ini", "design\buttons\close.jpg"). The one place
// that knows the platform's separator. A path that climbs out of the content folder ("..\..\x")
// gives an empty path, which names no file: the content folder's readers treat it as missing.
QString Join(const QString& contentDir, QStringView relative);

} // namespace ContentPath
