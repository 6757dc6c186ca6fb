#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

// The content (pictures, pages, INI files) lives beside the executable, never in the
// current directory.
namespace ContentPath {

// The executable's folder, without a trailing separator.
QString ExecutableDir();

// The folder the windows read and write: the executable's, unless another was chosen.
QString ContentDir();

// The user's own folder when the executable's cannot be written, and in tests and the content
// checker a folder of their own; an empty folder brings the executable's back.
void UseContentDir(const QString& dir);

// Joins the content folder with a relative path written with backslashes, with or without a
// leading one ("\html\about.htm", "buttons.ini", "design\buttons\close.jpg"). The one place
// that knows the platform's separator. A path that climbs out of the content folder ("..\..\x")
// gives an empty path, which names no file: the content folder's readers treat it as missing.
QString Join(const QString& contentDir, QStringView relative);

// The file at a relative path as pages write its address: a percent-encoded file URL, so a
// picture loads from any content folder, with blanks, "#", "%", parentheses or non-ASCII letters
// in its path; parentheses and apostrophes too, so it also stands unquoted in a style's url().
// Empty for a path that climbs out.
QByteArray FileUrl(const QString& contentDir, QStringView relative);

// The same path as Join's tail, with forward slashes and nothing before it ("html/about.htm");
// none for one that climbs out.
std::optional<QString> Relative(QStringView relative);

} // namespace ContentPath
