#include "EventWait.h"
#include "FileSizeLimit.h"
#include "PageClick.h"
#include "ProfileFile.h"
#include "TestFiles.h"
#include "WindowLayout.h"
#include "Windows.h"
#include "WindowsFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

// Returns once everything posted to the event loop so far has been handled.
void HandleEventsPostedSoFar()
{
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    ASSERT_TRUE(WaitFor([&] { return handled; }, 5000));
}

class InformationWindowTest : public BrowserWindowFixture {
protected:
    // The page position after one direct step down from the top: one line.
    int LineStep(TEmbeddedWB& browser, bool rootScrolls)
    {
        browser.SetScroll(0);
        std::optional<int> position;
        browser.ScrollStep(TPageStep::Down, rootScrolls,
                           [&](TPageScroll scroll) { position = scroll.Position; });
        EXPECT_TRUE(WaitFor([&] { return position.has_value(); }, 5000));
        browser.SetScroll(0);
        Settle(browser);
        return position.value_or(-1);
    }
};

TEST_F(InformationWindowTest, OpensCentredInTheMainWindowWithItsPage)
{
    Open(*info_, "about.htm");
    EXPECT_EQ(info_->geometry(),
              QRect(WindowLayout::kBrowserWindowPlace, WindowLayout::kBrowserWindow));
    EXPECT_EQ(info_->geometry().topLeft(), QPoint(87, 109)) << "centred in the main window";
    EXPECT_TRUE(info_->Browser().IsVisible());
    EXPECT_EQ(info_->Browser().View().geometry(), WindowLayout::kCatalogueBrowser);
}

TEST_F(InformationWindowTest, TheZoomButtonOpensTheAboutPageAndHideBrowserWindowsHidesIt)
{
    const QRect zoom = content_.ButtonBounds("zoom");
    QTest::mouseClick(main_, Qt::LeftButton, {}, zoom.center());
    EXPECT_TRUE(info_->isVisible());
    EXPECT_TRUE(WaitFor([&] { return info_->Browser().Url().fileName() == "about.htm"; }, 10000));
    main_->HideBrowserWindows();
    EXPECT_FALSE(info_->isVisible());
}

// A click on a button leaves no hint behind: neither its hint shown over the window it opened,
// nor one the pointer brought with the click (a tap) that had no time to show yet.
TEST_F(InformationWindowTest, AClickLeavesNoHintBehind)
{
    const QPoint zoom = content_.ButtonBounds("zoom").center();
    QTest::mouseMove(main_, zoom);
    ticks_.Advance(std::chrono::milliseconds(500));
    ASSERT_TRUE(WaitFor([] { return QToolTip::isVisible(); }, 3000));
    QTest::mouseClick(main_, Qt::LeftButton, {}, zoom);
    ASSERT_TRUE(info_->isVisible());
    EXPECT_TRUE(WaitFor([] { return !QToolTip::isVisible(); }, 3000));

    QTest::mouseMove(main_, QPoint(2, 2));
    QTest::mouseMove(main_, zoom);
    ASSERT_TRUE(main_->Hint().IsWaiting());
    QTest::mouseClick(main_, Qt::LeftButton, {}, zoom);
    EXPECT_FALSE(main_->Hint().IsWaiting());
}

struct PageCase {
    const char* name;
    bool standardsMode;
    int height;
    bool rootScrolls;
    bool barVisible;
};

class PageScrolling : public InformationWindowTest, public testing::WithParamInterface<PageCase> {};

TEST_P(PageScrolling, OneWheelTurnMakesOneStepAndTheThumbFollows)
{
    const PageCase& test = GetParam();
    GivenPage("page.htm", LongPage(test.standardsMode, test.height));
    Open(*info_, "page.htm");
    EXPECT_EQ(ScrollOf(info_->Browser()).RootScrolls, test.rootScrolls);
    EXPECT_EQ(info_->ScrollBar().IsVisible(), test.barVisible);
    const int line = LineStep(info_->Browser(), test.rootScrolls);

    SendWheel(-120);
    Settle(info_->Browser());
    const TPageScroll after = ScrollOf(info_->Browser());
    EXPECT_EQ(after.Position, test.barVisible ? line : 0);
    if (test.barVisible) {
        EXPECT_EQ(info_->ScrollBar().GetPosition(), line);
    }

    SendWheel(120);
    Settle(info_->Browser());
    EXPECT_EQ(ScrollOf(info_->Browser()).Position, 0);
}

INSTANTIATE_TEST_SUITE_P(Table, PageScrolling,
                         testing::Values(PageCase{"RootScrolling", true, 3000, true, true},
                                         PageCase{"BodyScrolling", false, 3000, false, true},
                                         PageCase{"ShortPage", true, 100, false, false}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST_F(InformationWindowTest, HomeAndEndJumpAndTheThumbGoesWithThem)
{
    GivenPage("page.htm", LongPage(true));
    Open(*info_, "page.htm");
    const TPageScroll top = ScrollOf(info_->Browser());
    EXPECT_EQ(top.Position, 0) << "the probe leaves a page at the top where it was";

    SendKey(Qt::Key_End);
    Settle(info_->Browser());
    const TPageScroll end = ScrollOf(info_->Browser());
    EXPECT_EQ(end.Position, end.Range) << "the page stops at its end";
    EXPECT_TRUE(WaitFor([&] { return info_->ScrollBar().GetPosition() == end.Range; }, 5000))
        << "the thumb stops with it";

    SendKey(Qt::Key_Home);
    Settle(info_->Browser());
    EXPECT_EQ(ScrollOf(info_->Browser()).Position, 0);
    EXPECT_EQ(info_->ScrollBar().GetPosition(), 0);
}

// The page scrolls by itself as the focus moves through its links, or as its script says.
TEST_F(InformationWindowTest, TheThumbFollowsThePageHoweverItScrolls)
{
    GivenPage("page.htm", "<!DOCTYPE html><div style=\"height:2000px\"></div>"
                          "<a id=\"far\" href=\"#\">far</a><div style=\"height:2000px\"></div>");
    Open(*info_, "page.htm");
    const auto thumbWithPage = [&] {
        return info_->ScrollBar().GetPosition() == ScrollOf(info_->Browser()).Position;
    };
    info_->Browser().View().setFocus();
    SendKey(Qt::Key_Tab);
    EXPECT_TRUE(WaitFor([&] { return ScrollOf(info_->Browser()).Position > 0; }, 5000));
    EXPECT_TRUE(WaitFor(thumbWithPage, 5000)) << "after the focus";

    info_->Browser().View().page()->runJavaScript("window.scrollTo(0, 700)");
    EXPECT_TRUE(WaitFor([&] { return info_->ScrollBar().GetPosition() == 700; }, 5000))
        << "after the script";
}

TEST_F(InformationWindowTest, TwoVisibleWindowsBothScrollOnOneWheelTurn)
{
    GivenPage("page.htm", LongPage(true));
    TSealed<TfChHtmlViewInfo1> second(program_->HostOf(0));
    Open(*info_, "page.htm");
    Open(second, "page.htm");
    SendWheel(-120);
    Settle(info_->Browser());
    Settle(second.Browser());
    EXPECT_GT(ScrollOf(info_->Browser()).Position, 0);
    EXPECT_GT(ScrollOf(second.Browser()).Position, 0);
}

TEST_F(InformationWindowTest, HoldingTheDownArrowRepeatsFromTheFourthTick)
{
    GivenPage("page.htm", LongPage(true, 20000));
    Open(*info_, "page.htm");
    const int line = LineStep(info_->Browser(), true);
    const auto tick = [&] {
        ticks_.Advance(std::chrono::milliseconds(100));
        Settle(info_->Browser());
    };

    QTest::mousePress(info_, Qt::LeftButton, {}, DownArrow());
    for (int i = 0; i < 3; ++i)
        tick();
    EXPECT_EQ(ScrollOf(info_->Browser()).Position, 0) << "no repeat within three ticks";
    tick();
    EXPECT_EQ(ScrollOf(info_->Browser()).Position, line) << "the fourth tick steps";
    tick();
    EXPECT_EQ(ScrollOf(info_->Browser()).Position, 2 * line);
    QTest::mouseRelease(info_, Qt::LeftButton, {}, DownArrow());
    Settle(info_->Browser());
    EXPECT_EQ(ScrollOf(info_->Browser()).Position, 3 * line) << "the release adds one step";
    tick();
    EXPECT_EQ(ScrollOf(info_->Browser()).Position, 3 * line) << "nothing held, nothing repeats";
}

// A window at rest wakes nobody: its clocks run only while a press is held or a hint is to be
// switched back on, and the main window's only until its picture is up to date.
TEST_F(InformationWindowTest, ClocksRunOnlyWhileTheyHaveSomethingToDo)
{
    GivenPage("page.htm", LongPage(true));
    Open(*info_, "page.htm");
    const auto ticks = [&](int count) {
        for (int i = 0; i < count; ++i)
            ticks_.Advance(std::chrono::milliseconds(100));
    };
    ticks(2);
    EXPECT_EQ(ticks_.RunningClocks(), 0u) << "at rest after start";

    QTest::mouseMove(info_, QPoint(300, 20));
    QTest::mouseMove(main_, QPoint(20, 740));
    EXPECT_GT(ticks_.RunningClocks(), 0u);
    ticks(2);
    EXPECT_EQ(ticks_.RunningClocks(), 0u) << "at rest once the hint is armed";

    QTest::mousePress(info_, Qt::LeftButton, {}, DownArrow());
    ticks(6);
    EXPECT_GT(ticks_.RunningClocks(), 0u) << "a held press keeps counting";
    QTest::mouseRelease(info_, Qt::LeftButton, {}, DownArrow());
    ticks(2);
    EXPECT_EQ(ticks_.RunningClocks(), 0u) << "at rest after the release";
}

TEST_F(InformationWindowTest, DraggingTheThumbScrollsThePageWithIt)
{
    GivenPage("page.htm", LongPage(true));
    Open(*info_, "page.htm");
    const QPoint thumb = UpArrow() + QPoint(0, 12 + 22); // the thumb at the top of its track
    QTest::mousePress(info_, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(info_, thumb + QPoint(0, 100));
    Settle(info_->Browser());
    const int position = info_->ScrollBar().GetPosition();
    EXPECT_GT(position, 0);
    EXPECT_EQ(ScrollOf(info_->Browser()).Position, position);
    QTest::mouseRelease(info_, Qt::LeftButton, {}, thumb + QPoint(0, 100));
}

TEST_F(InformationWindowTest, AQuickClickOnAnArrowStepsOnceOnRelease)
{
    GivenPage("page.htm", LongPage(true));
    Open(*info_, "page.htm");
    const int line = LineStep(info_->Browser(), true);
    QTest::mouseClick(info_, Qt::LeftButton, {}, DownArrow());
    Settle(info_->Browser());
    EXPECT_EQ(ScrollOf(info_->Browser()).Position, line);
    QTest::mouseClick(info_, Qt::LeftButton, {}, UpArrow());
    Settle(info_->Browser());
    EXPECT_EQ(ScrollOf(info_->Browser()).Position, 0);
}

TEST_F(InformationWindowTest, LinksWithANumberAreCancelledAndOthersFollowed)
{
    GivenPage("links.htm",
              "<!DOCTYPE html><html><body>"
              "<a id=work href=\"<<3\">work</a><a id=entry href=\">>1\">entry</a>"
              "<a id=twice href=\"<<1<<2\">twice</a><a id=plain href=\"about.htm\">about</a>"
              "<iframe id=frame src=\"frame.htm\"></iframe></body></html>");
    GivenPage("frame.htm", "<!DOCTYPE html><a id=work href=\"<<3\">work</a>");
    GivenPage("<<1<<2", ShortPage());
    Open(*info_, "links.htm");
    // What the window decided for each navigation it was asked about.
    std::vector<bool> cancelled;
    const auto decide = info_->Browser().BeforeNavigate;
    info_->Browser().BeforeNavigate = [&](const QUrl& url) {
        cancelled.push_back(decide(url));
        return cancelled.back();
    };
    const auto click = [&](const char* id, const char* document = "document") {
        const size_t asked = cancelled.size();
        info_->Browser().View().page()->runJavaScript(
            QStringLiteral("%1.getElementById('%2').click()").arg(document, id));
        EXPECT_TRUE(WaitFor([&] { return cancelled.size() > asked; }, 5000)) << "not asked";
        if (cancelled.size() > asked && !cancelled[asked]) {
            EXPECT_TRUE(
                WaitFor([&] { return info_->Browser().Url().fileName() != "links.htm"; }, 5000));
        }
        Settle(info_->Browser());
        return info_->Browser().Url().fileName();
    };
    EXPECT_EQ(click("work"), "links.htm");
    EXPECT_EQ(click("entry"), "links.htm");
    EXPECT_EQ(click("work", "frame.contentDocument"), "links.htm") << "in a frame, as in the page";
    EXPECT_NE(click("twice"), "links.htm") << "the marker twice is no number: followed";
    Open(*info_, "links.htm");
    EXPECT_EQ(click("plain"), "about.htm");
}

struct NewWindowCase {
    const char* name;
    const char* settings; // the user's own
    const char* answer;   // empty: no question expected
    bool opened;
    const char* address = "https://example.org/";
    bool hidden = false;                // the window is closed as the request arrives
    const char* catalogueSettings = ""; // what the catalogue shipped in its settings.ini
};

class NewWindows : public InformationWindowTest,
                   public testing::WithParamInterface<NewWindowCase> {};

TEST_P(NewWindows, OpenOutsideOnlyAsTheQuestionAllows)
{
    const NewWindowCase& test = GetParam();
    if (*test.settings)
        content_.WriteUserSettings(test.settings);
    if (*test.catalogueSettings)
        content_.WriteSettings(test.catalogueSettings);
    GivenPage("external.htm", QByteArray("<!DOCTYPE html><html><body><a id=out href=\"") +
                                  test.address + "\" target=\"_blank\">out</a></body></html>");
    Open(*info_, "external.htm");
    // Answers the question when it shows; a question not expected is answered "no".
    bool asked = false;
    QString site;
    QTimer answerer;
    answerer.setInterval(50);
    QObject::connect(&answerer, &QTimer::timeout, message_, [&] {
        if (!message_->isVisible())
            return;
        asked = true;
        site = message_->accessibleDescription();
        answerer.stop();
        const std::string section = *test.answer ? test.answer : "no";
        QTest::mouseClick(message_, Qt::LeftButton, {}, content_.ButtonBounds(section).center());
    });
    answerer.start();
    int requests = 0;
    QObject::connect(info_->Browser().View().page(), &QWebEnginePage::newWindowRequested, info_,
                     [&](QWebEngineNewWindowRequest&) {
                         ++requests;
                         // Closed after the click, before the question could show.
                         if (test.hidden)
                             info_->hide();
                     });
    // A page of the content's scheme may not even ask for a file address: the engine refuses it
    // as the link is clicked; a click on the page's own anchor after it tells that is over.
    const bool refusedByTheEngine = QUrl(test.address).isLocalFile();
    if (refusedByTheEngine)
        info_->Browser().View().page()->runJavaScript(
            "var a = document.createElement('a'); a.id = 'after'; a.href = '#';"
            " a.textContent = 'after'; a.onclick = () => { document.title = 'clicked'; };"
            " document.body.appendChild(a);");
    ASSERT_TRUE(ClickPageElement(info_->Browser(), "out"));
    if (refusedByTheEngine) {
        ASSERT_TRUE(ClickPageElement(info_->Browser(), "after"));
    }
    ASSERT_TRUE(WaitFor(
        [&] {
            return refusedByTheEngine ? info_->Browser().View().page()->title() == "clicked"
                                      : requests == 1;
        },
        10000));
    // The request is handled, question and all, just after it arrives: that is over now.
    HandleEventsPostedSoFar();
    // A closed window's page answers no script until it shows again.
    if (!test.hidden)
        Settle(info_->Browser());
    EXPECT_EQ(requests, refusedByTheEngine ? 0 : 1);
    EXPECT_EQ(asked, *test.answer != '\0');
    if (asked) {
        EXPECT_EQ(site, "example.org") << "the question names the site";
    }
    EXPECT_EQ(!content_.Dialogs.Opened.isEmpty(), test.opened);
    if (test.opened) {
        EXPECT_EQ(content_.Dialogs.Opened.value(0), QUrl(test.address));
    }
    EXPECT_EQ(info_->Browser().Url().fileName(), "external.htm");
}

INSTANTIATE_TEST_SUITE_P(
    Table, NewWindows,
    testing::Values(
        NewWindowCase{"NoSettingsYes", "", "yes", true},
        NewWindowCase{"NoSettingsNo", "", "no", false},
        NewWindowCase{"QuestionOffAnswerUnknown", "[MESSAGES]\r\nshowwebmessage=0\r\n", "", false},
        NewWindowCase{"QuestionOffRefused",
                      "[MESSAGES]\r\nshowwebmessage=0\r\nShowWebMessage_yn=1\r\n", "", false},
        NewWindowCase{"QuestionOffAllowed",
                      "[MESSAGES]\r\nshowwebmessage=0\r\nShowWebMessage_yn=0\r\n", "", true},
        NewWindowCase{"QuestionOnAskedAgain",
                      "[MESSAGES]\r\nshowwebmessage=1\r\nShowWebMessage_yn=0\r\n", "no", false},
        NewWindowCase{"PlainWebAddress", "", "yes", true, "http://example.org/page"},
        NewWindowCase{"AMailAddressGoesNowhereUnasked", "", "", false, "mailto:a@example.org"},
        NewWindowCase{"ASkippedQuestionLetsNoMailOut",
                      "[MESSAGES]\r\nshowwebmessage=0\r\nShowWebMessage_yn=0\r\n", "", false,
                      "mailto:a@example.org"},
        NewWindowCase{"ADesktopEntryGoesNowhereUnasked", "", "", false,
                      "file:///usr/share/applications/velmora.desktop"},
        NewWindowCase{"AnSshAddressGoesNowhereUnasked", "", "", false, "ssh://example.org/"},
        NewWindowCase{"AHiddenWindowAsksNothing", "", "", false, "https://example.org/", true},
        NewWindowCase{"ACatalogueSwitchGivesNoConsent", "", "no", false, "https://example.org/",
                      false, "[MESSAGES]\r\nshowwebmessage=0\r\nShowWebMessage_yn=0\r\n"}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

QStringList warnings;

void RecordWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg)
        warnings << message;
}

// A page that asks for windows at each of the user's clicks: asked once, refused without a
// question while it is open, and refused quietly once the user said no. One click asks once,
// however many windows its script opens.
TEST_F(InformationWindowTest, APageThatKeepsAskingForWindowsIsAskedOnce)
{
    GivenPage("nagging.htm",
              "<!DOCTYPE html><html><body><a id=nag href=# style=\"display:block\" onclick=\""
              "for (var i = 0; i < 5; ++i) window.open('https://example.org/'); return false\">"
              "nag</a></body></html>");
    warnings.clear();
    const QtMessageHandler previousHandler = qInstallMessageHandler(RecordWarnings);
    QWebEnginePage& page = *info_->Browser().View().page();
    int requests = 0;
    QObject::connect(&page, &QWebEnginePage::newWindowRequested, info_,
                     [&](QWebEngineNewWindowRequest&) { ++requests; });
    int questions = 0;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, message_, [&] {
        if (!message_->isVisible())
            return;
        if (questions == 0) {
            ++questions;
            ClickPageElement(info_->Browser(), "nag");
        } else if (requests >= 2) {
            QTest::mouseClick(message_, Qt::LeftButton, {}, content_.ButtonBounds("no").center());
        }
    });
    answerer.start(20);
    Open(*info_, "nagging.htm");
    ASSERT_TRUE(ClickPageElement(info_->Browser(), "nag"));
    ASSERT_TRUE(WaitFor([&] { return requests >= 2 && !message_->isVisible(); }, 15000));
    ASSERT_TRUE(ClickPageElement(info_->Browser(), "nag"));
    ASSERT_TRUE(WaitFor([&] { return requests >= 3; }, 15000));
    // Each request is handled just after it arrives: that is over now.
    HandleEventsPostedSoFar();
    qInstallMessageHandler(previousHandler);
    EXPECT_EQ(requests, 3);
    EXPECT_EQ(questions, 1);
    EXPECT_FALSE(message_->isVisible());
    EXPECT_TRUE(content_.Dialogs.Opened.isEmpty());
    EXPECT_TRUE(warnings.filter("Recursive").isEmpty()) << warnings.join("\n").toStdString();
}

// A page's box holds no window: the window's close button closes the window and the box, and
// the closed window's page is stopped until it shows again.
TEST_F(InformationWindowTest, APagesBoxEndsWithItsWindowWhosePageStops)
{
    GivenPage("box.htm", "<!DOCTYPE html><html><body><script>function later() {"
                         " setTimeout(() => alert('boo'), 0); }</script></body></html>");
    Open(*info_, "box.htm");
    QWebEnginePage& page = *info_->Browser().View().page();
    QPointer<QMessageBox> box;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, info_, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* shown = qobject_cast<QMessageBox*>(widget); shown && shown->isVisible()) {
                box = shown;
                closer.stop();
                QTest::mouseClick(info_, Qt::LeftButton, {},
                                  content_.ButtonBounds("close_2_1").center());
            }
    });
    closer.start(10);
    page.runJavaScript("later()");
    ASSERT_TRUE(WaitFor(
        [&] { return page.lifecycleState() == QWebEnginePage::LifecycleState::Frozen; }, 8000));
    EXPECT_FALSE(info_->isVisible());
    EXPECT_TRUE(!box || !box->isVisible()) << "the box went with its window";
}

TEST_F(InformationWindowTest, ThePopUpCopiesFromTheInformationPage)
{
    GivenPage("text.htm", "<!DOCTYPE html><html><body><p>Velvet plum lacquer</p></body></html>");
    Open(*info_, "text.htm");
    info_->Browser().View().page()->runJavaScript("document.execCommand('selectAll')");
    Settle(info_->Browser());
    main_->activateWindow(); // the user's window, as after the right click into the page

    context_->TargetCode = TContextTarget::Information;
    context_->show();
    QTest::mousePress(context_, Qt::RightButton, {},
                      content_.ButtonBounds("context_copy").center());
    EXPECT_FALSE(context_->isVisible());
    EXPECT_TRUE(
        WaitFor([] { return QGuiApplication::clipboard()->text().contains("Velvet plum"); }, 5000));
}

TEST_F(InformationWindowTest, APressAnywhereHidesThePopUpAndItsBackgroundRunsNothing)
{
    Open(*info_, "about.htm");
    context_->show();
    QTest::mousePress(main_->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(context_->isVisible());

    content_.Dialogs.SaveFileName = content_.Path("saved.html");
    context_->TargetCode = TContextTarget::Information;
    context_->show();
    QTest::mousePress(context_, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_FALSE(context_->isVisible());
    EXPECT_FALSE(QFile::exists(content_.Dialogs.SaveFileName));
}

TEST_F(InformationWindowTest, SavingReplacesAnExistingFileWithThePageSource)
{
    Open(*info_, "about.htm");
    const QString target = content_.Path("saved.html");
    TestFiles::Write(target, "old contents");
    content_.Dialogs.SaveFileName = target;
    info_->PageCommand(TPageCommand::Save);
    EXPECT_EQ(TestFiles::Read(target), TestFiles::Read(content_.Path("html/about.htm")));
    EXPECT_TRUE(content_.Dialogs.Messages.isEmpty());
}

TEST_F(InformationWindowTest, AFailedSaveSaysSoAndKeepsTheOldFile)
{
    Open(*info_, "about.htm");
    const QString target = content_.Path("saved.html");
    TestFiles::Write(target, "old");
    {
        const FileSizeLimit diskFull(8);
        info_->PageCommands().SaveHtmlSource(target);
    }
    EXPECT_EQ(content_.Dialogs.Messages,
              QStringList{"Error: Fail to save HTML source: File too large"});
    EXPECT_EQ(TestFiles::Read(target), "old");
}

TEST_F(InformationWindowTest, AFileThatCannotBeCreatedIsReportedAndNothingWritten)
{
    Open(*info_, "about.htm");
    const QString target = content_.Path("no-such-folder/saved.html");
    info_->PageCommands().SaveHtmlSource(target);
    ASSERT_EQ(content_.Dialogs.Errors.size(), 1);
    EXPECT_TRUE(content_.Dialogs.Errors.front().endsWith(". No such file or directory"))
        << content_.Dialogs.Errors.front().toStdString();
    EXPECT_FALSE(QFile::exists(target));
}

// A whole PDF document has been written into the file.
bool PrintedInto(const QString& path)
{
    const QByteArray pdf =
        QFile::exists(path) ? QByteArray::fromStdString(TestFiles::Read(path)) : QByteArray();
    return pdf.startsWith("%PDF") && pdf.trimmed().endsWith("%%EOF");
}

TEST_F(InformationWindowTest, PrintingPrintsOnlyWhatThePrintDialogLetsUnderThePagesOwnTitle)
{
    info_->setAccessibleName("About"); // what a screen reader hears as the document's name
    GivenPage("titled.htm", "<title>Our story</title><p>text</p>");
    Open(*info_, "titled.htm");
    info_->PageCommand(TPageCommand::Print); // the dialog is cancelled
    content_.Dialogs.PrintFile = content_.Path("after.pdf");
    info_->PageCommand(TPageCommand::Print);
    // Prints finish in order: once the later one is out, the cancelled one would be too.
    ASSERT_TRUE(WaitFor([&] { return PrintedInto(content_.Path("after.pdf")); }, 10000));
    EXPECT_EQ(QDir(content_.Path("")).entryList({"*.pdf"}, QDir::Files), QStringList{"after.pdf"});
    QPdfDocument printed;
    printed.load(content_.Path("after.pdf"));
    EXPECT_TRUE(printed.getAllText(0).text().contains("Our story"))
        << printed.getAllText(0).text().toStdString();
}

TEST_F(InformationWindowTest, APrinterThatFailsIsTold)
{
    Open(*info_, "about.htm");
    content_.Dialogs.PrintFile = content_.Path("no such folder/page.pdf");
    info_->PageCommand(TPageCommand::Print);
    ASSERT_TRUE(WaitFor([&] { return !content_.Dialogs.Errors.isEmpty(); }, 10000));
    EXPECT_TRUE(content_.Dialogs.Errors.front().contains("no such folder/page.pdf"))
        << content_.Dialogs.Errors.front().toStdString();
}

TEST_F(InformationWindowTest, HidingAndShowingAgainStartsFromTheTop)
{
    GivenPage("page.htm", LongPage(true));
    Open(*info_, "page.htm");
    SendKey(Qt::Key_End);
    Settle(info_->Browser());
    main_->HideBrowserWindows();
    EXPECT_FALSE(info_->isVisible());
    EXPECT_EQ(info_->ScrollBar().GetPosition(), 0);
    Open(*info_, "page.htm");
    EXPECT_EQ(ScrollOf(info_->Browser()).Position, 0);
}

} // namespace
