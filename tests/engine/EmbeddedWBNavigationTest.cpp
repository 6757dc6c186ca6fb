#include "BrowserFixture.h"
#include "EventWait.h"
#include "PageClick.h"
#include "TestFiles.h"

#include <QDesktopServices>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>

namespace {

constexpr std::string_view kLinkPage =
    "<!DOCTYPE html><html><head><title>links</title></head><body>"
    "<a id=\"work\" href=\"&lt;&lt;12\">work 12</a>"
    "<a id=\"blank\" href=\"other.html\" target=\"_blank\">other</a>"
    "</body></html>";
constexpr std::string_view kOtherPage = "<!DOCTYPE html><title>other</title>";

class NavigationTest : public BrowserFixture {
protected:
    void SetUp() override
    {
        wb_.BeforeNavigate = [this](const QUrl& url) {
            requested_.push_back(url);
            return cancel_;
        };
        TestFiles::Write(PathOf("other.html"), kOtherPage);
        // The work link's target exists, so a link that is let through loads a page.
        TestFiles::Write(PathOf("<<12"), kOtherPage);
        ASSERT_TRUE(Load("links.html", kLinkPage));
    }

    // Clicks a link of the page and waits until the engine has settled the click.
    void Click(const char* id)
    {
        QSignalSpy finished(wb_.View().page(), &QWebEnginePage::loadFinished);
        Evaluate(QStringLiteral("document.getElementById('%1').click()").arg(id));
        // The load may end while the click's script still answers.
        ASSERT_TRUE(WaitFor([&] { return !finished.isEmpty(); }, 8000));
    }

    bool cancel_ = false;
    std::vector<QUrl> requested_;
};

TEST(EmbeddedWBTest, HasNoDocumentAndScrollsNothingBeforeTheFirstLoad)
{
    QWidget window;
    TEmbeddedWB wb(window, QRect(0, 0, 200, 200));
    bool answered = false;
    wb.GetScroll([&answered](TPageScroll) { answered = true; });
    EXPECT_FALSE(wb.HasDocument());

    QTemporaryDir dir;
    bool completed = false;
    wb.DocumentComplete = [&completed](const QUrl&) { completed = true; };
    wb.Navigate(dir.filePath("missing.html"));
    ASSERT_TRUE(WaitFor([&completed] { return completed; }, 8000))
        << "a page that fails to load still completes";
    EXPECT_TRUE(wb.HasDocument());
    EXPECT_FALSE(answered);
}

TEST_F(NavigationTest, EachLoadCompletesOnceWithItsAddress)
{
    ASSERT_TRUE(NavigateAndWait("other.html", 2));
    EXPECT_EQ(completed_, (std::vector<QUrl>{UrlOf("links.html"), UrlOf("other.html")}));
    EXPECT_EQ(requested_, completed_) << "our own loads pass the before-navigate handler";
    EXPECT_EQ(wb_.Url(), UrlOf("other.html"));
    EXPECT_TRUE(wb_.HasDocument());
}

TEST_F(NavigationTest, CancelledLoadKeepsThePage)
{
    cancel_ = true;
    QSignalSpy finished(wb_.View().page(), &QWebEnginePage::loadFinished);
    wb_.Navigate(PathOf("other.html"));
    ASSERT_TRUE(WaitFor([&] { return !finished.isEmpty(); }, 8000));
    EXPECT_EQ(requested_.back(), UrlOf("other.html"));
    EXPECT_EQ(completed_.size(), 1u);
    EXPECT_EQ(wb_.Url(), UrlOf("links.html"));
    EXPECT_EQ(Evaluate("document.title").toString(), "links");
}

struct LinkClickCase {
    const char* name;
    bool cancel;
};

class LinkClickTest : public NavigationTest, public testing::WithParamInterface<LinkClickCase> {};

TEST_P(LinkClickTest, LinkClickArrivesPercentEncodedAndCancellingKeepsThePage)
{
    cancel_ = GetParam().cancel;
    Click("work");
    ASSERT_FALSE(requested_.empty());
    EXPECT_EQ(requested_.back().toEncoded(),
              UrlOf("links.html").resolved(QUrl(QStringLiteral("%3C%3C12"))).toEncoded());
    EXPECT_TRUE(QUrl::fromPercentEncoding(requested_.back().toEncoded()).endsWith("/<<12"));
    EXPECT_TRUE(WaitFor([&] { return completed_.size() == (cancel_ ? 1u : 2u); }, 8000));
    EXPECT_EQ(wb_.Url() == UrlOf("links.html"), cancel_);
}

INSTANTIATE_TEST_SUITE_P(CancelOrNot, LinkClickTest,
                         testing::Values(LinkClickCase{"Followed", false},
                                         LinkClickCase{"Cancelled", true}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

struct NewWindowCase {
    const char* name;
    const char* script; // what the page does by itself before the user's click
    bool refuse;
};

class NewWindowTest : public NavigationTest, public testing::WithParamInterface<NewWindowCase> {};

// Only the user's click asks for a window: the page's own tries before it are refused unheard,
// and the click's request is the one the handler gets.
TEST_P(NewWindowTest, OnlyTheUsersClickAsksAndThePageStays)
{
    std::vector<QUrl> asked;
    wb_.NewWindow = [&asked](const QUrl& url) {
        asked.push_back(url);
        return GetParam().refuse;
    };
    Evaluate(QString::fromUtf8(GetParam().script));
    ASSERT_TRUE(ClickPageElement(wb_, QStringLiteral("blank")));
    ASSERT_TRUE(WaitFor([&asked] { return !asked.empty(); }, 8000));
    // The click's request came after every one of the page's own.
    EXPECT_EQ(asked, std::vector<QUrl>{UrlOf("other.html")});
    EXPECT_EQ(wb_.Url(), UrlOf("links.html"));
    EXPECT_EQ(Evaluate("document.title").toString(), "links");
}

INSTANTIATE_TEST_SUITE_P(
    LinkOrScript, NewWindowTest,
    testing::Values(NewWindowCase{"LinkRefused", "0", true},
                    NewWindowCase{"LinkAllowed", "0", false},
                    NewWindowCase{"ScriptWindowsUnheard", "window.open('other.html'); 0", false},
                    NewWindowCase{"ScriptClicksUnheard",
                                  "document.getElementById('blank').click(); 0", false}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

// Hears what would reach the system's handler of a scheme.
class SystemOpener : public QObject {
    Q_OBJECT

public:
    explicit SystemOpener(std::initializer_list<const char*> schemes) : schemes_(schemes)
    {
        for (const char* scheme : schemes_)
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
    }
    ~SystemOpener() override
    {
        for (const char* scheme : schemes_)
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    Q_INVOKABLE void Open(const QUrl& url) { Opened.push_back(url); }

    std::vector<QUrl> Opened;

private:
    std::vector<const char*> schemes_;
};

struct OutsideLinkCase {
    const char* name;
    const char* address;
};

class OutsideLinks : public NavigationTest, public testing::WithParamInterface<OutsideLinkCase> {};

// A link to an address no page shows: the page stays, what the user clicked is the window's to
// offer (it opens web sites alone), and nothing reaches the system; the page's own click on it
// offers nothing.
TEST_P(OutsideLinks, StayOnThePageAndReachTheSystemOnlyThroughTheWindow)
{
    const SystemOpener opener{"mailto", "ssh", "http", "https"};
    std::vector<QUrl> offered;
    wb_.NewWindow = [&offered](const QUrl& url) {
        offered.push_back(url);
        return true;
    };
    const QUrl sentinel(QStringLiteral("https://example.org/last"));
    Evaluate(QStringLiteral("for (const [id, address] of [['row', '%1'], ['last', '%2']]) {"
                            " var a = document.createElement('a'); a.id = id; a.href = address;"
                            " a.textContent = id; a.style.display = 'block';"
                            " document.body.appendChild(a); }"
                            "document.getElementById('row').click(); 0")
                 .arg(QLatin1String(GetParam().address), sentinel.toString()));
    ASSERT_TRUE(ClickPageElement(wb_, QStringLiteral("row")));
    ASSERT_TRUE(ClickPageElement(wb_, QStringLiteral("last")));
    const QUrl address(QString::fromLatin1(GetParam().address));
    const auto count = [&](const QUrl& url) {
        return std::count(offered.begin(), offered.end(), url);
    };
    // The two clicks may be settled in either order; the page's own click came before both and
    // would have been settled before the user's click on the same link.
    ASSERT_TRUE(WaitFor([&] { return count(address) > 0 && count(sentinel) > 0; }, 8000));
    EXPECT_EQ(count(address), 1);
    EXPECT_EQ(offered.size(), 2u);
    EXPECT_TRUE(opener.Opened.empty()) << opener.Opened.front().toString().toStdString();
    EXPECT_EQ(wb_.Url(), UrlOf("links.html"));
}

INSTANTIATE_TEST_SUITE_P(Table, OutsideLinks,
                         testing::Values(OutsideLinkCase{"AWebSite", "https://example.org/first"},
                                         OutsideLinkCase{"Mail", "mailto:a@example.org"},
                                         OutsideLinkCase{"Ssh", "ssh://example.org/"}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST_F(NavigationTest, PagesShowNoScrollBarsOfTheirOwn)
{
    ASSERT_TRUE(Load("long.html", kRootPage));
    EXPECT_EQ(Evaluate("document.documentElement.clientWidth").toInt(), 600);
}

TEST_F(NavigationTest, ContextMenuRequestGoesToTheHandlerAtItsScreenPoint)
{
    std::vector<QPoint> shown;
    wb_.ShowContextMenu = [&shown](QPoint point) { shown.push_back(point); };
    wb_.Show();
    const QPoint inView(30, 40);
    emit wb_.View().customContextMenuRequested(inView);
    EXPECT_EQ(shown, std::vector<QPoint>{wb_.View().mapToGlobal(inView)});
    EXPECT_EQ(wb_.View().contextMenuPolicy(), Qt::CustomContextMenu);
}

} // namespace

#include "EmbeddedWBNavigationTest.moc"
