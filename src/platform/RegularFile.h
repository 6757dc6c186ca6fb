#pragma once

#include <QByteArray>
#include <QString>

// Reading a content file whole, whatever the content folder holds in its place: only a regular
// file is opened (a FIFO would block the open for ever, a device would never end), and one
// larger than the reader's limit is refused before anything is read.
namespace RegularFile {

enum class TFailure {
    None,
    Missing,
    NotARegularFile, // a folder, a FIFO, a device, or a link to one
    TooLarge,
    Unreadable,
};

struct TRead {
    QByteArray Bytes;
    TFailure Failure = TFailure::None;

    bool Ok() const { return Failure == TFailure::None; }
};

TRead Read(const QString& path, qint64 maxBytes);

// Why a read failed, in words for an error message.
QString Reason(TFailure failure);

} // namespace RegularFile
