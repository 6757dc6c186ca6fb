#pragma once

#include <QString>
#include <QStringList>

// Installed, the content folder belongs to root, yet the viewer writes its settings and pages
// into the folder it reads. A user who cannot write the content folder works from a folder of
// their own instead: it links every content file, so it always shows what is installed now, and
// holds its own copies of the files the viewer writes.
namespace UserContentFolder {

// $XDG_DATA_HOME/velmora, else ~/.local/share/velmora.
QString Path();

// Whether this user may make and replace files in dir; a read-only file system says no.
bool Writable(const QString& dir);

// Brings mirrorDir up to date with installedDir: a link for each installed file, one link
// less for each file the package took away, and for each of ownFiles (relative paths with
// forward slashes) a copy of the installed one, made once, which is the user's from then on.
// The user's own files are never touched. False when the folder could not be made whole.
bool Mirror(const QString& installedDir, const QString& mirrorDir, const QStringList& ownFiles);

// The folder the viewer reads and writes: installedDir when this user may write it, else the
// user's folder brought up to date, else (when even that fails) installedDir, whose writes then
// fail with their error boxes.
QString Choose(const QString& installedDir, const QStringList& ownFiles);

} // namespace UserContentFolder
