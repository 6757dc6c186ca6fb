#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

// The catalogue, the INI files and the generated pages are single-byte Windows-1251 text,
// kept as bytes; these helpers convert at the edges (drawing, the search edit, file names)
// and give the two case rules the catalogue and the search rely on.
namespace Win1251 {

QString ToUnicode(std::string_view bytes);

// Characters that Windows-1251 cannot hold become "?".
std::string FromUnicode(QStringView text);

// Source files are UTF-8; tables of Russian words are written readably and converted once.
inline std::string FromUtf8(std::string_view utf8)
{
    return FromUnicode(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
}

// Folds "a" to "z" onto "A" to "Z" only; every other byte keeps its code.
char AsciiUpper(char c);

// Byte-wise order after ASCII folding; a proper prefix is lower. Returns <0, 0 or >0.
int CompareAsciiNoCase(std::string_view a, std::string_view b);
bool SameAsciiNoCase(std::string_view a, std::string_view b);

// The single-byte upper-casing of the search: Latin and every Cyrillic letter of the code page.
char Upper(char c);
std::string Upper(std::string_view text);

} // namespace Win1251
