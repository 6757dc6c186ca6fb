#include "PageAddresses.h"

#include "ContentPath.h"

#include <QUrl>

TPageAddresses::TPageAddresses(QString contentDir) : contentDir_(std::move(contentDir)) {}

std::string TPageAddresses::FileUrl(QStringView relative) const
{
    const QString path = ContentPath::Join(contentDir_, relative);
    if (path.isEmpty())
        return {};
    // Parentheses and apostrophes too, so the address also stands unquoted in a style's url().
    return QUrl::fromLocalFile(path)
        .toEncoded()
        .replace('(', "%28")
        .replace(')', "%29")
        .replace('\'', "%27")
        .toStdString();
}
