#include "SearchPages.h"

#include "PageAddresses.h"
#include "PageText.h"
#include "WorkCards.h"

#include <iomanip>
#include <sstream>

namespace {

// The search's cards give each icon its title before its address; their columns differ in one
// blank.
constexpr std::string_view kComplexityRowStart =
    R"(<tr><td style="width:30px;"><img  title="Complexity of work" src=")";
constexpr std::string_view kTimeRowStart =
    R"(<tr><td style="width:30px;"><img  title="Time of work" src=")";
constexpr std::string_view kTimeAfterPicture =
    R"(" border=0></td><td style="padding-top:4px;"><span  title="Time of work" class=pics>)";
const TCardFragments kSearchCards = {{{
    {
        .ComplexityRowStart = kComplexityRowStart,
        .ComplexityAfterPicture = R"(" border=0></td><td style="width:100%;padding-top:4px;">)"
                                  R"(<span  title="Complexity of work" class=pics>)",
        .TimeRowStart = kTimeRowStart,
        .TimeAfterPicture = kTimeAfterPicture,
    },
    {
        .ComplexityRowStart = kComplexityRowStart,
        .ComplexityAfterPicture = R"(" border=0></td><td style="width:100%; padding-top:4px;">)"
                                  R"(<span  title="Complexity of work" class=pics>)",
        .TimeRowStart = kTimeRowStart,
        .TimeAfterPicture = kTimeAfterPicture,
    },
}}};

// The body of a page with a fixed background picture of the content behind it.
std::string BodyWithBackground(std::string_view style, std::u16string_view picture,
                               const TPageAddresses& addresses)
{
    return R"(<BODY style=")" + std::string(style) + "background-image:url(" +
           addresses.FileUrl(picture) + R"();background-attachment:fixed;">)";
}

// The position of a hit as the list shows it: 01 to 09, then 10, 11 and on.
std::string Position(size_t index)
{
    std::ostringstream text;
    text << std::setw(2) << std::setfill('0') << index + 1;
    return text.str();
}

void AppendTextList(std::string& page, const TVelmoraDataArray& hits)
{
    for (size_t i = 0; i < hits.size(); ++i) {
        AppendLine(page,
                   R"(<a style='text-decoration:none; ' href="<<)" + std::to_string(i) + R"(">)");
        AppendLine(page, R"(<span style="color:#808080">)");
        AppendLine(page, Position(i));
        AppendLine(page, R"(. <b style="color:#00336a">)" + hits[i].Name + "</b> - " +
                             hits[i].Author + "</span><br>");
        AppendLine(page, "</a>");
    }
}

// What was typed, as text: the page is rendered with access to local files.
std::string Escaped(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace

std::string SearchResultPage(const TVelmoraDataArray& hits, TSearchLayout layout,
                             const TPageAddresses& addresses)
{
    std::string page;
    AppendPageHead(page);
    AppendLine(page,
               BodyWithBackground("", u"\\design\\windows\\childs\\images\\bg_s.jpg", addresses));
    AppendLine(page, "<h2>Search results</h2>");
    AppendLine(page, R"(<table style="100%" border="0" cellspacing=0 cellpadding=0>)");
    AppendLine(page, "<tr>");
    AppendLine(page, R"(<td align="justify" style='text-align:justify; vertical-align:top'>)");
    if (layout == TSearchLayout::TextList)
        AppendTextList(page, hits);
    else
        AppendCardTable(page, hits, kSearchCards, addresses);
    AppendLine(page, "</td>");
    AppendLine(page, "</tr>");
    AppendLine(page, "</table>");
    AppendLine(page, "</BODY></HTML>");
    return page;
}

std::string HistoryPage(const THistoryArray& history, const TPageAddresses& addresses)
{
    std::string page;
    AppendPageHead(page);
    AppendLine(page,
               BodyWithBackground("margin:0px;", u"\\design\\windows\\childs\\images\\bg_sh.jpg",
                                  addresses));
    AppendLine(page, R"(<ul style="padding:0px;margin:0px;margin-left:20px;">)");
    for (size_t h = history.size(); h-- > 0;)
        AppendLine(page, R"(<a style='font-family:"Warnock Pro"; line-height: 21px; )"
                         R"(font-size:14px; font-weight: normal; text-decoration:underline; )"
                         R"(color:#ffffff' href=">>)" +
                             std::to_string(h) + R"("><li>)" + Escaped(history[h].Query) + "</a>");
    AppendLine(page, "</ul>&nbsp");
    AppendLine(page, "</table>");
    AppendLine(page, "</BODY></HTML>");
    return page;
}
