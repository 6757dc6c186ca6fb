#include "EventWait.h"
#include "PageAddresses.h"
#include "SearchEdit.h"
#include "SearchPages.h"
#include "TestFiles.h"
#include "TextSearch.h"
#include "WindowsFixture.h"
#include "WorkBuilder.h"

#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

class SearchWindowTest : public BrowserWindowFixture {
protected:
    TEmbeddedWB& Results() { return search_->Browser(); }

    // The hits a search for the query must give.
    TVelmoraDataArray HitsOf(const char* utf8Query) const
    {
        return TSearchTexts(main_->Works).Find(main_->Works, Win1251::FromUtf8(utf8Query));
    }

    // Types the query into the edit and presses Enter.
    void Search(const char* utf8Query)
    {
        search_->SearchEdit().setText(QString::fromUtf8(utf8Query));
        QTest::keyClick(&search_->SearchEdit(), Qt::Key_Return);
    }

    std::string Written(const char* page) const
    {
        return TestFiles::Read(content_.Path(QStringLiteral("html/") + page));
    }

    std::vector<std::string> Queries() const
    {
        std::vector<std::string> queries;
        for (const THistory& entry : search_->History)
            queries.push_back(Win1251::ToUnicode(entry.Query).toStdString());
        return queries;
    }

    // Follows a link of the result page as a click does.
    void FollowLink(TEmbeddedWB& browser, const char* href)
    {
        browser.View().page()->runJavaScript(QStringLiteral("location.href = '%1'").arg(href));
    }
};

struct QueryCase {
    const char* name;
    const char* query;
    bool searched;
};

class Queries : public SearchWindowTest, public testing::WithParamInterface<QueryCase> {};

TEST_P(Queries, ShorterThanTwoCharactersOrThePlaceholderChangeNothing)
{
    main_->Selection = {main_->Works.front()};
    Search(GetParam().query);
    EXPECT_EQ(search_->History.size(), GetParam().searched ? 1u : 0u);
    if (GetParam().searched)
        EXPECT_EQ(FileNames(main_->Selection), FileNames(HitsOf(GetParam().query)));
    else
        EXPECT_EQ(FileNames(main_->Selection), FileNames({main_->Works.front()}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Queries,
    testing::Values(QueryCase{"OneCharacterIsIgnored", "а", false},
                    QueryCase{"NothingIsIgnored", "", false},
                    QueryCase{"TwoCharactersSearch", "ро", true},
                    QueryCase{"ThePlaceholderIsIgnored", "string for search", false},
                    QueryCase{"ThePlaceholderInOtherCaseIsSearched", "String for search", true}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST_F(SearchWindowTest, ASearchWritesItsHitsAndTheHistoryNewestFirst)
{
    Search("роза");
    Search("РОЗА");
    const TVelmoraDataArray hits = HitsOf("роза");
    ASSERT_FALSE(hits.empty());
    EXPECT_EQ(FileNames(main_->Selection), FileNames(hits));
    EXPECT_EQ(FileNames(HitsOf("РОЗА")), FileNames(hits)) << "both sides are upper-cased";
    const TPageAddresses addresses(main_->ContentDir);
    EXPECT_EQ(Written("searchresult.htm"),
              SearchResultPage(hits, TSearchLayout::TextList, addresses));
    EXPECT_EQ(Written("historyresult.htm"), HistoryPage(search_->History, addresses));
    EXPECT_EQ(Queries(), (std::vector<std::string>{"роза", "РОЗА"}));
    WaitForPage(*search_, "searchresult.htm");
}

// The history's entries are set in the title font, which the content may not ship: the engine
// draws their text in its stand-in, as the program's own title text is.
TEST_F(SearchWindowTest, TheHistoryIsInTheTitleFontOrItsStandIn)
{
    search_->show();
    Search("роза");
    TEmbeddedWB& history = search_->HistoryBrowser();
    ASSERT_TRUE(WaitFor(
        [&] {
            return history.Url().fileName() == "historyresult.htm" && history.IsVisible() &&
                   history.HasDocument();
        },
        15000));
    Settle(history);
    std::optional<QVariantList> widths;
    history.View().page()->runJavaScript(
        "(() => { const entry = getComputedStyle(document.links[0]);"
        "  const probe = document.body.appendChild(document.createElement('span'));"
        "  probe.textContent = 'Бархатная роза';"
        "  probe.style.font = entry.font;"
        "  return [entry.fontFamily, '\"EB Garamond\"', '\"DejaVu Serif\"'].map(family => {"
        "    probe.style.fontFamily = family;"
        "    return probe.getBoundingClientRect().width; }); })()",
        [&widths](const QVariant& answer) { widths = answer.toList(); });
    ASSERT_TRUE(WaitFor([&widths] { return widths.has_value(); }, 5000));
    ASSERT_EQ(widths->size(), 3);
    EXPECT_EQ((*widths)[0].toDouble(), (*widths)[1].toDouble()) << "the stand-in";
    EXPECT_NE((*widths)[1].toDouble(), (*widths)[2].toDouble()) << "the fonts tell apart";
}

TEST_F(SearchWindowTest, ASearchWithoutHitsIsRecordedAndShowsTheNothingFoundPage)
{
    Search("роза");
    const std::string before = Written("searchresult.htm");
    Search("нет такого слова");
    EXPECT_TRUE(main_->Selection.empty());
    EXPECT_EQ(search_->History.size(), 2u);
    EXPECT_EQ(Written("searchresult.htm"), before);
    EXPECT_TRUE(WaitFor([&] { return Results().Url().fileName() == "search.htm"; }, 10000));
}

TEST_F(SearchWindowTest, AHistoryLinkRunsItsQueryAgainInTheLayoutChosenNow)
{
    search_->show();
    Search("роза");
    Search("бархат");
    WaitForPage(*search_, "searchresult.htm");
    search_->ShowAsText = false;
    FollowLink(Results(), "%3E%3E0");
    ASSERT_TRUE(WaitFor([&] { return search_->SearchEdit().text() == "роза"; }, 10000));
    EXPECT_EQ(search_->History.size(), 2u) << "a replay adds no entry";
    EXPECT_EQ(FileNames(main_->Selection), FileNames(HitsOf("роза")));
    EXPECT_EQ(Written("searchresult.htm"), SearchResultPage(main_->Selection, TSearchLayout::Cards,
                                                            TPageAddresses(main_->ContentDir)));
    EXPECT_EQ(Written("historyresult.htm"),
              HistoryPage(search_->History, TPageAddresses(main_->ContentDir)))
        << "a replay leaves the history page";
}

TEST_F(SearchWindowTest, TheLayoutButtonTakesEffectAtTheNextSearch)
{
    search_->show();
    Search("роза");
    const std::string listed = Written("searchresult.htm");
    (void)search_->grab(); // the paint that shows the text list's button
    // Of the two buttons at one place, only the one shown is there for a screen reader and Tab.
    const auto shown = [&](const char* section) {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(search_);
        for (int i = 0; i < window->childCount(); ++i) {
            if (window->child(i)->text(QAccessible::Name) == TitleOf(section))
                return !window->child(i)->state().invisible;
        }
        return false;
    };
    EXPECT_TRUE(shown("s_image"));
    EXPECT_FALSE(shown("s_text"));
    Click(*search_, "s_image");
    EXPECT_FALSE(search_->ShowAsText);
    EXPECT_FALSE(shown("s_image"));
    EXPECT_TRUE(shown("s_text"));
    EXPECT_EQ(Written("searchresult.htm"), listed) << "the page shown is not rebuilt";
    Search("роза");
    EXPECT_EQ(Written("searchresult.htm"), SearchResultPage(main_->Selection, TSearchLayout::Cards,
                                                            TPageAddresses(main_->ContentDir)));
    (void)search_->grab();
    Click(*search_, "s_image");
    EXPECT_TRUE(search_->ShowAsText);
}

TEST_F(SearchWindowTest, TheHistoryBarAnswersTheMouseOnceALongHistoryNeedsIt)
{
    search_->show();
    Search("роза");
    WaitForPage(*search_, "searchresult.htm");
    EXPECT_FALSE(search_->HistoryBar().IsVisible()) << "one entry needs no bar";
    constexpr int kLongHistory = 60;
    search_->History.assign(kLongHistory, THistory{Win1251::FromUtf8("бархат")});
    Search("роза");
    ASSERT_TRUE(WaitFor([&] { return search_->HistoryBar().IsVisible(); }, 10000))
        << "the history's range did not reach its bar";
    const TBounds down = search_->HistoryBar().Group().Buttons()[1].GetBounds();
    QTest::mouseClick(search_, Qt::LeftButton, {},
                      {down.Left + down.Width / 2, down.Top + down.Height / 2});
    EXPECT_TRUE(WaitFor([&] { return ScrollOf(search_->HistoryBrowser()).Position > 0; }, 5000));
    EXPECT_EQ(ScrollOf(search_->Browser()).Position, 0) << "the result page stays";
}

TEST_F(SearchWindowTest, ShowingAgainRunsTheOldestQueryAndEndsOnThePlaceholder)
{
    search_->show();
    Search("роза");
    Search("бархат");
    search_->hide();
    search_->show();
    EXPECT_EQ(search_->SearchEdit().text(), "роза");
    EXPECT_EQ(FileNames(main_->Selection), FileNames(HitsOf("роза")));
    EXPECT_EQ(search_->History.size(), 2u);
    EXPECT_TRUE(WaitFor([&] { return Results().Url().fileName() == "notfound_s.html"; }, 10000));
}

TEST_F(SearchWindowTest, TheQuestButtonShowsTheWindowWithAnEmptyHistoryPage)
{
    QTest::mouseClick(main_, Qt::LeftButton, {}, content_.ButtonBounds("quest").center());
    ASSERT_TRUE(search_->isVisible());
    EXPECT_TRUE(
        WaitFor([&] { return search_->Browser().Url().fileName() == "notfound_s.html"; }, 10000));
}

TEST_F(SearchWindowTest, ATypedQueryIsWrittenAsTextAndRunsNothing)
{
    search_->show();
    Search("<img src=x onerror=\"document.title='ran'\">");
    const std::string history = Written("historyresult.htm");
    EXPECT_NE(history.find("&lt;img src=x onerror=&quot;document.title='ran'&quot;&gt;"),
              std::string::npos);
    EXPECT_EQ(history.find("<img src=x"), std::string::npos);
}

TEST_F(SearchWindowTest, AHistoryThatCannotBeWrittenIsToldAndTheSearchStops)
{
    ASSERT_TRUE(QDir().mkpath(content_.Path("html/historyresult.htm")));
    main_->Selection = {main_->Works.front()};
    Search("роза");
    ASSERT_FALSE(content_.Dialogs.Errors.isEmpty());
    EXPECT_TRUE(content_.Dialogs.Errors.last().contains("historyresult.htm"));
    EXPECT_EQ(search_->History.size(), 1u) << "the entry stays";
    EXPECT_EQ(FileNames(main_->Selection), FileNames({main_->Works.front()}));
}

TEST_F(SearchWindowTest, AResultPageThatCannotBeWrittenIsToldAndShownFromTheDocument)
{
    ASSERT_TRUE(QDir().mkpath(content_.Path("html/searchresult.htm")));
    search_->show();
    WaitForPage(*search_, "notfound_s.html");
    Search("роза");
    ASSERT_FALSE(content_.Dialogs.Errors.isEmpty());
    EXPECT_TRUE(content_.Dialogs.Errors.last().contains("searchresult.htm"));
    EXPECT_EQ(FileNames(main_->Selection), FileNames(HitsOf("роза"))) << "the hits are kept";
    const std::string page = SearchResultPage(main_->Selection, TSearchLayout::TextList,
                                              TPageAddresses(main_->ContentDir));
    const QString saved = content_.Path("saved.htm");
    EXPECT_TRUE(WaitFor(
        [&] { return Results().SaveSource(saved).Ok() && TestFiles::Read(saved) == page; }, 10000))
        << "the page is not in the document";
}

TEST_F(SearchWindowTest, ThePlaceholderGoesWhenTheEditTakesTheFocusAndOtherTextStays)
{
    search_->show();
    TSearchEdit& edit = search_->SearchEdit();
    ASSERT_EQ(edit.text(), TSearchEdit::Placeholder);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(&edit, &focusIn);
    EXPECT_EQ(edit.text(), "");
    edit.setText("string for search ");
    QCoreApplication::sendEvent(&edit, &focusIn);
    EXPECT_EQ(edit.text(), "string for search ");
}

// Counts the paint events of the widget it filters.
class PaintCount : public QObject {
public:
    int Count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        Count += event->type() == QEvent::Paint;
        return false;
    }
};

// The window is composed with its pages on every repaint: the edit's cursor, blinking while the
// user thinks what to type, must not repaint it.
TEST_F(SearchWindowTest, ACursorBlinkRepaintsOnlyTheEdit)
{
    search_->show();
    // Once both pages show, nothing but the cursor changes on the window.
    WaitForPage(*search_, QStringLiteral("notfound_s.html"));
    WaitForPage(search_->HistoryBrowser(), QStringLiteral("search1.htm"));
    TSearchEdit& edit = search_->SearchEdit();
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(&edit, &focusIn);
    PaintCount editPaints;
    edit.installEventFilter(&editPaints);
    ASSERT_TRUE(WaitFor([&] { return editPaints.Count > 0; }));
    PaintCount windowPaints;
    search_->installEventFilter(&windowPaints);
    const int blinksBefore = editPaints.Count;
    ASSERT_TRUE(WaitFor([&] { return editPaints.Count >= blinksBefore + 2; }));
    EXPECT_EQ(windowPaints.Count, 0);
}

// Without clocks a held press on the bar repeats nothing, and nothing wakes the program.
TEST_F(SearchWindowTest, RunsNoClocksEvenWhileAPressIsHeld)
{
    search_->show();
    QTest::mouseMove(search_, DownArrow());
    QTest::mousePress(search_, Qt::LeftButton, {}, DownArrow());
    for (int i = 0; i < 3; ++i)
        ticks_.Advance(std::chrono::milliseconds(100));
    EXPECT_EQ(ticks_.RunningClocks(), 0u);
    QTest::mouseRelease(search_, Qt::LeftButton, {}, DownArrow());
}

TEST_F(SearchWindowTest, ThePopUpCopiesFromTheResultPage)
{
    search_->show();
    Search("роза");
    WaitForPage(*search_, "searchresult.htm");
    Results().View().page()->runJavaScript("document.execCommand('selectAll')");
    Settle(Results());
    Results().ShowContextMenu(search_->mapToGlobal(QPoint(200, 200)));
    ASSERT_TRUE(context_->isVisible());
    EXPECT_EQ(context_->TargetCode, TContextTarget::Search);
    main_->activateWindow();
    QTest::mousePress(context_, Qt::LeftButton, {}, content_.ButtonBounds("context_copy").center());
    const QString firstName = Win1251::ToUnicode(main_->Selection[0].Name);
    EXPECT_TRUE(
        WaitFor([&] { return QGuiApplication::clipboard()->text().contains(firstName); }, 5000));
}

TEST_F(SearchWindowTest, TheMenuKeyOnTheHistoryOpensTheWindowsPopUp)
{
    search_->show();
    Search("роза");
    WaitForPage(*search_, "searchresult.htm");
    QWidget* input = search_->HistoryBrowser().View().focusProxy();
    ASSERT_NE(input, nullptr);
    input->setFocus();
    QTest::keyClick(input, Qt::Key_Menu);
    ASSERT_TRUE(WaitFor([&] { return context_->isVisible(); }, 5000));
    EXPECT_EQ(context_->TargetCode, TContextTarget::Search);
}

struct LinkCase {
    const char* name;
    int entry;
};

class OutOfRangeEntries : public SearchWindowTest, public testing::WithParamInterface<LinkCase> {};

TEST_P(OutOfRangeEntries, RunNothing)
{
    search_->show();
    Search("роза");
    WaitForPage(*search_, "searchresult.htm");
    const std::string history = Written("historyresult.htm");
    std::vector<bool> cancelled;
    const auto decide = Results().BeforeNavigate;
    Results().BeforeNavigate = [&](const QUrl& url) {
        cancelled.push_back(decide(url));
        return cancelled.back();
    };
    FollowLink(Results(), QString("%3E%3E%1").arg(GetParam().entry).toUtf8().constData());
    ASSERT_TRUE(WaitFor([&] { return !cancelled.empty(); }, 10000));
    EXPECT_TRUE(cancelled.front()) << "an entry link never navigates";
    EXPECT_EQ(search_->SearchEdit().text(), "роза");
    EXPECT_EQ(search_->History.size(), 1u);
    EXPECT_EQ(Written("historyresult.htm"), history);
}

INSTANTIATE_TEST_SUITE_P(Table, OutOfRangeEntries,
                         testing::Values(LinkCase{"JustPastTheEnd", 1},
                                         LinkCase{"FarPastTheEnd", 1000}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
