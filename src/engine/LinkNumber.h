#pragma once

#include <QStringView>
#include <QUrl>

#include <optional>

// Pages link to the program's own actions with an address that carries a marker and a number.
inline constexpr QStringView kWorkMarker = u"<<";
inline constexpr QStringView kEntryMarker = u">>";

// The number after the first marker of the fully decoded address, up to its end: a plain
// decimal integer that fits 32 bits, and not -1, which stands for no number.
std::optional<int> LinkNumber(const QUrl& url, QStringView marker);
