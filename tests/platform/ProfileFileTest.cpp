#include "ProfileFile.h"

#include "FileSizeLimit.h"
#include "TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ProfileFileTest : public testing::Test {
protected:
    QString PathOf(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
    QString Given(std::string_view bytes)
    {
        const QString path = PathOf("settings.ini");
        TestFiles::Write(path, bytes);
        return path;
    }

    TestFiles::TContentFolder dir_;
};

struct ReadCase {
    const char* name;
    const char* file;
    const char* section;
    const char* key;
    const char* expected;
};

class ProfileFileReading : public ProfileFileTest, public testing::WithParamInterface<ReadCase> {};

TEST_P(ProfileFileReading, ReadsWhatProfileFilesMean)
{
    const ProfileFile profile(Given(GetParam().file));
    EXPECT_EQ(profile.ReadString(GetParam().section, GetParam().key, "default"),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProfileFileReading,
    testing::Values(
        ReadCase{"PlainKey", "[a]\r\nk=v\r\n", "a", "k", "v"},
        ReadCase{"SectionCaseIgnored", "[Mira-2]\r\nname=x\r\n", "mira-2", "NAME", "x"},
        ReadCase{"CyrillicNamesAreNotFolded", "[\xD0]\r\nk=v\r\n", "\xF0", "k", "default"},
        ReadCase{"FirstSectionWins", "[a]\r\nk=1\r\n[A]\r\nk=2\r\nj=3\r\n", "a", "k", "1"},
        ReadCase{"LaterDuplicateSectionUnseen", "[a]\r\nk=1\r\n[A]\r\nj=3\r\n", "a", "j",
                 "default"},
        ReadCase{"FirstKeyWins", "[a]\r\nk=1\r\nK=2\r\n", "a", "k", "1"},
        ReadCase{"BlanksTrimmed", "  [ a ]  \r\n  k \t=  v w  \r\n", "a", "k", "v w"},
        ReadCase{"LfLineEnds", "[a]\nk=v\n[b]\nk=w\n", "b", "k", "w"},
        ReadCase{"NoFinalLineEnd", "[a]\r\nk=last", "a", "k", "last"},
        ReadCase{"Utf8ByteOrderMarkIgnored", "\xEF\xBB\xBF[a]\r\nk=v\r\n", "a", "k", "v"},
        ReadCase{"ValueBytesKept",
                 "[w]\r\ncolor=\xF1\xE2\xE5\xF2\xEB\xEE-\xE3\xEE\xEB\xF3\xE1\xEE\xE9\r\n", "w",
                 "color", "\xF1\xE2\xE5\xF2\xEB\xEE-\xE3\xEE\xEB\xF3\xE1\xEE\xE9"},
        ReadCase{"EqualsSignInsideValue", "[a]\r\nk=x=y\r\n", "a", "k", "x=y"},
        ReadCase{"QuotesAroundValueRemoved", "[a]\r\nk=\"v \"\r\n", "a", "k", "v "},
        ReadCase{"EmptyValueIsEmpty", "[a]\r\nk=\r\n", "a", "k", ""},
        ReadCase{"KeysBeforeAnySectionIgnored", "k=v\r\n[a]\r\n", "a", "k", "default"},
        ReadCase{"LineWithoutEqualsIgnored", "[a]\r\njunk\r\nk=v\r\n", "a", "k", "v"},
        ReadCase{"MissingSection", "[a]\r\nk=v\r\n", "b", "k", "default"},
        ReadCase{"UnclosedHeaderStillNamesSection", "[a\r\nk=v\r\n", "a", "k", "v"},
        ReadCase{"Empty", "", "a", "k", "default"}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST_F(ProfileFileTest, MissingFileGivesEveryDefault)
{
    const ProfileFile profile(PathOf("absent.ini"));
    EXPECT_EQ(profile.ReadString("MESSAGES", "showclosemessage", "1"), "1");
    EXPECT_EQ(profile.ReadInteger("MESSAGES", "showclosemessage", 1), 1);
}

TEST_F(ProfileFileTest, IntegersTakeTheDefaultOnAnythingButANumberOfTheirForm)
{
    const ProfileFile profile(Given("[b]\r\nx=0x1F\r\ny=$20\r\nz=12\r\nw=twelve\r\nv=\r\n"));
    EXPECT_EQ(profile.ReadInteger("b", "x", -1, IntegerForm::DecimalOrHex), 31);
    EXPECT_EQ(profile.ReadInteger("b", "y", -1, IntegerForm::DecimalOrHex), 32);
    EXPECT_EQ(profile.ReadInteger("b", "x", -1), -1);
    EXPECT_EQ(profile.ReadInteger("b", "z", -1), 12);
    EXPECT_EQ(profile.ReadInteger("b", "w", -1), -1);
    EXPECT_EQ(profile.ReadInteger("b", "v", 5), 5);
    EXPECT_EQ(profile.ReadInteger("b", "missing", 7), 7);
}

struct WriteCase {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    int value;
    const char* after;
};

class ProfileFileWriting : public ProfileFileTest, public testing::WithParamInterface<WriteCase> {};

// One value written alone.
bool WriteOne(ProfileFile& profile, std::string_view section, std::string_view key, int value)
{
    const TProfileInteger written{std::string(section), std::string(key), value};
    return profile.WriteIntegers({&written, 1});
}

TEST_P(ProfileFileWriting, ChangesOnlyWhatItMust)
{
    const QString path = Given(GetParam().before);
    ProfileFile profile(path);
    ASSERT_TRUE(WriteOne(profile, GetParam().section, GetParam().key, GetParam().value))
        << profile.LastError().toStdString();
    EXPECT_EQ(TestFiles::Read(path), GetParam().after);
    EXPECT_EQ(profile.ReadInteger(GetParam().section, GetParam().key, -1), GetParam().value);
    EXPECT_EQ(ProfileFile(path).ReadInteger(GetParam().section, GetParam().key, -1),
              GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProfileFileWriting,
    testing::Values(
        WriteCase{"ReplacesValueInPlace", "; note\r\n[A]\r\n k = old \r\nj=1\r\n", "a", "K", 0,
                  "; note\r\n[A]\r\n k = 0 \r\nj=1\r\n"},
        WriteCase{"AppendsKeyToItsSection", "[a]\r\nk=1\r\n\r\n[b]\r\nj=2\r\n", "a", "new", 5,
                  "[a]\r\nk=1\r\nnew=5\r\n\r\n[b]\r\nj=2\r\n"},
        WriteCase{"AppendsKeyAfterBareHeader", "[a]\r\n[b]\r\n", "a", "k", 1,
                  "[a]\r\nk=1\r\n[b]\r\n"},
        WriteCase{"AppendsSectionAtTheEnd", "[a]\r\nk=1\r\n", "MESSAGES", "ShowCloseMessage_yn", 0,
                  "[a]\r\nk=1\r\n[MESSAGES]\r\nShowCloseMessage_yn=0\r\n"},
        WriteCase{"CreatesMissingFile", "", "SETTINGS", "allparamcount", 7,
                  "[SETTINGS]\r\nallparamcount=7\r\n"},
        WriteCase{"EndsAnUnfinishedLastLineFirst", "[a]\r\nk=1", "a", "j", 2,
                  "[a]\r\nk=1\r\nj=2\r\n"},
        WriteCase{"KeepsLfLineEnds", "[a]\nk=1\n", "b", "j", 2, "[a]\nk=1\n[b]\nj=2\n"},
        WriteCase{"KeepsByteOrderMarkAndJunk", "\xEF\xBB\xBFjunk line\r\n[a]\r\n==\r\nk=1\r\n", "a",
                  "k", 2, "\xEF\xBB\xBFjunk line\r\n[a]\r\n==\r\nk=2\r\n"},
        WriteCase{"WritesFirstOfDuplicateKeys", "[a]\r\nk=1\r\nk=2\r\n", "a", "k", 3,
                  "[a]\r\nk=3\r\nk=2\r\n"},
        WriteCase{"ReplacesQuotedValueWhole", "[a]\r\nk=\"x\"\r\n", "a", "k", 4, "[a]\r\nk=4\r\n"}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST_F(ProfileFileTest, LaterWritesWithinOneOpenSeeEarlierOnes)
{
    const QString path = Given("");
    ProfileFile profile(path);
    ASSERT_TRUE(WriteOne(profile, "param1", "paramcount", 0));
    ASSERT_TRUE(WriteOne(profile, "param2", "paramcount", 3));
    ASSERT_TRUE(WriteOne(profile, "param2", "param1", 1));
    ASSERT_TRUE(WriteOne(profile, "Param2", "PARAM1", 0));
    EXPECT_EQ(TestFiles::Read(path),
              "[param1]\r\nparamcount=0\r\n[param2]\r\nparamcount=3\r\nparam1=0\r\n");
    EXPECT_EQ(profile.ReadInteger("param2", "param1", -1), 0);
}

TEST_F(ProfileFileTest, ABatchIsWrittenInOrderInOneReplacement)
{
    const QString path = Given("[param2]\r\nparam1=1\r\nparam9=1\r\n");
    ProfileFile profile(path);
    const std::vector<TProfileInteger> batch = {{"SETTINGS", "allparamcount", 7},
                                                {"param2", "paramcount", 2},
                                                {"param2", "param1", 0},
                                                {"PARAM2", "param2", 1}};
    ASSERT_TRUE(profile.WriteIntegers(batch));
    const std::string expected = "[param2]\r\nparam1=0\r\nparam9=1\r\nparamcount=2\r\nparam2=1\r\n"
                                 "[SETTINGS]\r\nallparamcount=7\r\n";
    EXPECT_EQ(TestFiles::Read(path), expected);
    EXPECT_EQ(profile.ReadInteger("param2", "param2", -1), 1);
}

TEST_F(ProfileFileTest, AFailedBatchLeavesFileAndReadsAsTheyWere)
{
    const std::string before = "[a]\r\nk=1\r\n";
    const QString path = Given(before);
    ProfileFile profile(path);
    const std::vector<TProfileInteger> batch = {{"a", "k", 5}, {"b", std::string(40, 'j'), 6}};
    {
        const FileSizeLimit diskFull(16);
        EXPECT_FALSE(profile.WriteIntegers(batch));
    }
    EXPECT_FALSE(profile.LastError().isEmpty());
    EXPECT_EQ(TestFiles::Read(path), before);
    EXPECT_EQ(profile.ReadInteger("a", "k", -1), 1);
    EXPECT_EQ(profile.ReadInteger("b", std::string(40, 'j'), -1), -1);
}

TEST_F(ProfileFileTest, NothingIsKeptBetweenOpens)
{
    const QString path = Given("[a]\r\nk=1\r\n");
    const ProfileFile first(path);
    TestFiles::Write(path, "[a]\r\nk=2\r\n");
    EXPECT_EQ(first.ReadInteger("a", "k", 0), 1);
    EXPECT_EQ(ProfileFile(path).ReadInteger("a", "k", 0), 2);
}

TEST_F(ProfileFileTest, FailedWriteReportsAndKeepsTheOldFile)
{
    const std::string before = "[a]\r\nk=1\r\n";
    const QString path = Given(before);
    ProfileFile profile(path);
    {
        const FileSizeLimit diskFull(16);
        EXPECT_FALSE(WriteOne(profile, "a", std::string(100, 'k'), 1));
    }
    EXPECT_TRUE(profile.LastError().endsWith(": File too large"))
        << "the system's reason for a short write: " << profile.LastError().toStdString();
    EXPECT_EQ(TestFiles::Read(path), before);
    EXPECT_EQ(profile.ReadString("a", "k", ""), "1");
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"settings.ini"})
        << "no temporary file may stay behind";
}

TEST_F(ProfileFileTest, WriteIntoMissingFolderReports)
{
    ProfileFile profile(PathOf("no-such-folder/settings.ini"));
    EXPECT_FALSE(WriteOne(profile, "a", "k", 1));
    EXPECT_FALSE(profile.LastError().isEmpty());
}

class ProfileFileTraps : public ProfileFileTest,
                         public testing::WithParamInterface<TestFiles::TTrapCase> {};

// Whatever stands where the file should be reads as empty, at once, and is never replaced.
TEST_P(ProfileFileTraps, ReadAsEmptyAndAreNeverReplaced)
{
    const QString path = PathOf("settings.ini");
    // A link out leads to a file that would read as k=7.
    TestFiles::PlaceTrap(path, GetParam().trap, "[a]\r\nk=7\r\n");
    const QFileInfo before(path);
    ProfileFile profile(path);
    EXPECT_EQ(profile.ReadInteger("a", "k", 3), 3);
    EXPECT_FALSE(WriteOne(profile, "a", "k", 1));
    EXPECT_FALSE(profile.LastError().isEmpty());
    const QFileInfo after(path);
    EXPECT_EQ(after.isSymLink(), before.isSymLink());
    EXPECT_EQ(after.isDir(), before.isDir());
    EXPECT_EQ(after.size(), before.size());
}

INSTANTIATE_TEST_SUITE_P(Table, ProfileFileTraps, testing::ValuesIn(TestFiles::kTraps),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
