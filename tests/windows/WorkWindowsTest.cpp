#include "ContentPath.h"
#include "EventWait.h"
#include "Filters.h"
#include "Win1251.h"
#include "WindowsFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

constexpr QRect kLargePictureRect(135, 73, 579, 434);

class WorkWindowsTest : public BrowserWindowFixture {
protected:
    // Count works of the catalogue by name, from the first one on, become the Selection.
    void SelectWorks(size_t count, size_t first = 0)
    {
        const TVelmoraDataArray all = SelectAllWorks(main_->Works);
        main_->Selection.assign(all.begin() + std::ptrdiff_t(first),
                                all.begin() + std::ptrdiff_t(first + count));
    }

    // The file of a work of the catalogue by name.
    std::string FileOf(size_t work) const { return SelectAllWorks(main_->Works)[work].FileName; }
    QString WorkPageOf(size_t work) const { return Win1251::ToUnicode(FileOf(work)) + ".htm"; }

    QString PageOf(int index) const
    {
        return Win1251::ToUnicode(main_->Selection[size_t(index)].FileName) + ".htm";
    }

    // The colour of a point of a window as it paints itself.
    static QRgb PixelOf(QWidget& window, QPoint point)
    {
        return window.grab().toImage().pixel(point);
    }
};

struct StepCase {
    const char* name;
    size_t works;
    int from;
    const char* button;
    size_t to; // the work stepped to, in the catalogue by name
    // A result that replaces the Selection before the step: its first work and its size.
    size_t newFirst = 0;
    size_t newCount = 0;
};

class Steps : public WorkWindowsTest, public testing::WithParamInterface<StepCase> {};

TEST_P(Steps, WalkTheSelectionWithWrapAround)
{
    SelectWorks(GetParam().works);
    OpenWork(largePicture_, GetParam().from);
    ASSERT_EQ(largePicture_->CurrentIndex, GetParam().from);
    if (GetParam().newCount > 0)
        SelectWorks(GetParam().newCount, GetParam().newFirst);
    Click(*largePicture_, GetParam().button);
    EXPECT_EQ(largePicture_->ShownWork()->FileName, FileOf(GetParam().to));
    EXPECT_TRUE(largePicture_->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Table, Steps,
    testing::Values(
        StepCase{"NextSteps", 3, 0, "L1param_3", 1},
        StepCase{"PreviousSteps", 3, 2, "L1param_2", 1},
        StepCase{"NextFromTheLastWrapsToTheFirst", 3, 2, "L1param_3", 0},
        StepCase{"PreviousFromTheFirstWrapsToTheLast", 3, 0, "L1param_2", 2},
        StepCase{"NextWithOneWorkStays", 1, 0, "L1param_3", 0},
        StepCase{"PreviousWithOneWorkStays", 1, 0, "L1param_2", 0},
        StepCase{"NextInAResultHoldingTheWorkGoesOnFromItsPlaceThere", 5, 3, "L1param_3", 1, 1, 3},
        StepCase{"PreviousInAResultWithoutTheWorkWalksTheSetItCameFrom", 5, 4, "L1param_2", 3, 0,
                 2},
        StepCase{"NextInAnEmptyResultWalksTheSetItCameFrom", 2, 1, "L1param_3", 0, 0, 0}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST_F(WorkWindowsTest, AThumbnailOpensTheWorkPageWithItsPageAndPicture)
{
    const QRgb frameOnly = PixelOf(*workPage_, QPoint(600, 300));
    QTest::mouseClick(main_, Qt::LeftButton, {}, kSignPoints[0].Inside);
    WaitForPage(*catalogue_, "sortresult.htm");
    catalogue_->Browser().View().page()->runJavaScript(QStringLiteral("document.links[3].click()"));
    ASSERT_TRUE(WaitFor([&] { return workPage_->isVisible(); }, 10000));
    EXPECT_EQ(workPage_->CurrentIndex, 3);
    WaitForPage(*workPage_, PageOf(3));
    EXPECT_NE(PixelOf(*workPage_, QPoint(600, 300)), frameOnly) << "no picture drawn";
    EXPECT_EQ(catalogue_->Browser().Url().fileName(), "sortresult.htm");
}

// A page that a window covers whole is not composed with the screen: it stands beyond its
// window's edge, still shown to the engine, which would otherwise strand a frame it was handing
// the page. Its window keeps it, and it is back before the window over it has gone.
TEST_F(WorkWindowsTest, ACataloguePageCoveredWholeLeavesTheScreenUntilUncovered)
{
    QTest::mouseClick(main_, Qt::LeftButton, {}, kSignPoints[0].Inside);
    WaitForPage(*catalogue_, "sortresult.htm");
    const QWidget& cataloguePage = catalogue_->Browser().View();
    const QRect place = cataloguePage.geometry();
    const auto composed = [&] { return catalogue_->rect().intersects(cataloguePage.geometry()); };
    SelectWorks(1);
    OpenWork(workPage_, 0);
    WaitForPage(*workPage_, PageOf(0));
    EXPECT_TRUE(WaitFor([&] { return !composed(); }, 5000)) << "still composed";
    EXPECT_TRUE(cataloguePage.isVisible()) << "hidden from the engine";
    EXPECT_TRUE(catalogue_->Browser().IsVisible());

    workPage_->move(workPage_->pos() + QPoint(1, 0));
    EXPECT_EQ(cataloguePage.geometry(), place) << "a strip of the page shows, but not the page";
    workPage_->move(workPage_->pos() - QPoint(1, 0));
    EXPECT_TRUE(WaitFor([&] { return !composed(); }, 5000)) << "covered again";

    Click(*workPage_, "close_2_1");
    EXPECT_EQ(cataloguePage.geometry(), place) << "not back as the window over it went";
    EXPECT_EQ(catalogue_->Browser().Url().fileName(), "sortresult.htm");
}

TEST_F(WorkWindowsTest, BackAfterSteppingShowsTheLastViewedWorkOnTheWorkPage)
{
    SelectWorks(4);
    OpenWork(workPage_, 1);
    WaitForPage(*workPage_, PageOf(1));
    Click(*workPage_, "L2param_1");
    ASSERT_TRUE(largePicture_->isVisible());
    EXPECT_EQ(largePicture_->CurrentIndex, 1);
    Click(*largePicture_, "L1param_3");
    Click(*largePicture_, "L1param_3");
    Click(*largePicture_, "L1param_1");
    EXPECT_FALSE(largePicture_->isVisible());
    EXPECT_TRUE(workPage_->isVisible());
    EXPECT_EQ(workPage_->CurrentIndex, 3);
    WaitForPage(*workPage_, PageOf(3));
}

TEST_F(WorkWindowsTest, ClosingTheLargePictureAfterAStepLeavesTheWorkPageOnTheSteppedWork)
{
    SelectWorks(3);
    OpenWork(workPage_, 0);
    WaitForPage(*workPage_, PageOf(0));
    Click(*workPage_, "L2param_1");
    Click(*largePicture_, "L1param_3");
    Click(*largePicture_, "close_2_1");
    EXPECT_FALSE(largePicture_->isVisible());
    EXPECT_TRUE(workPage_->isVisible());
    EXPECT_EQ(workPage_->CurrentIndex, 1);
    WaitForPage(*workPage_, PageOf(1));
}

TEST_F(WorkWindowsTest, AMissingPictureLeavesTheFrameShowing)
{
    SelectWorks(2);
    const QRgb frameOnly = PixelOf(*largePicture_, kLargePictureRect.center());
    ASSERT_TRUE(
        content_.Remove("images/big/" + Win1251::ToUnicode(main_->Selection[1].FileName) + ".jpg"));
    OpenWork(largePicture_, 0);
    EXPECT_NE(PixelOf(*largePicture_, kLargePictureRect.center()), frameOnly);
    Click(*largePicture_, "L1param_3");
    EXPECT_EQ(largePicture_->CurrentIndex, 1);
    EXPECT_EQ(PixelOf(*largePicture_, kLargePictureRect.center()), frameOnly);
}

// A result replaced under the work windows, without the shown work and then with it elsewhere:
// every button acts on the work the windows show, never on the one at its place in the result.
TEST_F(WorkWindowsTest, AResultReplacedUnderTheWorkWindowsLeavesEveryButtonOnTheShownWork)
{
    SelectWorks(5);
    OpenWork(workPage_, 3);
    WaitForPage(*workPage_, WorkPageOf(3));
    SelectWorks(5, 5);
    Click(*workPage_, "L2param_1");
    EXPECT_EQ(largePicture_->ShownWork()->FileName, FileOf(3));
    Click(*largePicture_, "L1param_3");
    EXPECT_EQ(largePicture_->ShownWork()->FileName, FileOf(4));
    largePicture_->setFocus();
    SendKey(Qt::Key_Escape);
    EXPECT_FALSE(largePicture_->isVisible());
    WaitForPage(*workPage_, WorkPageOf(4)); // the work page took the step beneath

    main_->Selection.clear();
    Click(*workPage_, "L2param_1");
    Click(*largePicture_, "L1param_3");
    Click(*largePicture_, "L1param_1");
    EXPECT_EQ(workPage_->ShownWork()->FileName, FileOf(0));
}

// Each window's pop-up acts on the page under it, whatever another window has selected.
TEST_F(WorkWindowsTest, ThePopUpOverTheWorkPageCopiesFromTheWorkPage)
{
    QTest::mouseClick(main_, Qt::LeftButton, {}, kSignPoints[0].Inside);
    WaitForPage(*catalogue_, "sortresult.htm");
    catalogue_->Browser().View().page()->runJavaScript("document.execCommand('selectAll')");
    Settle(catalogue_->Browser());
    GivenPage(PageOf(0), "<!DOCTYPE html><html><body><p>Velvet plum lacquer</p></body></html>");
    OpenWork(workPage_, 0);
    WaitForPage(*workPage_, PageOf(0));
    workPage_->Browser().View().page()->runJavaScript("document.execCommand('selectAll')");
    Settle(workPage_->Browser());

    // The engine asks for its context menu over the work page.
    workPage_->Browser().ShowContextMenu(workPage_->mapToGlobal(QPoint(200, 200)));
    ASSERT_TRUE(context_->isVisible());
    EXPECT_EQ(context_->TargetCode, TContextTarget::WorkPage);
    main_->activateWindow();
    QTest::mousePress(context_, Qt::LeftButton, {}, content_.ButtonBounds("context_copy").center());
    EXPECT_TRUE(
        WaitFor([] { return QGuiApplication::clipboard()->text().contains("Velvet plum"); }, 5000))
        << "the clipboard holds " << QGuiApplication::clipboard()->text().left(80).toStdString();
}

// The large picture's page is never seen: there is nothing for a pop-up to act on.
TEST_F(WorkWindowsTest, TheLargePictureOffersNoPopUp)
{
    SelectWorks(1);
    OpenWork(largePicture_, 0);
    largePicture_->Browser().ShowContextMenu(largePicture_->mapToGlobal(QPoint(200, 200)));
    EXPECT_FALSE(context_->isVisible());
    EXPECT_FALSE(largePicture_->OffersPageCommands());
}

struct LinkCase {
    const char* name;
    int index;
};

class OutOfRangeLinks : public WorkWindowsTest, public testing::WithParamInterface<LinkCase> {};

TEST_P(OutOfRangeLinks, OpenNothing)
{
    SelectWorks(5);
    OpenWork(workPage_, GetParam().index);
    OpenWork(largePicture_, GetParam().index);
    EXPECT_FALSE(workPage_->isVisible());
    EXPECT_FALSE(largePicture_->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Table, OutOfRangeLinks,
                         testing::Values(LinkCase{"JustPastTheEnd", 5},
                                         LinkCase{"FarPastTheEnd", 1000000},
                                         LinkCase{"Negative", -1}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
