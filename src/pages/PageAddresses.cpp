#include "PageAddresses.h"

#include "ContentPath.h"

TPageAddresses::TPageAddresses(QString contentDir) : contentDir_(std::move(contentDir)) {}

std::string TPageAddresses::FileUrl(QStringView relative) const
{
    return ContentPath::FileUrl(contentDir_, relative).toStdString();
}
