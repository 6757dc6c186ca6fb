// The page builders on fuzzed catalogue records and queries, and the link numbers the pages
// carry. A page's markup is the same whatever the records and queries hold: the query is written
// as text, and names (which the content's author writes as markup if they like) are fed without
// angle brackets. A number written into a link reads back the same.
#include "Fuzzing.h"
#include "LinkNumber.h"
#include "PageAddresses.h"
#include "SearchPages.h"
#include "SortResultPage.h"

#include <QUrl>

#include <algorithm>
#include <cctype>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr size_t kMostWorks = 12;
constexpr size_t kMostQueries = 6;
// Each input builds one page twice, with its texts and plain: building all of them would only
// slow the run.
enum class TPage { Catalogue, SearchTextList, SearchCards, History };
constexpr std::array kPages = {TPage::Catalogue, TPage::SearchTextList, TPage::SearchCards,
                               TPage::History};
constexpr std::array<const char*, 4> kComplexities = {"низкая", "средняя", "высокая", "-"};

// The next tag's name at or after at, as "name" or "/name"; at moves past it. None at the end.
VELMORA_NOT_COVERED std::optional<std::string_view> NextTag(std::string_view page, size_t& at)
{
    for (at = page.find('<', at); at != std::string_view::npos; at = page.find('<', at + 1)) {
        size_t end = at + 1;
        if (end < page.size() && page[end] == '/')
            ++end;
        while (end < page.size() && std::isalnum(static_cast<unsigned char>(page[end])))
            ++end;
        const std::string_view tag = page.substr(at + 1, end - at - 1);
        if (!tag.empty() && tag != "/" &&
            std::isalpha(static_cast<unsigned char>(tag.back())) != 0) {
            at = end;
            return tag;
        }
    }
    return std::nullopt;
}

VELMORA_NOT_COVERED bool SameNameNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// Whether two pages have the same tags in the same order, whatever the case of their names.
VELMORA_NOT_COVERED bool SameTags(std::string_view page, std::string_view otherPage)
{
    size_t at = 0, otherAt = 0;
    for (;;) {
        const std::optional<std::string_view> tag = NextTag(page, at);
        const std::optional<std::string_view> otherTag = NextTag(otherPage, otherAt);
        if (!tag || !otherTag)
            return !tag && !otherTag;
        if (!SameNameNoCase(*tag, *otherTag))
            return false;
    }
}

VELMORA_NOT_COVERED std::string WithoutAngles(std::string text)
{
    std::erase_if(text, [](char c) { return c == '<' || c == '>'; });
    return text;
}

TVelmoraData Record(FuzzedDataProvider& input)
{
    TVelmoraData work;
    work.Author = WithoutAngles(input.ConsumeRandomLengthString());
    work.Name = WithoutAngles(input.ConsumeRandomLengthString());
    work.FileName = input.ConsumeRandomLengthString();
    work.Time = input.ConsumeIntegral<int>();
    work.Complicate = input.PickValueInArray(kComplexities);
    return work;
}

TVelmoraDataArray Records(FuzzedDataProvider& input)
{
    TVelmoraDataArray works(input.ConsumeIntegralInRange<size_t>(0, kMostWorks));
    std::generate(works.begin(), works.end(), [&] { return Record(input); });
    return works;
}

// The same records with every written text plain: what the markup must be.
TVelmoraDataArray Plain(TVelmoraDataArray works)
{
    for (TVelmoraData& work : works)
        work.Author = work.Name = work.FileName = "x";
    return works;
}

VELMORA_NOT_COVERED void RequireSameMarkup(const std::string& page, const std::string& plainPage,
                                           const char* what)
{
    Fuzzing::Require(SameTags(page, plainPage), what);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QUrl link(QString::fromUtf8(input.ConsumeRandomLengthString()));
    (void)LinkNumber(link, kWorkMarker);
    (void)LinkNumber(link, kEntryMarker);
    const int number = input.ConsumeIntegral<int>();
    const QUrl written(QStringLiteral("file:///content/html/%1%2").arg(kEntryMarker).arg(number));
    Fuzzing::Require(number == -1 ? !LinkNumber(written, kEntryMarker)
                                  : LinkNumber(written, kEntryMarker) == number,
                     "a link's number reads back");

    const TPageAddresses addresses(Fuzzing::ContentFolder());
    const TPage page = input.PickValueInArray(kPages);
    switch (page) {
    case TPage::Catalogue: {
        const TVelmoraDataArray works = Records(input);
        RequireSameMarkup(SortResultPage(works, addresses), SortResultPage(Plain(works), addresses),
                          "the catalogue's page keeps its markup");
        break;
    }
    case TPage::SearchTextList:
    case TPage::SearchCards: {
        const TSearchLayout layout =
            page == TPage::SearchCards ? TSearchLayout::Cards : TSearchLayout::TextList;
        const TVelmoraDataArray works = Records(input);
        RequireSameMarkup(SearchResultPage(works, layout, addresses),
                          SearchResultPage(Plain(works), layout, addresses),
                          "the search's page keeps its markup");
        break;
    }
    case TPage::History: {
        THistoryArray history(input.ConsumeIntegralInRange<size_t>(0, kMostQueries));
        std::generate(history.begin(), history.end(),
                      [&] { return THistory{input.ConsumeRandomLengthString()}; });
        const THistoryArray plainHistory(history.size(), THistory{"x"});
        RequireSameMarkup(HistoryPage(history, addresses), HistoryPage(plainHistory, addresses),
                          "the history page keeps its markup");
        break;
    }
    }
    return 0;
}
