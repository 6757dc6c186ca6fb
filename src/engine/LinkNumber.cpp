#include "LinkNumber.h"

#include "IntegerText.h"

std::optional<int> LinkNumber(const QUrl& url, QStringView marker)
{
    const QString address = QUrl::fromPercentEncoding(url.toEncoded());
    const qsizetype at = address.indexOf(marker);
    if (at < 0)
        return std::nullopt;
    const QByteArray digits = address.mid(at + marker.size()).toLatin1();
    const auto number = ParseInteger(std::string_view(digits.constData(), size_t(digits.size())));
    if (!number || *number == -1)
        return std::nullopt;
    return number;
}
