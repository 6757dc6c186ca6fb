#include "ContentScheme.h"

#include "ContentPath.h"

#include <QCryptographicHash>
#include <QWebEngineUrlScheme>

namespace ContentScheme {
namespace {

constexpr char kName[] = "velmora";
// Enough of the folder's hash to tell one catalogue from another.
constexpr qsizetype kHostHashBytes = 8;

QString Host()
{
    const QByteArray folder = ContentPath::ContentDir().toUtf8();
    return QStringLiteral("c") +
           QString::fromLatin1(QCryptographicHash::hash(folder, QCryptographicHash::Sha256)
                                   .left(kHostHashBytes)
                                   .toHex());
}

QString Root()
{
    return QStringLiteral("%1://%2/").arg(QLatin1String(kName), Host());
}

} // namespace

void Register()
{
    QWebEngineUrlScheme scheme(kName);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    // Pages and pictures of one catalogue are one origin; nothing else may load them.
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QByteArray Name()
{
    return kName;
}

QUrl Address(const QString& filePath)
{
    const QString folder = ContentPath::ContentDir() + u'/';
    if (!filePath.startsWith(folder))
        return {};
    QUrl address(Root());
    address.setPath(u'/' + filePath.mid(folder.size()), QUrl::DecodedMode);
    return address;
}

bool IsContent(const QUrl& address)
{
    return address.scheme() == QLatin1String(kName) && address.host() == Host();
}

QUrl FileAddress(const QUrl& address)
{
    if (!IsContent(address))
        return address;
    QUrl file = QUrl::fromLocalFile(ContentPath::ContentDir() + address.path(QUrl::FullyDecoded));
    file.setFragment(address.fragment(QUrl::FullyEncoded), QUrl::StrictMode);
    return file;
}

QByteArray Served(QByteArray page)
{
    const QByteArray files = ContentPath::FileUrl(ContentPath::ContentDir(), u".") + '/';
    return page.replace(files, Root().toLatin1());
}

} // namespace ContentScheme
