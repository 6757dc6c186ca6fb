#include "WholeFile.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

class WholeFileTest : public testing::Test {
protected:
    QString PathOf(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
    QStringList Files() const
    {
        return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    TestFiles::TContentFolder dir_;
    QTemporaryDir outside_; // the user's
};

TEST_F(WholeFileTest, ReplacedFileKeepsItsPermissions)
{
    const QString path = PathOf("page.htm");
    TestFiles::Write(path, "old");
    const QFile::Permissions ownerOnly =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    ASSERT_TRUE(QFile::setPermissions(path, ownerOnly));
    ASSERT_TRUE(WholeFile::Replace(path, "new", TFolderOwner::Content).Ok());
    EXPECT_EQ(TestFiles::Read(path), "new");
    EXPECT_EQ(QFile::permissions(path), ownerOnly);
    EXPECT_EQ(Files(), QStringList{"page.htm"});
}

// The viewer's copies of the content are readable by no more than the content's own file.
TEST_F(WholeFileTest, ANewFileHasNoPermissionBeyondTheCap)
{
    const QString path = PathOf("font.otf");
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    ASSERT_TRUE(WholeFile::Replace(path, "font", TFolderOwner::User, ownerOnly).Ok());
    EXPECT_EQ(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser), ownerOnly);
}

TEST_F(WholeFileTest, ALinkInTheFilesPlaceIsReplacedNeverFollowed)
{
    const QString path = PathOf("settings.ini");
    const QString users = outside_.filePath("private");
    TestFiles::Write(users, "private");
    ASSERT_TRUE(QFile::link(users, path));
    ASSERT_TRUE(WholeFile::Replace(path, "[a]", TFolderOwner::Content).Ok());
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(TestFiles::Read(path), "[a]");
    EXPECT_EQ(TestFiles::Read(users), "private");
}

TEST_F(WholeFileTest, NothingIsWrittenIntoAFolderThatLeadsOutOfTheContent)
{
    ASSERT_TRUE(QFile::link(outside_.path(), PathOf("html")));
    const WholeFile::TWrite written =
        WholeFile::Replace(PathOf("html/sortresult.htm"), "page", TFolderOwner::Content);
    EXPECT_EQ(written.Failure, WholeFile::TFailure::CannotCreate);
    EXPECT_TRUE(
        QDir(outside_.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST_F(WholeFileTest, OnlyLeftoversOfKilledWritesOfThatFileAreRemoved)
{
    for (const char* name :
         {"settings.ini", "settings.ini.velmora-unfinished-k3x9a0qz", "settings.ini.backup",
          "settings.ini.velmora-backup", "other.ini.velmora-unfinished-k3x9a0qz"})
        TestFiles::Write(PathOf(name), "bytes");
    WholeFile::RemoveUnfinished(PathOf("settings.ini"));
    EXPECT_EQ(Files(), (QStringList{"other.ini.velmora-unfinished-k3x9a0qz", "settings.ini",
                                    "settings.ini.backup", "settings.ini.velmora-backup"}));
}

// Two viewers of one folder: one that starts never takes the file another one is writing.
TEST_F(WholeFileTest, NoLeftoverGoesWhileAnotherViewerWritesInTheFolder)
{
    const QString leftover = PathOf("settings.ini.velmora-unfinished-k3x9a0qz");
    TestFiles::Write(leftover, "half a write");
    {
        // What a writer holds from the new file's making to its taking the old one's place.
        const int writer = open(QFile::encodeName(dir_.path()).constData(), O_RDONLY | O_DIRECTORY);
        ASSERT_GE(writer, 0);
        ASSERT_EQ(flock(writer, LOCK_SH), 0);
        WholeFile::RemoveUnfinished(PathOf("settings.ini"));
        ::close(writer);
        EXPECT_TRUE(QFile::exists(leftover));
    }
    WholeFile::RemoveUnfinished(PathOf("settings.ini"));
    EXPECT_FALSE(QFile::exists(leftover)) << "the writer gone, its file is a leftover";
}

} // namespace
