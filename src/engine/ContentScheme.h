#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// The engine reads no file by itself: the content reaches it through the viewer's own scheme,
// whose handler opens each file by the content's one rule. Every catalogue is its own origin, a
// host named after its folder. At the adapter's edges an address in the scheme is the file's
// own, so the windows keep speaking of files.
namespace ContentScheme {

// Before the application object exists.
void Register();

// The scheme's name, for the handler's installation.
QByteArray Name();

// The address of a file of the content in the scheme; an empty address for any other file.
QUrl Address(const QString& filePath);

// The file behind an address of the content's scheme, its fragment kept; any other address as it
// is.
QUrl FileAddress(const QUrl& address);

// Whether the address is the current content's in the scheme.
bool IsContent(const QUrl& address);

// A page's text with the content's file addresses (as pages write them) turned into the scheme's,
// so that its pictures load through the handler.
QByteArray Served(QByteArray page);

} // namespace ContentScheme
