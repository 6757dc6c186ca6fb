#include "PageAddresses.h"

#include "ContentPath.h"

#include <QUrl>

TPageAddresses::TPageAddresses(QString contentDir) : contentDir_(std::move(contentDir)) {}

std::string TPageAddresses::FileUrl(QStringView relative) const
{
    const QString path = ContentPath::Join(contentDir_, relative);
    if (path.isEmpty())
        return {};
    return QUrl::fromLocalFile(path).toEncoded().toStdString();
}
