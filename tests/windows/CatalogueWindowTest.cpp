#include "EventWait.h"
#include "Filters.h"
#include "PageAddresses.h"
#include "ProfileFile.h"
#include "SortResultPage.h"
#include "TestFiles.h"
#include "WindowsFixture.h"
#include "WorkBuilder.h"

#include <QDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

class CatalogueWindowTest : public BrowserWindowFixture {
protected:
    // The tab of group g and switch k of group g, as buttons.ini names them.
    static std::string Tab(int group) { return "param_" + std::to_string(group + 1); }
    static std::string Switch(int group, size_t k)
    {
        return "filtr_" + std::to_string(group) + "_" + std::to_string(k + 1);
    }

    TFilterFlags FlagsOf(int group) const
    {
        TFilterFlags flags;
        for (const TButtonEx& button : catalogue_->Switches(group))
            flags.push_back(button.GetOn());
        return flags;
    }

    int StoredSwitch(int group, size_t k) const
    {
        return ProfileFile(content_.Path("settings.ini"))
            .ReadInteger("param" + std::to_string(group + 1), "param" + std::to_string(k + 1), -1);
    }

    // Presses the show button and waits for the page it asked for.
    void ShowResult()
    {
        Click(*catalogue_, "button_show");
        ASSERT_TRUE(WaitFor([&] { return !catalogue_->PagePending; }, 15000));
        WaitForPage(*catalogue_, ExpectedPage());
    }

    QString ExpectedPage() const
    {
        return main_->Selection.empty() ? "filter1.htm" : "sortresult.htm";
    }
};

struct SignCase {
    const char* name;
    int group;
};

class Signs : public CatalogueWindowTest, public testing::WithParamInterface<SignCase> {};

// Settings switch the first filter of every group on, so every group lists something.
TEST_P(Signs, OpenTheCatalogueOnTheirGroupWithItsPanel)
{
    std::string settings = "[SETTINGS]\r\nallparamcount=7\r\n";
    for (int group = 1; group < kFilterGroupCount; ++group)
        settings += "[param" + std::to_string(group + 1) + "]\r\nparamcount=1\r\nparam1=1\r\n";
    content_.WriteSettings(settings);
    catalogue_->LoadSettings();
    const int group = GetParam().group;
    QTest::mouseClick(main_, Qt::LeftButton, {}, kSignPoints[group].Inside);
    ASSERT_TRUE(catalogue_->isVisible());
    EXPECT_EQ(catalogue_->CurrentGroup, group);
    EXPECT_EQ(catalogue_->PanelShown, group != 0);
    EXPECT_EQ(FileNames(main_->Selection),
              FileNames(SelectFilterGroup(main_->Works, group, FlagsOf(group))));
    EXPECT_FALSE(main_->Selection.empty());
    WaitForPage(*catalogue_, "sortresult.htm");
    EXPECT_EQ(TestFiles::Read(content_.Path("html/sortresult.htm")),
              SortResultPage(main_->Selection, TPageAddresses(main_->ContentDir)));
}

INSTANTIATE_TEST_SUITE_P(Table, Signs,
                         testing::Values(SignCase{"AllWorksWithoutThePanel", 0},
                                         SignCase{"Complexity", 1}, SignCase{"Time", 2},
                                         SignCase{"Colour", 3}, SignCase{"Theme", 4},
                                         SignCase{"Materials", 5}, SignCase{"Mood", 6}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

struct FilterCase {
    const char* name;
    int group;
    std::vector<size_t> switches; // clicked on, in this order
};

class Filters : public CatalogueWindowTest, public testing::WithParamInterface<FilterCase> {};

TEST_P(Filters, ListTheWorksOfTheSwitchedOnFiltersOfTheirGroupOnly)
{
    catalogue_->show();
    // Another group's switch stays on and plays no part.
    Click(*catalogue_, Tab(6));
    Click(*catalogue_, Switch(6, 0));
    Click(*catalogue_, Tab(GetParam().group));
    for (const size_t k : GetParam().switches)
        Click(*catalogue_, Switch(GetParam().group, k));
    ShowResult();
    TFilterFlags expected(kFilterFlagCounts[size_t(GetParam().group)], false);
    for (const size_t k : GetParam().switches)
        expected[k] = !expected[k];
    EXPECT_EQ(FlagsOf(GetParam().group), expected);
    EXPECT_EQ(FileNames(main_->Selection),
              FileNames(SelectFilterGroup(main_->Works, GetParam().group, expected)));
    EXPECT_TRUE(catalogue_->PanelShown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Filters,
    testing::Values(FilterCase{"NoSwitchOnFindsNothing", 3, {}},
                    FilterCase{"OneComplexity", 1, {2}}, FilterCase{"TwoTimeBands", 2, {0, 4}},
                    FilterCase{"OneColour", 3, {3}},
                    FilterCase{"EveryMaterial", 5, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
                    FilterCase{"ASwitchClickedTwiceIsOffAgain", 4, {1, 1}}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST_F(CatalogueWindowTest, TabZeroHidesThePanelAndShowListsAllWorksByName)
{
    catalogue_->show();
    Click(*catalogue_, Tab(3));
    EXPECT_TRUE(catalogue_->PanelShown);
    Click(*catalogue_, Tab(0));
    EXPECT_FALSE(catalogue_->PanelShown);
    EXPECT_EQ(catalogue_->CurrentGroup, 0);
    ShowResult();
    EXPECT_EQ(FileNames(main_->Selection), FileNames(SelectAllWorks(main_->Works)));
    EXPECT_EQ(main_->Selection.size(), main_->Works.size());
}

TEST_F(CatalogueWindowTest, TheAllButtonSwitchesTheGroupOnAndStoresItWithoutAPage)
{
    catalogue_->show();
    Click(*catalogue_, Tab(5));
    Click(*catalogue_, "button_all");
    EXPECT_EQ(FlagsOf(5), TFilterFlags(kFilterFlagCounts[5], true));
    for (size_t k = 0; k < kFilterFlagCounts[5]; ++k)
        EXPECT_EQ(StoredSwitch(5, k), 1) << "switch " << k;
    EXPECT_TRUE(main_->Selection.empty());
    EXPECT_FALSE(QFile::exists(content_.Path("html/sortresult.htm"))) << "a page was made";
    EXPECT_FALSE(catalogue_->PagePending);
}

TEST_F(CatalogueWindowTest, SwitchesAreStoredAtTheReleaseAndComeBackInANewWindow)
{
    catalogue_->show();
    Click(*catalogue_, Tab(3));
    Click(*catalogue_, Switch(3, 16));
    Click(*catalogue_, Tab(2));
    Click(*catalogue_, Switch(2, 4));
    EXPECT_EQ(StoredSwitch(3, 16), 1);
    EXPECT_EQ(StoredSwitch(2, 4), 1);
    EXPECT_EQ(StoredSwitch(2, 0), -1) << "a switch left as it was is not written";
    // The next run's window.
    const std::unique_ptr<TfChHtmlView> restarted =
        std::make_unique<TSealed<TfChHtmlView>>(program_->HostOf(0));
    for (int group = 0; group < kFilterGroupCount; ++group) {
        for (size_t k = 0; k < kFilterFlagCounts[size_t(group)]; ++k) {
            const bool on = (group == 3 && k == 16) || (group == 2 && k == 4);
            EXPECT_EQ(restarted->Switches(group)[k].GetOn(), on) << group << " " << k;
            EXPECT_EQ(restarted->Switches(group)[k].GetState(),
                      on ? ButtonState::Active : ButtonState::Up);
        }
    }
}

TEST_F(CatalogueWindowTest, ASettingsFileThatCannotBeWrittenIsToldAndTheReleaseGoesOn)
{
    ASSERT_TRUE(content_.Remove("settings.ini") || !QFile::exists(content_.Path("settings.ini")));
    ASSERT_TRUE(QDir().mkpath(content_.Path("settings.ini")));
    catalogue_->show();
    Click(*catalogue_, Tab(1));
    EXPECT_TRUE(content_.Dialogs.Errors.isEmpty())
        << "a release that changed nothing writes nothing";
    Click(*catalogue_, Switch(1, 0));
    ASSERT_FALSE(content_.Dialogs.Errors.isEmpty());
    EXPECT_TRUE(content_.Dialogs.Errors.last().contains("settings.ini"))
        << content_.Dialogs.Errors.last().toStdString();
    EXPECT_TRUE(FlagsOf(1)[0]) << "the switch is on although it could not be stored";
    Click(*catalogue_, Tab(0));
    EXPECT_EQ(catalogue_->CurrentGroup, 0);
    ShowResult();
    EXPECT_EQ(main_->Selection.size(), main_->Works.size());
}

TEST_F(CatalogueWindowTest, AResultPageThatCannotBeWrittenIsToldAndShownFromTheDocument)
{
    ASSERT_TRUE(QDir().mkpath(content_.Path("html/sortresult.htm")));
    catalogue_->show();
    WaitForPage(*catalogue_, "notfound.html");
    Click(*catalogue_, "button_show");
    ASSERT_FALSE(content_.Dialogs.Errors.isEmpty());
    EXPECT_TRUE(content_.Dialogs.Errors.last().contains("sortresult.htm"))
        << content_.Dialogs.Errors.last().toStdString();
    EXPECT_FALSE(catalogue_->PagePending) << "no page is on its way";
    const std::string page = SortResultPage(main_->Selection, TPageAddresses(main_->ContentDir));
    const QString saved = content_.Path("saved.htm");
    ASSERT_TRUE(WaitFor(
        [&] {
            return catalogue_->Browser().SaveSource(saved).Ok() && TestFiles::Read(saved) == page;
        },
        15000))
        << "the page is not in the document";
    ASSERT_TRUE(WaitFor([&] { return catalogue_->ScrollBar().IsVisible(); }, 5000))
        << "the bar did not take the written page's range";
}

TEST_F(CatalogueWindowTest, AScrollClickWhileAResultIsLoadingDoesNotScroll)
{
    catalogue_->show();
    ShowResult();
    ASSERT_TRUE(catalogue_->ScrollBar().IsVisible());
    catalogue_->PagePending = true;
    QTest::mouseClick(catalogue_, Qt::LeftButton, {}, DownArrow());
    Settle(catalogue_->Browser());
    EXPECT_EQ(ScrollOf(catalogue_->Browser()).Position, 0);
    catalogue_->PagePending = false;
    QTest::mouseClick(catalogue_, Qt::LeftButton, {}, DownArrow());
    EXPECT_TRUE(WaitFor([&] { return ScrollOf(catalogue_->Browser()).Position > 0; }, 5000));
}

TEST_F(CatalogueWindowTest, AWorkLinkInTheInformationPageBringsTheCatalogueAsItStands)
{
    catalogue_->show();
    ShowResult();
    Open(*info_, "about.htm");
    info_->raise();
    info_->Browser().View().page()->runJavaScript(QStringLiteral("location.href = '%3C%3C0'"));
    ASSERT_TRUE(WaitFor(
        [&] { return main_->children().indexOf(catalogue_) > main_->children().indexOf(info_); },
        10000))
        << "the catalogue did not come to the front";
    EXPECT_TRUE(info_->isVisible());
    EXPECT_EQ(catalogue_->Browser().Url().fileName(), "sortresult.htm");
}

} // namespace
