#pragma once

#include <QString>
#include <QStringList>

// Installed, the content folder belongs to root, yet the viewer writes its settings and pages
// into the folder it reads. A user who cannot write the content folder works from a folder of
// their own instead: it links the installed content, so it always shows what is installed now,
// and holds its own copies of the files the viewer writes. It makes real folders only where
// those copies go, links everything else, and deletes nothing but its own links that lead
// nowhere now.
namespace UserContentFolder {

// $XDG_DATA_HOME/velmora, else ~/.local/share/velmora.
QString Path();

// Whether this user may make and replace files in dir; a read-only file system says no.
bool Writable(const QString& dir);

// A user's folder brought up to date: whether the viewer can work from it, and what could not
// be done, each in a sentence that names the file or folder and says why.
struct TMirrored {
    bool Usable = false;
    QStringList Problems;
};

// Brings mirrorDir up to date with installedDir: a link for each installed file or folder, one
// link less for each the package took away, and for each of ownFiles (relative paths with
// forward slashes) a copy of the installed one, made once, which is the user's from then on.
// Only regular files are linked or copied. The user's own files are never touched. A mirrorDir
// that is a link or not a folder is not used, nor touched.
TMirrored Mirror(const QString& installedDir, const QString& mirrorDir,
                 const QStringList& ownFiles);

// The folder the viewer reads and writes, and what the user should hear about it.
struct TChoice {
    QString Folder;
    QString Problem; // empty when there is nothing to tell
};

// installedDir when this user may write it; else the user's folder brought up to date; else
// (when that folder is a link, not a folder or cannot be made) installedDir, whose writes then
// fail with their error boxes.
TChoice Choose(const QString& installedDir, const QStringList& ownFiles);

} // namespace UserContentFolder
