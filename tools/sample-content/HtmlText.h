#pragma once

#include <string>
#include <string_view>

// A content page built line by line (UTF-8 here, Windows-1251 on disk) with the head every
// page of the set shares: the code page, a title and the common style sheet.
class HtmlText {
public:
    HtmlText(std::string_view title, std::string_view bodyClass);

    HtmlText& Line(std::string_view text);
    // Closes body and page; the finished text.
    std::string Finish();

private:
    std::string text_;
};
