#pragma once

#include <QString>

// A content folder is someone else's, and a link in it may lead anywhere: to the user's keys,
// to /proc. The viewer follows such a link only where it stays inside the content, that is the
// folder it works from or the installed folder that a user's folder links to.
namespace ContentFence {

// Whether the file or folder open at descriptor really lies inside the content. The descriptor
// is asked where it is, not the name it was opened by, so a link swapped in between changes
// nothing.
bool Holds(int descriptor);

// Whether the file or folder at path, its links followed, really lies inside the content; not
// when nothing can be opened there. Nothing is read, so a FIFO or a device is asked safely.
bool Holds(const QString& path);

} // namespace ContentFence
