#pragma once

#include <string>
#include <string_view>

// Every fragment of a generated page that ends a line ends it with LF CR, in this order.
inline constexpr std::string_view kLineEnd = "\n\r";

inline void AppendLine(std::string& page, std::string_view fragment)
{
    page += fragment;
    page += kLineEnd;
}

// The first six lines every generated page shares: the head with the code page, the title and
// the style sheet beside the page.
void AppendPageHead(std::string& page);
