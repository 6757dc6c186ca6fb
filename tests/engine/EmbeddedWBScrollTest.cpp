#include "BrowserFixture.h"
#include "EventWait.h"
#include "Win1251.h"

#include <QTest>

#include <string>
#include <vector>

namespace {

struct PageCase {
    const char* name;
    std::string_view page;
    bool rootScrolls;
};

// A page's scripts put their own functions and values in place of what the viewer's scroll
// scripts use; the viewer still reads and moves the real scrolling element.
constexpr std::string_view kScrollDecoys =
    "<script>window.scrollTo = window.scrollBy = function () {};"
    "var decoy = {get: function () { return 7; }, set: function () {}};"
    "Object.defineProperty(document.documentElement, 'scrollTop', decoy);"
    "Object.defineProperty(document.body, 'scrollTop', decoy);"
    "Object.defineProperty(document, 'body', {get: function () { return null; }});</script>";

std::string WithScrollDecoys(std::string_view page)
{
    std::string decoyed(page);
    return decoyed.insert(decoyed.find("</body>"), kScrollDecoys);
}

const std::string kRootPageWithDecoys = WithScrollDecoys(kRootPage);
const std::string kBodyPageWithDecoys = WithScrollDecoys(kBodyPage);

const PageCase kLongPages[] = {
    {"RootScrolling", kRootPage, true},
    {"BodyScrolling", kBodyPage, false},
    {"RootScrollingBehindThePagesDecoys", kRootPageWithDecoys, true},
    {"BodyScrollingBehindThePagesDecoys", kBodyPageWithDecoys, false},
};

class LongPageTest : public BrowserFixture, public testing::WithParamInterface<PageCase> {
protected:
    void SetUp() override { ASSERT_TRUE(Load("page.html", GetParam().page)); }

    // Where the page really is, read past any decoy of the page's own scripts.
    int ScrollingElementTop()
    {
        return Evaluate("document.scrollingElement.scrollTop", QWebEngineScript::ApplicationWorld)
            .toInt();
    }
};

TEST_P(LongPageTest, ProbeFindsTheScrollingElementAndItsRange)
{
    const auto state = Scroll();
    ASSERT_TRUE(state);
    EXPECT_EQ(state->RootScrolls, GetParam().rootScrolls);
    EXPECT_EQ(state->Range, kLongRange);
    EXPECT_EQ(state->Position, 0);
}

TEST_P(LongPageTest, PageAtTheTopStaysAtTheTop)
{
    ASSERT_TRUE(Scroll());
    EXPECT_EQ(ScrollingElementTop(), 0);
    EXPECT_EQ(Scroll()->Position, 0);
}

TEST_P(LongPageTest, SetScrollMovesThePageAndStopsAtItsEnd)
{
    ASSERT_TRUE(SetScroll(500));
    EXPECT_EQ(ScrollingElementTop(), 500);
    EXPECT_EQ(Scroll()->Position, 500) << "a scrolled page is read where it is";
    ASSERT_TRUE(SetScroll(100000));
    EXPECT_EQ(Scroll()->Position, kLongRange);
}

TEST_P(LongPageTest, StepsMoveByLinesAndPagesAndReportThePosition)
{
    // A line is 40 pixels, a page the view's 400 less a line.
    const std::pair<TPageStep, int> steps[] = {{TPageStep::Down, 40},
                                               {TPageStep::PageDown, 400},
                                               {TPageStep::Up, 360},
                                               {TPageStep::PageUp, 0}};
    for (const auto& [step, position] : steps) {
        const auto state = Step(step, GetParam().rootScrolls);
        ASSERT_TRUE(state) << int(step);
        EXPECT_EQ(state->Position, position) << int(step);
        EXPECT_EQ(state->Range, kLongRange) << int(step);
        EXPECT_EQ(state->RootScrolls, GetParam().rootScrolls) << int(step);
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, LongPageTest, testing::ValuesIn(kLongPages),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST_F(BrowserFixture, ShortPageHasNothingToScroll)
{
    ASSERT_TRUE(Load("short.html", kShortPage));
    const auto state = Scroll();
    ASSERT_TRUE(state);
    EXPECT_LE(state->Range, 0);
    const auto stepped = Step(TPageStep::PageDown, state->RootScrolls);
    ASSERT_TRUE(stepped);
    EXPECT_EQ(stepped->Position, 0);
}

TEST_F(BrowserFixture, WritePageReplacesTheDocumentAtOnce)
{
    ASSERT_TRUE(Load("page.html", kRootPage));
    // Quotes, backslashes, a script end tag and the pages' LF CR line ends must arrive as text.
    const std::string text = Win1251::FromUtf8(
        "<!DOCTYPE html><html><body><p id=\"t\">Ноготь 'a' \"b\" \\ </script> x</p>\n\r"
        "<div style=\"height:1000px\"></div></body></html>");
    ASSERT_TRUE(Write(text));
    EXPECT_EQ(Evaluate("document.getElementById('t').textContent").toString(),
              QString::fromUtf8("Ноготь 'a' \"b\" \\  x"));
    const auto state = Scroll();
    ASSERT_TRUE(state);
    EXPECT_LT(state->Range, kLongRange);
    EXPECT_GT(state->Range, 0);
    EXPECT_EQ(completed_.size(), 1u) << "writing is no page load";
    EXPECT_EQ(wb_.Url(), UrlOf("page.html"));
}

TEST_F(BrowserFixture, AnswersStillPendingWhenTheBrowserGoesAreNeverDelivered)
{
    ASSERT_TRUE(Load("page.html", kRootPage));
    QWidget window;
    auto browser = std::make_unique<TEmbeddedWB>(window, QRect(0, 0, 600, 400));
    bool loaded = false;
    browser->DocumentComplete = [&](const QUrl&) { loaded = true; };
    browser->Navigate(PathOf("page.html"));
    ASSERT_TRUE(WaitFor([&] { return loaded; }, 10000));
    bool answered = false;
    browser->GetScroll([&](TPageScroll) { answered = true; });
    browser->SetScroll(100, [&] { answered = true; });
    browser.reset(); // the engine answers both while its page is deleted
    // Answers come in order: once a later one is in, none of the deleted page's is pending.
    ASSERT_TRUE(Scroll());
    EXPECT_FALSE(answered);
}

} // namespace
