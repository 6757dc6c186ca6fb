#include "PageWriter.h"

#include "CatalogueWriter.h"
#include "ContentFolder.h"
#include "HtmlText.h"
#include "SampleCatalogue.h"

#include <array>

namespace PageWriter {
namespace {

// The look of every page, the generated ones included ("name" and "pics" style their cards).
constexpr std::string_view kStyleSheet = R"(body {
  background-color: #FBF4EF;
  color: #3B2A2F;
  font-family: "DejaVu Serif", Georgia, serif;
  font-size: 14px;
  line-height: 1.45;
  margin: 14px 18px;
}
h1 { font-weight: normal; color: #6E1A2B; font-size: 26px; margin: 0 0 2px 0; }
h2 {
  font-weight: normal; color: #6E1A2B; font-size: 20px;
  margin: 2px 0 12px 0; padding-bottom: 4px; border-bottom: 1px solid #C9A66B;
}
p { margin: 0 0 9px 0; }
a { color: #9B3047; }
a:hover { color: #C76B7E; }
a img { border: 0; border-radius: 6px; margin-bottom: 6px; }
.name { font-size: 15px; font-weight: bold; color: #6E1A2B; }
.pics { font-size: 12px; color: #8A7478; font-family: "DejaVu Sans", Arial, sans-serif; }
.author { font-style: italic; color: #8A7478; margin: 0 0 14px 0; }
.note { color: #8A7478; font-style: italic; }
.hint {
  margin: 40px 30px; padding: 18px 22px; text-align: center;
  background-color: #FFFFFF; border: 1px solid #E8C3C9; border-radius: 8px;
}
.hint h2 { border: 0; margin-bottom: 6px; }
table.props { border-collapse: collapse; margin: 0 0 16px 0; }
table.props td { padding: 3px 14px 3px 0; vertical-align: middle; }
table.props td.key { color: #8A7478; font-family: "DejaVu Sans", Arial, sans-serif; font-size: 12px; }
table.props img { vertical-align: middle; margin-right: 4px; }
.text { border-top: 1px solid #E8C3C9; padding-top: 12px; }
ul.artists { padding-left: 20px; }
ul.artists li { margin-bottom: 6px; }
body.placeholder { margin: 0; padding: 10px 18px; font-size: 13px; line-height: 16px; }
body.history { background-color: #4A0F1C; color: #FBF4EF; margin: 0; padding: 10px 12px; }
body.history .note { color: #F3D9DC; }
/* On paper each card of a result page (a table in a column's cell) stays whole on its page. */
@media print { td > table { break-inside: avoid; } }
)";

struct TSimplePage {
    const char16_t* File;
    std::string_view Title;
    std::string_view BodyClass;
    std::string_view Body;
};

// The pages the windows show by name, each telling the user where they are.
constexpr std::array<TSimplePage, 5> kSimplePages = {{
    {u"html\\notfound.html", "Velmora", "placeholder",
     "<span class=note>Nothing is open here yet.</span>"},
    {u"html\\filter1.htm", "No works match", "catalogue",
     "<div class=hint><h2>No works match these filters</h2>"
     "<p>Switch on at least one filter in the panel on the right, or press "
     "<b>All on</b>, then press <b>Show</b>.</p>"
     "<p class=note>Every design of the catalogue is under <b>All designs</b>.</p></div>"},
    {u"html\\search.htm", "Nothing found", "search",
     "<div class=hint><h2>Nothing found</h2>"
     "<p>No description contains these words. Try a shorter word, a colour, a motif or an "
     "occasion, in Russian: <i>роза</i>, <i>фольга</i>, <i>свадьба</i>.</p></div>"},
    {u"html\\notfound_s.html", "Search", "search",
     "<div class=hint><h2>Search the catalogue</h2>"
     "<p>Type a word into the field on the right and press Enter or <b>Search</b>. "
     "Every work whose description contains it is listed here.</p>"
     "<p class=note>Letter case does not matter. Earlier searches stay in the history below "
     "the field for the rest of the session.</p></div>"},
    {u"html\\search1.htm", "History", "history",
     "<span class=note>Your searches will be listed here.</span>"},
}};

void WriteSimplePages(ContentFolder& folder)
{
    for (const TSimplePage& page : kSimplePages) {
        HtmlText html(page.Title, page.BodyClass);
        html.Line(page.Body);
        folder.WriteText(QString::fromUtf16(page.File), html.Finish());
    }
}

size_t WorkCount()
{
    size_t count = 0;
    for (const TSampleAuthor& author : SampleCatalogue::Authors())
        count += author.Works.size();
    return count;
}

void WriteAbout(ContentFolder& folder)
{
    HtmlText html("About Velmora", "about");
    html.Line("<h1>Velmora</h1>")
        .Line("<p class=author>a catalogue of nail art</p>")
        .Line("<p>Velmora gathers " + std::to_string(WorkCount()) +
              " manicure designs by four artists. Every work has its own page with a "
              "description, its pictures, the time it takes and how demanding it is.</p>")
        .Line("<h2>The artists</h2>")
        .Line("<ul class=artists>");
    for (const TSampleAuthor& author : SampleCatalogue::Authors()) {
        html.Line("<li><b>" + std::string(author.Name) + "</b> &mdash; " +
                  std::string(author.Speciality) + " (" + std::to_string(author.Works.size()) +
                  " works)</li>");
    }
    html.Line("</ul>")
        .Line("<h2>Finding a design</h2>")
        .Line("<p>The seven cards of the main window open the <a href=\"<<0\">catalogue</a>: all "
              "designs, or the works of one complexity, time, colour, theme, material or mood. "
              "Switch filters on in the panel and press <b>Show</b>; the choice is kept for "
              "the next visit.</p>")
        .Line("<p>The search window looks through the descriptions of all works. Each search "
              "joins the history beside the results, where an entry such as "
              "<a href=\">>0\">this one</a> runs it again.</p>")
        .Line("<p>Right-click a page to save, print or copy it.</p>")
        .Line("<h2>Further reading</h2>")
        .Line("<p>The history of the craft: <a href=\"https://en.wikipedia.org/wiki/Nail_art\" "
              "target=\"_blank\">nail art</a> (opens in your web browser).</p>")
        .Line("<p class=note>All pictures of this catalogue were drawn for it.</p>");
    folder.WriteText(u"html\\about.htm", html.Finish());
}

std::string PropertyRow(std::string_view key, std::string_view value)
{
    return "<tr><td class=key>" + std::string(key) + "</td><td>" + std::string(value) +
           "</td></tr>";
}

// A work page's complexity, with its icon and in the word the catalogue's cards use for it, for
// the three the catalogue knows; any other as it stands.
std::string ComplexityRow(std::string_view complicate)
{
    struct TLevel {
        std::string_view Complicate;
        std::string_view Word;
    };
    static constexpr std::array<TLevel, 3> kLevels = {
        {{"низкая", "low"}, {"средняя", "medium"}, {"высокая", "hard"}}};
    for (size_t level = 0; level < kLevels.size(); ++level) {
        if (complicate == kLevels[level].Complicate)
            return PropertyRow("<img src=\"img/difficulty_small_" + std::to_string(level + 1) +
                                   ".jpg\">Complexity",
                               kLevels[level].Word);
    }
    return PropertyRow("Complexity", complicate);
}

void WriteWorkPage(ContentFolder& folder, const TSampleAuthor& author, size_t index)
{
    const TSampleWork& work = author.Works[index];
    HtmlText html(work.Name, "work");
    html.Line("<h1>" + std::string(work.Name) + "</h1>")
        .Line("<p class=author>by " + std::string(author.Name) + "</p>")
        .Line("<table class=props>")
        .Line(ComplexityRow(work.Complicate))
        .Line(PropertyRow("<img src=\"img/time_small.jpg\">Time of work",
                          std::to_string(work.Time) + " мин"))
        .Line(PropertyRow("Colours", work.Color))
        .Line(PropertyRow("Materials", work.Materials))
        .Line(PropertyRow("Theme", work.Theme))
        .Line(PropertyRow("Mood", work.Temper))
        .Line("</table>")
        .Line("<div class=text>");
    const std::string text = SampleCatalogue::TextOf(work);
    size_t start = 0;
    for (size_t end = text.find("\r\n"); end != std::string::npos;
         start = end + 2, end = text.find("\r\n", start))
        html.Line("<p>" + text.substr(start, end - start) + "</p>");
    html.Line("</div>");
    folder.WriteText(
        QString::fromStdString("html\\" + CatalogueWriter::StemOf(author, index) + ".htm"),
        html.Finish());
}

} // namespace

void Write(ContentFolder& folder)
{
    folder.WriteText(u"html\\styletext.css", kStyleSheet);
    WriteSimplePages(folder);
    WriteAbout(folder);
    for (const TSampleAuthor& author : SampleCatalogue::Authors())
        for (size_t i = 0; i < author.Works.size(); ++i)
            WriteWorkPage(folder, author, i);
}

} // namespace PageWriter
