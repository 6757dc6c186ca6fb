#include "SortResultPage.h"

#include "PageText.h"
#include "WorkCards.h"

namespace {

// The catalogue's cards: the two columns differ in blanks and in where a title stands, and
// render alike.
const TCardFragments kCatalogueCards = {{{
    {
        .ComplexityRowStart = R"(<tr><td style="width:30px;"><img src=")",
        .ComplexityAfterPicture =
            R"(" title="Complexity of work" border=0></td><td style="width:100%;padding-top:4px;">)"
            R"(<span title="Complexity of work" class=pics>)",
        .TimeRowStart = R"(<tr><td style="width:30px;"><img src=")",
        .TimeAfterPicture = R"(" title="Time of work" border=0></td><td style="padding-top:4px;">)"
                            R"(<span title="Time of work" class=pics>)",
    },
    {
        .ComplexityRowStart =
            R"(<tr><td style="width:30px;"><img  title="Complexity of work" src=")",
        .ComplexityAfterPicture = R"(" border=0></td><td style="width:100%; padding-top:4px;">)"
                                  R"(<span  title="Complexity of work" class=pics>)",
        .TimeRowStart = R"(<tr><td style="width:30px;"><img src=")",
        .TimeAfterPicture = R"("  title="Time of work" border=0></td><td style="padding-top:4px;">)"
                            R"(<span  title="Time of work" class=pics>)",
    },
}}};

} // namespace

std::string SortResultPage(const TVelmoraDataArray& works, const TPageAddresses& addresses)
{
    std::string page;
    AppendPageHead(page);
    AppendLine(page, R"(<BODY style="">)");
    AppendCardTable(page, works, kCatalogueCards, addresses);
    AppendLine(page, "</BODY></HTML>");
    return page;
}
