#pragma once

#include "FolderOwner.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Reading a content file whole, whatever the content folder holds in its place: only a regular
// file is opened (a FIFO would block the open for ever, a device would never end), and one
// larger than the reader's limit is refused before anything is read. In a content folder, a file
// that really lies outside it is refused too.
namespace RegularFile {

// The largest page, style sheet or picture of the content that is read whole: far beyond any
// real one, and what the engine is served, what the check reads and what is saved agree.
inline constexpr qint64 kMostPageBytes = 64LL * 1024 * 1024;

enum class TFailure {
    None,
    Missing,
    NotARegularFile, // a folder, a FIFO, a device, or a link to one
    TooLarge,
    Unreadable,
    OutsideContent, // a link that leads out of the content folder
};

struct TRead {
    QByteArray Bytes;
    TFailure Failure = TFailure::None;
    // Who may read the file: a copy is never readable by more.
    QFileDevice::Permissions Permissions = {};

    bool Ok() const { return Failure == TFailure::None; }
};

TRead Read(const QString& path, qint64 maxBytes, TFolderOwner owner);

// Why a read failed, in words for an error message.
QString Reason(TFailure failure);

} // namespace RegularFile
