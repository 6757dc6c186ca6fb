#include "PageText.h"

#include "Win1251.h"

void AppendPageHead(std::string& page)
{
    static const std::string kTitle = Win1251::FromUtf8("<TITLE>Поиск</TITLE>");
    AppendLine(page, "<HTML>");
    AppendLine(page, "<HEAD>");
    AppendLine(page,
               R"(<META HTTP-EQUIV="Content-type" CONTENT="text/html; charset=windows-1251">)");
    AppendLine(page, kTitle);
    AppendLine(page, R"(<LINK REL="stylesheet" HREF="styletext.css">)");
    AppendLine(page, "</HEAD>");
}
