#pragma once

#include "RegularFile.h"

#include <QByteArray>
#include <QString>

// What a window shows in place of a page of the content that cannot be read: the viewer's own
// short page naming the file and why, so that a window never stands blank and silent. It wears
// the catalogue's style sheet when there is one.
namespace UnreadablePage {

// The file as the content names it (relative to the content folder), and why it failed.
QByteArray Text(const QString& contentFile, RegularFile::TFailure failure);

} // namespace UnreadablePage
