#include "CatalogueLoader.h"

#include "Catalogue.h"
#include "TestFiles.h"
#include "WorkBuilder.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

using Names = std::vector<std::string>;

class CatalogueLoading : public testing::Test {
protected:
    void GivenIndex(std::string_view utf8)
    {
        TestFiles::Write(Path("velmora.ini"), Win1251::FromUtf8(utf8));
    }
    void GivenText(std::string_view stem, std::string_view bytes)
    {
        TestFiles::Write(Path("html/" + std::string(stem) + ".htm.txt"), bytes);
    }
    QString Path(const std::string& relative) const
    {
        return dir_.filePath(QString::fromStdString(relative));
    }
    TVelmoraDataArray LoadAuthor(std::string_view id)
    {
        TVelmoraDataArray works;
        LoadAuthorWorks(dir_.path(), id, "Author", works);
        return works;
    }

    TestFiles::TContentFolder dir_;
};

TEST_F(CatalogueLoading, ReadsEveryFieldOfAWork)
{
    GivenIndex("[settings]\r\nmiracount=1\r\n[mira-1]\r\nname=Лунный сад\r\ntime=45\r\n"
               "complicate=средняя\r\nmaterials=стразы, глиттер\r\ntemper=нежный\r\n"
               "color=светло-голубой, белый\r\ntheme=цветы\r\n");
    GivenText("mira-1", "first\r\nsecond\r\n");
    TVelmoraDataArray works;
    LoadAuthorWorks(dir_.path(), "mira", "Mira Tallis", works);
    ASSERT_EQ(works.size(), 1u);
    const TVelmoraData& work = works[0];
    EXPECT_EQ(work.Author, "Mira Tallis");
    EXPECT_EQ(work.FileName, "mira-1");
    EXPECT_EQ(work.Name, Win1251::FromUtf8("Лунный сад"));
    EXPECT_EQ(work.Time, 45);
    EXPECT_EQ(work.Complicate, Win1251::FromUtf8("средняя"));
    EXPECT_EQ(work.Materials, Win1251::FromUtf8("стразы, глиттер"));
    EXPECT_EQ(work.Temper, Win1251::FromUtf8("нежный"));
    EXPECT_EQ(work.Color, Win1251::FromUtf8("светло-голубой, белый"));
    EXPECT_EQ(work.Theme, Win1251::FromUtf8("цветы"));
    EXPECT_EQ(*work.Text, (TStringList{"first", "second"}));
}

TEST_F(CatalogueLoading, MissingKeysReadAsHyphenAndBadTimeAsZero)
{
    GivenIndex(
        "[settings]\r\nvesnacount=2\r\n[vesna-1]\r\ntime=soon\r\n[VESNA-2]\r\nName=Second\r\n");
    GivenText("vesna-1", "");
    GivenText("vesna-2", "");
    const TVelmoraDataArray works = LoadAuthor("vesna");
    ASSERT_EQ(works.size(), 2u);
    EXPECT_EQ(works[0].Name, "-");
    EXPECT_EQ(works[0].Time, 0);
    EXPECT_EQ(works[0].Color, "-");
    EXPECT_EQ(works[0].Theme, "-");
    EXPECT_EQ(works[1].Name, "Second") << "section and key names ignore case";
    EXPECT_EQ(works[1].Time, 0) << "a missing time reads as \"-\", which is no number";
}

struct CountCase {
    const char* name;
    const char* settings;
    size_t expected;
};

class AuthorCounts : public CatalogueLoading, public testing::WithParamInterface<CountCase> {};

TEST_P(AuthorCounts, OnlyAPositiveCountLoadsWorks)
{
    GivenIndex(std::string("[settings]\r\n") + GetParam().settings + "[ilna-1]\r\nname=x\r\n");
    GivenText("ilna-1", "text");
    EXPECT_EQ(LoadAuthor("ilna").size(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AuthorCounts,
    testing::Values(CountCase{"Missing", "", 0}, CountCase{"Zero", "ilnacount=0\r\n", 0},
                    CountCase{"Negative", "ilnacount=-3\r\n", 0},
                    CountCase{"NotANumber", "ilnacount=one\r\n", 0},
                    CountCase{"One", "ilnacount=1\r\n", 1},
                    CountCase{"PastTheWorksEndsWithThem", "ilnacount=999999999\r\n", 1},
                    CountCase{"OtherCase", "ILNACount=1\r\n", 1}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST_F(CatalogueLoading, MissingIndexLoadsNothing)
{
    TVelmoraDataArray works;
    LoadCatalogue(dir_.path(), works);
    EXPECT_TRUE(works.empty());
}

struct LinesCase {
    const char* name;
    const char* bytes;
    TStringList lines;
};

class TextLines : public testing::TestWithParam<LinesCase> {};

TEST_P(TextLines, EndAtCrLfLfOrCr)
{
    EXPECT_EQ(SplitLines(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Table, TextLines,
                         testing::Values(LinesCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                                         LinesCase{"Lf", "a\nb\n", {"a", "b"}},
                                         LinesCase{"Cr", "a\rb\r", {"a", "b"}},
                                         LinesCase{"Mixed", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
                                         LinesCase{"LfCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
                                         LinesCase{"EmptyLinesKept", "a\r\n\r\nb", {"a", "", "b"}},
                                         LinesCase{"NoFinalEnd", "only", {"only"}},
                                         LinesCase{"Empty", "", {}},
                                         LinesCase{"JustAnEnd", "\r\n", {""}}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

struct UnreadableTextCase {
    const char* name;
    std::optional<TestFiles::TTrap> trap; // none: the file is missing
};

class UnreadableText : public CatalogueLoading,
                       public testing::WithParamInterface<UnreadableTextCase> {};

// Whatever stands in a text file's place, its work stays with an empty text, is listed with
// the file and why, and every other work loads with its text.
TEST_P(UnreadableText, LeavesItsWorkEmptyAndLoadsTheRest)
{
    GivenIndex("[settings]\r\nmiracount=3\r\nvesnacount=1\r\n"
               "[mira-1]\r\nname=One\r\n[mira-2]\r\nname=Two\r\n[mira-3]\r\nname=Three\r\n"
               "[vesna-1]\r\nname=Four\r\n");
    GivenText("mira-1", "one");
    GivenText("mira-3", "three");
    GivenText("vesna-1", "four");
    if (GetParam().trap)
        TestFiles::PlaceTrap(Path("html/mira-2.htm.txt"), *GetParam().trap);
    TVelmoraDataArray works;
    const TUnreadTexts unread = LoadCatalogue(dir_.path(), works);

    ASSERT_EQ(FileNames(works), (Names{"mira-1", "mira-2", "mira-3", "vesna-1"}));
    ASSERT_NE(works[1].Text, nullptr);
    EXPECT_TRUE(works[1].Text->empty());
    EXPECT_EQ(*works[2].Text, TStringList{"three"});
    EXPECT_EQ(*works[3].Text, TStringList{"four"});
    ASSERT_EQ(unread.size(), 1u);
    EXPECT_EQ(unread[0].FileName, "mira-2");
    EXPECT_EQ(unread[0].Name, "Two");
    EXPECT_EQ(unread[0].Path, Path("html/mira-2.htm.txt"));
    EXPECT_FALSE(unread[0].Reason.isEmpty());
    const QString told = DescribeUnreadTexts(unread, dir_.path());
    EXPECT_TRUE(told.contains("\"Two\" (mira-2), html/mira-2.htm.txt: " + unread[0].Reason))
        << told.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Table, UnreadableText,
                         testing::Values(UnreadableTextCase{"Missing", std::nullopt},
                                         UnreadableTextCase{"Fifo", TestFiles::TTrap::Fifo},
                                         UnreadableTextCase{"Folder", TestFiles::TTrap::Directory},
                                         UnreadableTextCase{"LinkToDevZero",
                                                            TestFiles::TTrap::LinkToDevZero},
                                         UnreadableTextCase{"HugeFile", TestFiles::TTrap::HugeFile},
                                         UnreadableTextCase{"LinkOutOfTheContent",
                                                            TestFiles::TTrap::LinkOutThroughProc}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

// A folder that lost every text gets a box of a few lines, not one line per work.
TEST_F(CatalogueLoading, TheBoxNamesTenUnreadTextsAndCountsTheRest)
{
    std::string index = "[settings]\r\ntovacount=12\r\n";
    for (int n = 1; n <= 12; ++n)
        index += "[tova-" + std::to_string(n) + "]\r\n";
    GivenIndex(index);
    TVelmoraDataArray works;
    const TUnreadTexts unread = LoadCatalogue(dir_.path(), works);
    EXPECT_EQ(works.size(), 12u);
    ASSERT_EQ(unread.size(), 12u);
    const QStringList lines = DescribeUnreadTexts(unread, dir_.path()).split(u'\n');
    ASSERT_EQ(lines.size(), 12);
    EXPECT_TRUE(lines[0].contains("12 works")) << lines[0].toStdString();
    EXPECT_TRUE(lines[10].contains("(tova-10)")) << lines[10].toStdString();
    EXPECT_EQ(lines[11], "And 2 more.");
}

TEST_F(CatalogueLoading, AuthorsLoadInTableOrderAndCopiesShareTheirText)
{
    GivenIndex("[settings]\r\ntovacount=1\r\nmiracount=2\r\n[tova-1]\r\n[mira-1]\r\n[mira-2]\r\n");
    for (const char* stem : {"tova-1", "mira-1", "mira-2"})
        GivenText(stem, stem);
    TVelmoraDataArray works;
    LoadCatalogue(dir_.path(), works);
    EXPECT_EQ(FileNames(works), (Names{"mira-1", "mira-2", "tova-1"}));
    EXPECT_EQ(works[2].Author, "Tova Renquist");
    const TVelmoraDataArray copy = works;
    EXPECT_EQ(copy[0].Text.get(), works[0].Text.get());
}

// The windows see the works, and the search their texts, only once the read has been taken in;
// what could not be read is told once.
TEST_F(CatalogueLoading, TheCatalogueTakesInTheWorksAndTheirIndexOnce)
{
    GivenIndex("[settings]\r\ntovacount=2\r\n[tova-1]\r\n[tova-2]\r\n");
    GivenText("tova-1", "Velvet plum\r\n");
    TCatalogue catalogue(dir_.path());
    catalogue.StartLoading();
    EXPECT_TRUE(catalogue.Works.empty());

    const TUnreadTexts unread = catalogue.FinishLoading();
    ASSERT_EQ(unread.size(), 1u);
    EXPECT_EQ(unread[0].FileName, "tova-2");
    EXPECT_EQ(FileNames(catalogue.Works), (Names{"tova-1", "tova-2"}));
    EXPECT_EQ(FileNames(catalogue.SearchTexts().Find(catalogue.Works, "velvet")), Names{"tova-1"});
    EXPECT_TRUE(catalogue.FinishLoading().empty());
    EXPECT_EQ(catalogue.Works.size(), 2u);
}

} // namespace
