#pragma once

#include "FolderOwner.h"

#include <QByteArrayView>
#include <QFileDevice>
#include <QString>

// Writing a file whole or not at all.
namespace WholeFile {

enum class TFailure {
    None,
    CannotCreate, // the new file could not be made; nothing was written
    CannotWrite,  // writing or putting it in place failed
};

struct TWrite {
    TFailure Failure = TFailure::None;
    QString Reason; // the system's words, for an error box; empty when written

    bool Ok() const { return Failure == TFailure::None; }
};

// Every permission the system has.
inline constexpr QFileDevice::Permissions kAnyPermissions = QFileDevice::Permissions(0x7777);

// Replaces the file at path by bytes: they go to a new file beside it, which takes the old
// one's place only when all of them are written, so on any failure the old file stays as it
// was. A write that stops short (a full disk) is carried on until the system says why. The new
// file takes the old one's permissions (a link in its place is replaced, never followed), and
// none beyond most: a copy passes its source's. In a content folder, the folder it goes into
// must really lie inside the content.
TWrite Replace(const QString& path, QByteArrayView bytes, TFolderOwner owner,
               QFileDevice::Permissions most = kAnyPermissions);

// Removes what writes of the file at path left beside it when the program was killed during
// them. Only the writer's own names are touched, never another file, and nothing while another
// viewer writes in that folder.
void RemoveUnfinished(const QString& path);

} // namespace WholeFile
