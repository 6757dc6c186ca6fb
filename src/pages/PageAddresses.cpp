#include "PageAddresses.h"

#include "ContentPath.h"

#include <QUrl>

#include <string_view>

namespace {

// What a style's unquoted url() cannot hold, besides what a URL encodes anyway.
constexpr const char* kUnquotable = "()'";

std::string_view PercentEncoded(char unquotable)
{
    switch (unquotable) {
    case '(':
        return "%28";
    case ')':
        return "%29";
    default:
        return "%27";
    }
}

} // namespace

TPageAddresses::TPageAddresses(QString contentDir) : contentDir_(std::move(contentDir)) {}

std::string TPageAddresses::FileUrl(QStringView relative) const
{
    const QString path = ContentPath::Join(contentDir_, relative);
    if (path.isEmpty())
        return {};
    // Parentheses and apostrophes too, so the address also stands unquoted in a style's url().
    std::string url = QUrl::fromLocalFile(path).toEncoded().toStdString();
    for (size_t at = url.find_first_of(kUnquotable); at != std::string::npos;
         at = url.find_first_of(kUnquotable, at))
        url.replace(at, 1, PercentEncoded(url[at]));
    return url;
}
