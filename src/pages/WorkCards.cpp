#include "WorkCards.h"

#include "Complexity.h"
#include "PageAddresses.h"
#include "PageText.h"
#include "Win1251.h"

namespace {

struct TComplexityIcon {
    std::u16string_view Picture;
    std::string_view Word;
};
constexpr std::array<TComplexityIcon, kComplexityCount> kComplexityIcons = {{
    {u"\\html\\img\\difficulty_small_1.jpg", "low"},
    {u"\\html\\img\\difficulty_small_2.jpg", "medium"},
    {u"\\html\\img\\difficulty_small_3.jpg", "hard"},
}};
constexpr std::u16string_view kTimeIcon = u"\\html\\img\\time_small.jpg";

constexpr std::string_view kTableOpen = R"(<table style="width:100%" border="0" cellspacing=7 )"
                                        R"(cellpadding=0 color:#000000>)";
constexpr std::string_view kColumnOpen = R"(<td style="width:50%; vertical-align:top;">)";
constexpr std::string_view kCardOpen = R"(<table style="width:100%; padding:0px; margin:0px;" )"
                                       R"(border="0" cellspacing=0 cellpadding=0 color:#000000>)";
constexpr std::string_view kThumbnailCell =
    R"(<td align=left style="width:140px;margin:0px; padding:0px; font-size:0px;">)";
constexpr std::string_view kDetailsCell = R"(<td style="vertical-align:top; padding-top:10px;">)";
constexpr std::string_view kDetailsOpen =
    R"(<table style="width:100%;" border="0" cellspacing=0 cellpadding=0>)";
constexpr std::string_view kRowEnd = "</span></td></tr>";

// The addresses every card of a page shares, made once per page.
struct TIconAddresses {
    explicit TIconAddresses(const TPageAddresses& addresses) : Time(addresses.FileUrl(kTimeIcon))
    {
        for (size_t i = 0; i < kComplexityCount; ++i)
            Complexity[i] = addresses.FileUrl(kComplexityIcons[i].Picture);
    }

    std::array<std::string, kComplexityCount> Complexity;
    std::string Time;
};

void AppendThumbnail(std::string& page, const TVelmoraData& work, size_t index,
                     const TPageAddresses& addresses)
{
    page += R"(<a style="" href="<<)";
    page += std::to_string(index);
    page += R"("><img border="0" src=")";
    page += addresses.FileUrl(QStringLiteral("\\images\\small\\") +
                              Win1251::ToUnicode(work.FileName) + QStringLiteral(".jpg"));
    AppendLine(page, R"("></a>)");
}

void AppendComplexityRow(std::string& page, const TVelmoraData& work,
                         const TCardColumnFragments& fragments, const TIconAddresses& icons)
{
    const std::optional<TComplexity> complexity = ComplexityOf(work.Complicate);
    if (!complexity)
        return;
    page += fragments.ComplexityRowStart;
    page += icons.Complexity[size_t(*complexity)];
    page += fragments.ComplexityAfterPicture;
    page += kComplexityIcons[size_t(*complexity)].Word;
    AppendLine(page, kRowEnd);
}

void AppendCard(std::string& page, const TVelmoraData& work, size_t index,
                const TCardColumnFragments& fragments, const TPageAddresses& addresses,
                const TIconAddresses& icons)
{
    AppendLine(page, kCardOpen);
    AppendLine(page, "<tr>");
    AppendLine(page, kThumbnailCell);
    AppendThumbnail(page, work, index, addresses);
    AppendLine(page, "</td>");
    AppendLine(page, kDetailsCell);
    AppendLine(page, kDetailsOpen);
    page += "<tr><td colspan=2><span class=name>";
    page += work.Name;
    AppendLine(page, kRowEnd);
    AppendComplexityRow(page, work, fragments, icons);
    page += fragments.TimeRowStart;
    page += icons.Time;
    page += fragments.TimeAfterPicture;
    page += std::to_string(work.Time);
    AppendLine(page, kRowEnd);
    AppendLine(page, "</table>");
    AppendLine(page, "</td>");
    AppendLine(page, "</tr>");
    AppendLine(page, "</table>");
}

} // namespace

void AppendCardTable(std::string& page, const TVelmoraDataArray& works,
                     const TCardFragments& fragments, const TPageAddresses& addresses)
{
    const TIconAddresses icons(addresses);
    // i <= (n - 1) / 2 without rounding is 2i <= n - 1.
    const size_t leftCount = (works.size() + 1) / 2;
    const auto appendColumn = [&](TCardColumn column, size_t from, size_t to) {
        AppendLine(page, kColumnOpen);
        for (size_t i = from; i < to; ++i)
            AppendCard(page, works[i], i, fragments.In(column), addresses, icons);
        AppendLine(page, "</td>");
    };
    AppendLine(page, kTableOpen);
    AppendLine(page, "<tr>");
    appendColumn(TCardColumn::Left, 0, leftCount);
    appendColumn(TCardColumn::Right, leftCount, works.size());
    AppendLine(page, "</tr>");
    AppendLine(page, "</table>");
}
