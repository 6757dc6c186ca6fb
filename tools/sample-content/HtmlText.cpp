#include "HtmlText.h"

HtmlText::HtmlText(std::string_view title, std::string_view bodyClass)
{
    Line("<HTML>");
    Line("<HEAD>");
    Line(R"(<META HTTP-EQUIV="Content-type" CONTENT="text/html; charset=windows-1251">)");
    Line("<TITLE>" + std::string(title) + "</TITLE>");
    Line(R"(<LINK REL="stylesheet" HREF="styletext.css">)");
    Line("</HEAD>");
    Line("<BODY class=" + std::string(bodyClass) + ">");
}

HtmlText& HtmlText::Line(std::string_view text)
{
    text_ += text;
    text_ += "\r\n";
    return *this;
}

std::string HtmlText::Finish()
{
    Line("</BODY>");
    Line("</HTML>");
    return std::move(text_);
}
