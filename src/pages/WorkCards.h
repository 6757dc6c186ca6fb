#pragma once

#include "TVelmoraData.h"

#include <array>
#include <string>
#include <string_view>

class TPageAddresses;

// The fragments in which the cards of one column differ from page to page; the rest of a card
// is the same wherever it stands.
struct TCardColumnFragments {
    std::string_view ComplexityRowStart;     // up to the opening quote of the icon's address
    std::string_view ComplexityAfterPicture; // from the closing quote up to the word
    std::string_view TimeRowStart;
    std::string_view TimeAfterPicture; // from the closing quote up to the time
};

enum class TCardColumn { Left = 0, Right = 1 };

// A page's work cards, by the column they stand in.
struct TCardFragments {
    std::array<TCardColumnFragments, 2> Columns;

    const TCardColumnFragments& In(TCardColumn column) const { return Columns[size_t(column)]; }
};

// The two-column table of work cards: work i, linked by its index, goes to the left column while
// i is at most (n - 1) / 2, so the left takes the odd one; each column in the works' order.
void AppendCardTable(std::string& page, const TVelmoraDataArray& works,
                     const TCardFragments& fragments, const TPageAddresses& addresses);
