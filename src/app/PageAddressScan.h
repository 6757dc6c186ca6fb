#pragma once

#include <QString>

#include <vector>

// The addresses a page, picture or style sheet of the content names, as the browser engine
// would find them: every attribute that loads or leads somewhere, a page's refresh, and the
// style sheets' url() and @import, in the page's style attributes and elements as well.
namespace PageAddressScan {

// What the text is: a page or an SVG picture, or a style sheet.
enum class TText { Markup, StyleSheet };

// Whether the engine fetches what the address names as soon as the text is shown, or only when
// the user follows it.
enum class TUse { Navigates, Loads };

struct TAddress {
    QString Address;
    TUse Use = TUse::Navigates;

    bool operator==(const TAddress&) const = default;
};

// Every address of text; the same address may come more than once.
std::vector<TAddress> Addresses(const QString& text, TText kind);

} // namespace PageAddressScan
