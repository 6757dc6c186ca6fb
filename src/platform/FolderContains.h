#pragma once

#include <QFileInfo>
#include <QString>

// Whether realPath, a path with its links already followed, is the folder or lies inside it,
// where the folder really is. A folder that is not there holds nothing.
inline bool FolderContains(const QString& folder, const QString& realPath)
{
    const QString root = QFileInfo(folder).canonicalFilePath();
    return !root.isEmpty() && (realPath == root || realPath.startsWith(root + u'/'));
}
