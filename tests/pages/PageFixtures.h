#pragma once

#include "TVelmoraData.h"
#include "Win1251.h"

#include <QFile>
#include <QString>

#include <string>
#include <string_view>

// The generated pages' tests: hand-written fixtures and the works they list.

// A content folder whose address needs every kind of escape.
inline const QString kContentDir = QStringLiteral("/srv/velmora content#1/кат");

inline TVelmoraData Card(std::string_view fileName, std::string_view name,
                         std::string_view complicate, int time)
{
    TVelmoraData work;
    work.FileName = fileName;
    work.Name = Win1251::FromUtf8(name);
    work.Complicate = Win1251::FromUtf8(complicate);
    work.Time = time;
    return work;
}

// The fixtures are written by hand in UTF-8 with LF line ends, to be read and reviewed; the page
// is Windows-1251 with LF CR after every line.
inline std::string Expected(const char* fixture)
{
    QFile file(QStringLiteral(VELMORA_PAGE_FIXTURES "/") + QLatin1String(fixture));
    if (!file.open(QIODevice::ReadOnly))
        return "cannot read fixture " + std::string(fixture);
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QStringLiteral("\n"), QStringLiteral("\n\r"));
    return Win1251::FromUnicode(text);
}
