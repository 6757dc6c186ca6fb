// Prints the places the end-to-end scripts click, from the viewer's own table, as shell
// assignments; the build writes them to layout.sh beside this program.
#include "SignPoints.h"
#include "WindowLayout.h"

#include <cstdio>
#include <string_view>

namespace {

void PrintPoint(std::string_view name, QPoint point)
{
    std::printf("%.*s_X=%d\n%.*s_Y=%d\n", int(name.size()), name.data(), point.x(),
                int(name.size()), name.data(), point.y());
}

void PrintRect(std::string_view name, const QRect& rect)
{
    PrintPoint(name, rect.topLeft());
    std::printf("%.*s_WIDTH=%d\n%.*s_HEIGHT=%d\n", int(name.size()), name.data(), rect.width(),
                int(name.size()), name.data(), rect.height());
}

} // namespace

int main()
{
    PrintPoint("BROWSER_WINDOW", WindowLayout::kBrowserWindowPlace);
    // The sign that shows every work.
    PrintPoint("ALL_DESIGNS_SIGN", kSignPoints[0].Inside);
    PrintRect("CATALOGUE_BROWSER", WindowLayout::kCatalogueBrowser);
    PrintRect("SEARCH_BROWSER", WindowLayout::kSearchBrowser);
    PrintRect("HISTORY_BROWSER", WindowLayout::kHistoryBrowser);
    PrintRect("SEARCH_EDIT", WindowLayout::kSearchEdit);
    return 0;
}
