#include "EventWait.h"
#include "ProfileFile.h"
#include "SearchEdit.h"
#include "Win1251.h"
#include "WindowsFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QWebEngineView>

#include <gtest/gtest.h>

namespace {

constexpr int kAllWorks = 0;
constexpr int kColours = 3;
// More presses than any window has controls.
constexpr int kMostPresses = 60;

// The windows without a mouse: the keys a user presses, through the screen window as the
// keyboard gives them, and what a screen reader is told is under the focus mark.
class KeyboardTest : public BrowserWindowFixture {
protected:
    KeyboardTest()
    {
        main_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(main_));
    }

    // The name of the control under the focus mark of a window that has the focus. With the
    // focus in a page there is no mark, and the engine's own accessibility objects are not ours
    // to ask.
    static QString Marked(QWidget& window)
    {
        const QWidget* focus = QApplication::focusWidget();
        if (focus && focus != &window && window.isAncestorOf(focus))
            return {};
        QAccessibleInterface* windowInterface = QAccessible::queryAccessibleInterface(&window);
        QAccessibleInterface* focused = windowInterface->focusChild();
        if (!focused || focused == windowInterface || !focused->state().focused)
            return {};
        return focused->text(QAccessible::Name);
    }

    // Tab until the mark is on the control with that skin section.
    void TabTo(QWidget& window, std::string_view section)
    {
        const QString title = TitleOf(section);
        for (int press = 0; press < kMostPresses && Marked(window) != title; ++press)
            SendKey(Qt::Key_Tab);
        ASSERT_EQ(Marked(window), title) << section;
    }

    void OpenByKeyboard(int group)
    {
        TabTo(*main_, kSignPoints[group].Section);
        SendKey(Qt::Key_Return);
        ASSERT_TRUE(catalogue_->isVisible());
        ASSERT_TRUE(catalogue_->hasFocus());
    }

    static bool FocusIn(const QWidget& widget)
    {
        const QWidget* focus = QApplication::focusWidget();
        return focus == &widget || widget.isAncestorOf(focus);
    }
};

TEST_F(KeyboardTest, EnterOnASignOpensTheCatalogueOnItsGroupWhichTakesTheKeys)
{
    OpenByKeyboard(kColours);

    EXPECT_EQ(catalogue_->CurrentGroup, kColours);
    EXPECT_TRUE(catalogue_->PanelShown);
    // The window came with the focus, and no mark until the user moves it.
    EXPECT_EQ(Marked(*catalogue_), QString());
}

TEST_F(KeyboardTest, SpaceOnASwitchTurnsItOnAndEnterOnShowListsItsWorks)
{
    OpenByKeyboard(kColours);
    TabTo(*catalogue_, "filtr_3_4");
    SendKey(Qt::Key_Space);
    EXPECT_TRUE(catalogue_->Switches(kColours)[3].GetOn());
    EXPECT_EQ(ProfileFile(content_.Path("settings.ini")).ReadInteger("param4", "param4", -1), 1);

    TabTo(*catalogue_, "button_show");
    SendKey(Qt::Key_Return);
    ASSERT_TRUE(WaitFor([&] { return !catalogue_->PagePending; }, 15000));
    WaitForPage(*catalogue_, "sortresult.htm");
    EXPECT_FALSE(main_->Selection.empty());
}

TEST_F(KeyboardTest, ArrowsMoveTheMarkRoundItsGroupAndLeaveThePageAlone)
{
    OpenByKeyboard(kAllWorks);
    WaitForPage(*catalogue_, "sortresult.htm");
    TabTo(*catalogue_, "param_1");

    SendKey(Qt::Key_Down);
    EXPECT_EQ(Marked(*catalogue_), TitleOf("param_2"));
    EXPECT_EQ(ScrollOf(catalogue_->Browser()).Position, 0);
    SendKey(Qt::Key_Up);
    SendKey(Qt::Key_Left);
    EXPECT_EQ(Marked(*catalogue_), TitleOf("param_7"));
    SendKey(Qt::Key_Right);
    EXPECT_EQ(Marked(*catalogue_), TitleOf("param_1"));

    // The close button comes first; before it, the page, where the arrows step it again.
    SendKey(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Marked(*catalogue_), TitleOf("close_2_1"));
    SendKey(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_TRUE(FocusIn(catalogue_->Browser().View()));
    EXPECT_EQ(Marked(*catalogue_), QString());
    SendKey(Qt::Key_Down);
    EXPECT_TRUE(WaitFor([&] { return ScrollOf(catalogue_->Browser()).Position > 0; }, 15000));
}

TEST_F(KeyboardTest, EscapeClosesTheWindowAndTheFocusGoesBackToTheMarkThatOpenedIt)
{
    OpenByKeyboard(kColours);
    SendKey(Qt::Key_Escape);

    EXPECT_FALSE(catalogue_->isVisible());
    EXPECT_TRUE(main_->hasFocus());
    EXPECT_EQ(Marked(*main_), TitleOf(kSignPoints[kColours].Section));
}

// The search window opens with the typing in its edit; then its controls, its two pages where
// they have something to focus, its edit, and round again; the keys never leave the window.
TEST_F(KeyboardTest, TheSearchOpensOnItsEditAndTabGoesThroughTheControlsThePagesAndTheEdit)
{
    TabTo(*main_, "quest");
    SendKey(Qt::Key_Return);
    ASSERT_TRUE(search_->SearchEdit().hasFocus());
    SendKey(Qt::Key_V);
    EXPECT_EQ(search_->SearchEdit().text(), "v");
    search_->SearchEdit().clear();
    SendKey(Qt::Key_Tab);
    ASSERT_TRUE(search_->hasFocus());
    ASSERT_TRUE(WaitFor(
        [&] {
            return search_->Browser().IsVisible() && search_->HistoryBrowser().IsVisible() &&
                   search_->Browser().HasDocument() && search_->HistoryBrowser().HasDocument();
        },
        15000));
    Settle(search_->Browser());
    Settle(search_->HistoryBrowser());
    int controls = 0;
    for (; controls < kMostPresses && search_->hasFocus(); ++controls)
        SendKey(Qt::Key_Tab);
    EXPECT_GT(controls, 1);
    // The placeholder pages have nothing to focus: Tab passes them by.
    ASSERT_TRUE(search_->SearchEdit().hasFocus());
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(&search_->SearchEdit())->text(QAccessible::Name),
        "Text to search for");

    SendKey(Qt::Key_Tab);
    EXPECT_TRUE(search_->hasFocus());
    EXPECT_FALSE(Marked(*search_).isEmpty());
    SendKey(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(search_->SearchEdit().hasFocus());

    // A search's pages have links: Shift+Tab reaches the history, then the results.
    search_->SearchEdit().setText(QStringLiteral("роза"));
    SendKey(Qt::Key_Return);
    WaitForPage(*search_, "searchresult.htm");
    // The history's page may come after the results' page.
    WaitForPage(search_->HistoryBrowser(), "historyresult.htm");
    SendKey(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_TRUE(WaitFor([&] { return FocusIn(search_->HistoryBrowser().View()); }, 15000));
}

// The pop-up never takes the focus from the page; the keys pressed while it shows are its own.
TEST_F(KeyboardTest, ThePopUpTakesTheKeysWhileItShowsAndCopiesFromItsPage)
{
    OpenByKeyboard(kAllWorks);
    WaitForPage(*catalogue_, "sortresult.htm");
    catalogue_->Browser().View().page()->runJavaScript("document.execCommand('selectAll')");
    Settle(catalogue_->Browser());
    context_->TargetCode = TContextTarget::Catalogue;
    context_->show();

    SendKey(Qt::Key_Down);
    EXPECT_EQ(Marked(*context_), TitleOf("context_save"));
    SendKey(Qt::Key_Up);
    EXPECT_EQ(Marked(*context_), TitleOf("context_copy"));
    SendKey(Qt::Key_Escape);
    EXPECT_FALSE(context_->isVisible());
    EXPECT_TRUE(catalogue_->isVisible());

    // It opens again without a mark; Shift+Tab goes round to the last command, copy.
    QGuiApplication::clipboard()->clear();
    context_->show();
    main_->activateWindow(); // the user's window, as after the menu key in the page
    EXPECT_EQ(Marked(*context_), QString());
    SendKey(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Marked(*context_), TitleOf("context_copy"));
    SendKey(Qt::Key_Return);
    EXPECT_FALSE(context_->isVisible());
    ASSERT_FALSE(main_->Selection.empty());
    const QString firstCard = Win1251::ToUnicode(main_->Selection.front().Name);
    EXPECT_TRUE(
        WaitFor([&] { return QGuiApplication::clipboard()->text().contains(firstCard); }, 15000));
}

} // namespace
