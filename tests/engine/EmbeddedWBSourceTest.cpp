#include "BrowserFixture.h"
#include "FileSizeLimit.h"
#include "TestFiles.h"
#include "Win1251.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A generated page's bytes: Windows-1251 letters and LF CR after each fragment.
const std::string kLoadedPage = Win1251::FromUtf8("<!DOCTYPE html>\n\r<html><head><meta "
                                                  "charset=\"windows-1251\"></head>\n\r"
                                                  "<body><p>Маникюр</p></body></html>\n\r");
const std::string kWrittenPage = Win1251::FromUtf8("<html><body><p>Поиск</p></body></html>\n\r");

class SourceTest : public BrowserFixture {
protected:
    void SetUp() override { ASSERT_TRUE(Load("page.htm", kLoadedPage)); }
};

TEST_F(SourceTest, LoadedFileIsSavedByteForByte)
{
    EXPECT_TRUE(wb_.SaveSource(PathOf("saved.html")).Ok());
    EXPECT_EQ(TestFiles::Read(PathOf("saved.html")), kLoadedPage);
}

TEST_F(SourceTest, WrittenPageIsSavedUntilTheNextLoad)
{
    ASSERT_TRUE(Write(kWrittenPage));
    EXPECT_TRUE(wb_.SaveSource(PathOf("written.html")).Ok());
    EXPECT_EQ(TestFiles::Read(PathOf("written.html")), kWrittenPage);

    ASSERT_TRUE(NavigateAndWait("page.htm", 2));
    EXPECT_TRUE(wb_.SaveSource(PathOf("loaded.html")).Ok());
    EXPECT_EQ(TestFiles::Read(PathOf("loaded.html")), kLoadedPage);
}

TEST_F(SourceTest, ExistingFileIsReplaced)
{
    TestFiles::Write(PathOf("saved.html"), std::string(5000, 'o'));
    EXPECT_TRUE(wb_.SaveSource(PathOf("saved.html")).Ok());
    EXPECT_EQ(TestFiles::Read(PathOf("saved.html")), kLoadedPage);
}

TEST_F(SourceTest, MissingFolderCannotBeCreatedAndNothingIsWritten)
{
    EXPECT_EQ(wb_.SaveSource(PathOf("no-folder/saved.html")).Failure,
              WholeFile::TFailure::CannotCreate);
    EXPECT_FALSE(QFileInfo::exists(PathOf("no-folder")));
}

TEST_F(SourceTest, FailedWriteLeavesTheOldFileWhole)
{
    const std::string before = "old page";
    TestFiles::Write(PathOf("saved.html"), before);
    {
        const FileSizeLimit diskFull(16);
        const WholeFile::TWrite saved = wb_.SaveSource(PathOf("saved.html"));
        EXPECT_EQ(saved.Failure, WholeFile::TFailure::CannotWrite);
        EXPECT_EQ(saved.Reason, "File too large") << "the system's reason for a short write";
    }
    EXPECT_EQ(TestFiles::Read(PathOf("saved.html")), before);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), (QStringList{"page.htm", "saved.html"}))
        << "no temporary file may stay behind";
}

TEST_F(SourceTest, PageWithoutSourceFailsAndWritesNothing)
{
    // The file behind the page is gone and nothing was written into the page.
    ASSERT_TRUE(QFile::remove(PathOf("page.htm")));
    EXPECT_EQ(wb_.SaveSource(PathOf("saved.html")).Failure, WholeFile::TFailure::CannotWrite);
    EXPECT_FALSE(QFileInfo::exists(PathOf("saved.html")));
}

} // namespace
