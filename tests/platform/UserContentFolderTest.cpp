#include "UserContentFolder.h"

#include "ContentPath.h"
#include "ProfileFile.h"
#include "SettingsFile.h"
#include "TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

const QStringList kOwnFiles{QStringLiteral("settings.ini"), QStringLiteral("html/sortresult.htm")};

// Every entry under dir, each with what it is and holds, to tell that a folder was not touched.
std::map<QString, std::string> Snapshot(const QString& dir)
{
    std::map<QString, std::string> entries;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        entries[QDir(dir).relativeFilePath(path)] =
            info.isSymLink() ? "link to " + info.symLinkTarget().toStdString()
            : info.isDir()   ? std::string("folder")
                             : TestFiles::Read(path);
    }
    return entries;
}

class UserContentFolderTest : public testing::Test {
protected:
    // Installed, the viewer's content folder is the installed one until the user's is chosen.
    UserContentFolderTest() { ContentPath::UseContentDir(installed_.path()); }
    ~UserContentFolderTest() override { ContentPath::UseContentDir(QString()); }

    void SetUp() override
    {
        Install("velmora.ini", "[WORKS]\r\n");
        Install("html/about.htm", "<html>about</html>");
        Install("html/sortresult.htm", "<html>shipped result</html>");
        Install("settings.ini", "[MESSAGES]\r\nshowclosemessage=1\r\n");
        Install("images/old/gone.jpg", "jpeg");
        Install(".hidden", "dot file");
    }

    void Install(const QString& relative, std::string_view bytes)
    {
        TestFiles::Write(Installed(relative), bytes);
    }
    QString Installed(const QString& relative) const { return installed_.path() + u'/' + relative; }
    QString Mirrored(const QString& relative) const { return Mirror() + u'/' + relative; }
    QString Mirror() const { return home_.path() + QStringLiteral("/velmora"); }
    // Whole: usable and nothing to tell.
    bool MakeMirror() const
    {
        const UserContentFolder::TMirrored mirrored = Mirrored();
        return mirrored.Usable && mirrored.Problems.isEmpty();
    }
    UserContentFolder::TMirrored Mirrored() const
    {
        return UserContentFolder::Mirror(installed_.path(), Mirror(), kOwnFiles);
    }

    QTemporaryDir installed_;
    QTemporaryDir home_;
};

TEST_F(UserContentFolderTest, LinksEveryFileAndCopiesTheFilesTheViewerWrites)
{
    const QString ownerOnly = Installed(QStringLiteral("settings.ini"));
    ASSERT_TRUE(QFile::setPermissions(ownerOnly, QFile::ReadOwner | QFile::WriteOwner));
    const auto before = Snapshot(installed_.path());
    ASSERT_TRUE(MakeMirror());

    // A folder without the viewer's own files is linked whole.
    for (const char* linked : {"velmora.ini", "html/about.htm", "images", ".hidden"}) {
        const QFileInfo entry(Mirrored(linked));
        EXPECT_TRUE(entry.isSymLink()) << linked;
        EXPECT_EQ(entry.symLinkTarget(), Installed(linked)) << linked;
    }
    EXPECT_EQ(TestFiles::Read(Mirrored(QStringLiteral("images/old/gone.jpg"))), "jpeg");
    for (const QString& own : kOwnFiles) {
        const QFileInfo entry(Mirrored(own));
        EXPECT_FALSE(entry.isSymLink()) << own.toStdString();
        EXPECT_TRUE(entry.isWritable()) << own.toStdString();
        EXPECT_EQ(TestFiles::Read(entry.filePath()), TestFiles::Read(Installed(own)));
    }
    EXPECT_EQ(QFile::permissions(Mirrored(QStringLiteral("settings.ini"))) &
                  (QFile::ReadGroup | QFile::ReadOther),
              QFile::Permissions())
        << "a copy is readable by no more than the installed file";
    EXPECT_EQ(Snapshot(installed_.path()), before);
}

// The settings of one user never reach the installed folder nor another user's folder.
TEST_F(UserContentFolderTest, ASettingsWriteStaysInTheUsersFolder)
{
    const QTemporaryDir otherHome;
    const QString otherMirror = otherHome.path() + QStringLiteral("/velmora");
    ASSERT_TRUE(MakeMirror());
    ASSERT_TRUE(UserContentFolder::Mirror(installed_.path(), otherMirror, kOwnFiles).Usable);
    const auto installedBefore = Snapshot(installed_.path());
    const auto otherBefore = Snapshot(otherMirror);

    ContentPath::UseContentDir(Mirror()); // the viewer works from it now
    const TProfileInteger answer{"MESSAGES", "showclosemessage", 0};
    WriteSettings(Mirror(), {&answer, 1});

    EXPECT_EQ(ProfileFile(Mirrored(QStringLiteral("settings.ini")))
                  .ReadInteger("MESSAGES", "showclosemessage", -1),
              0);
    EXPECT_EQ(Snapshot(installed_.path()), installedBefore);
    EXPECT_EQ(Snapshot(otherMirror), otherBefore);
}

TEST_F(UserContentFolderTest, FollowsWhatThePackageAddsAndTakesAway)
{
    Install("html/old.htm", "<html>old</html>");
    ASSERT_TRUE(MakeMirror());
    ASSERT_TRUE(QDir(Installed(QStringLiteral("images/old"))).removeRecursively());
    ASSERT_TRUE(QFile::remove(Installed(QStringLiteral("html/old.htm"))));
    Install("images/new.jpg", "new jpeg");
    Install("html/new.htm", "<html>new</html>");
    Install("settings.ini", "[MESSAGES]\r\nshowclosemessage=0\r\n");

    ASSERT_TRUE(MakeMirror());

    EXPECT_EQ(TestFiles::Read(Mirrored(QStringLiteral("images/new.jpg"))), "new jpeg");
    EXPECT_FALSE(QFileInfo(Mirrored(QStringLiteral("images/old/gone.jpg"))).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(Mirrored(QStringLiteral("images/old"))));
    EXPECT_EQ(TestFiles::Read(Mirrored(QStringLiteral("html/new.htm"))), "<html>new</html>");
    EXPECT_FALSE(QFileInfo(Mirrored(QStringLiteral("html/old.htm"))).isSymLink())
        << "a link to a page the package took away stays";
    // Once copied, the settings are the user's: a new default does not overwrite them.
    EXPECT_EQ(TestFiles::Read(Mirrored(QStringLiteral("settings.ini"))),
              "[MESSAGES]\r\nshowclosemessage=1\r\n");
}

struct KeptCase {
    const char* name;
    const char* relative;
};

// What the user put in their folder survives every start, even where the package has a file.
class UserContentFolderKeeps : public UserContentFolderTest,
                               public testing::WithParamInterface<KeptCase> {};

TEST_P(UserContentFolderKeeps, TheUsersOwnFile)
{
    ASSERT_TRUE(MakeMirror());
    const QString path = Mirrored(GetParam().relative);
    QFile::remove(path);
    TestFiles::Write(path, "the user's");
    Install(GetParam().relative, "changed by the package");

    ASSERT_TRUE(MakeMirror());

    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(TestFiles::Read(path), "the user's");
}

INSTANTIATE_TEST_SUITE_P(Table, UserContentFolderKeeps,
                         testing::Values(KeptCase{"EditedSettings", "settings.ini"},
                                         KeptCase{"AFileInPlaceOfALink", "html/about.htm"},
                                         KeptCase{"ASavedPageOfTheirOwn", "html/saved.htm"}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

// An older folder's link where the viewer now writes would send its writes into the
// installed folder; it becomes the user's copy.
TEST_F(UserContentFolderTest, ALinkWhereTheViewerWritesBecomesACopy)
{
    ASSERT_TRUE(QDir().mkpath(Mirror()));
    ASSERT_TRUE(QFile::link(Installed(QStringLiteral("settings.ini")),
                            Mirrored(QStringLiteral("settings.ini"))));

    ASSERT_TRUE(MakeMirror());

    EXPECT_FALSE(QFileInfo(Mirrored(QStringLiteral("settings.ini"))).isSymLink());
}

// What the user made in their folder stays, even where the package has nothing.
TEST_F(UserContentFolderTest, NothingItDidNotMakeIsDeleted)
{
    ASSERT_TRUE(QDir().mkpath(Mirrored(QStringLiteral("Music"))));
    ASSERT_TRUE(QDir().mkpath(Mirrored(QStringLiteral("html/empty"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("/nonexistent/old.jpg"),
                            Mirrored(QStringLiteral("html/old.jpg"))));
    const auto before = Snapshot(Mirror());

    ASSERT_TRUE(MakeMirror());

    for (const auto& [entry, what] : before)
        EXPECT_TRUE(Snapshot(Mirror()).contains(entry)) << entry.toStdString() << " went";
}

struct UnusableFolderCase {
    const char* name;
    void (*place)(const QString& mirror, const QString& elsewhere);
    const char* says;
};

// In the folder's place something the viewer must not work in: it is told, and nothing is
// touched, not even the empty folders where a link leads.
class UnusableUserFolder : public UserContentFolderTest,
                           public testing::WithParamInterface<UnusableFolderCase> {};

TEST_P(UnusableUserFolder, IsToldAndLeftAlone)
{
    const QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir().mkpath(elsewhere.filePath("Desktop")));
    ASSERT_TRUE(QDir().mkpath(elsewhere.filePath("Music")));
    GetParam().place(Mirror(), elsewhere.path());
    const auto before = Snapshot(home_.path());
    const auto elsewhereBefore = Snapshot(elsewhere.path());

    const UserContentFolder::TMirrored mirrored = Mirrored();

    EXPECT_FALSE(mirrored.Usable);
    ASSERT_EQ(mirrored.Problems.size(), 1);
    EXPECT_TRUE(mirrored.Problems[0].contains(Mirror())) << mirrored.Problems[0].toStdString();
    EXPECT_TRUE(mirrored.Problems[0].contains(QLatin1String(GetParam().says)))
        << mirrored.Problems[0].toStdString();
    EXPECT_EQ(Snapshot(home_.path()), before);
    EXPECT_EQ(Snapshot(elsewhere.path()), elsewhereBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnusableUserFolder,
    testing::Values(UnusableFolderCase{"ALinkToTheHomeFolder",
                                       [](const QString& mirror, const QString& elsewhere) {
                                           ASSERT_TRUE(QFile::link(elsewhere, mirror));
                                       },
                                       "is a link"},
                    UnusableFolderCase{"AFile",
                                       [](const QString& mirror, const QString&) {
                                           TestFiles::Write(mirror, "a file in the folder's place");
                                       },
                                       "is not a folder"}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

struct InstalledTrapCase {
    const char* name;
    const char* relative;
    TestFiles::TTrap trap;
};

// Only regular files are copied or linked: anything else in the installed content is left out
// and told, and never hangs the start.
class InstalledTraps : public UserContentFolderTest,
                       public testing::WithParamInterface<InstalledTrapCase> {};

TEST_P(InstalledTraps, AreLeftOutAndTold)
{
    const QString installed = Installed(GetParam().relative);
    QFile::remove(installed);
    TestFiles::PlaceTrap(installed, GetParam().trap);

    const UserContentFolder::TMirrored mirrored = Mirrored();

    EXPECT_TRUE(mirrored.Usable);
    ASSERT_EQ(mirrored.Problems.size(), 1);
    EXPECT_TRUE(mirrored.Problems[0].contains(installed)) << mirrored.Problems[0].toStdString();
    EXPECT_TRUE(mirrored.Problems[0].contains(QLatin1String("left out")))
        << mirrored.Problems[0].toStdString();
    const QFileInfo mirroredEntry(Mirrored(GetParam().relative));
    EXPECT_FALSE(mirroredEntry.exists() || mirroredEntry.isSymLink());
    EXPECT_TRUE(QFileInfo(Mirrored(QStringLiteral("velmora.ini"))).isSymLink())
        << "the rest is there";
}

INSTANTIATE_TEST_SUITE_P(
    Table, InstalledTraps,
    testing::Values(
        InstalledTrapCase{"AFifoForTheSettings", "settings.ini", TestFiles::TTrap::Fifo},
        InstalledTrapCase{"AFolderForTheSettings", "settings.ini", TestFiles::TTrap::Directory},
        InstalledTrapCase{"ADeviceForTheSettings", "settings.ini", TestFiles::TTrap::LinkToDevZero},
        InstalledTrapCase{"AFifoAmongThePages", "html/pipe.htm", TestFiles::TTrap::Fifo},
        InstalledTrapCase{"ADeviceAmongThePages", "html/zero.htm", TestFiles::TTrap::LinkToDevZero},
        InstalledTrapCase{"ALinkOutForTheSettings", "settings.ini",
                          TestFiles::TTrap::LinkOutByAbsolutePath},
        InstalledTrapCase{"ARelativeLinkOutForAResultPage", "html/sortresult.htm",
                          TestFiles::TTrap::LinkOutByRelativePath},
        InstalledTrapCase{"ALinkOutThroughProcForAResultPage", "html/sortresult.htm",
                          TestFiles::TTrap::LinkOutThroughProc},
        InstalledTrapCase{"ALinkOutAmongThePages", "html/keys.htm",
                          TestFiles::TTrap::LinkOutByAbsolutePath}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

struct UserCopyCase {
    const char* name;
    TestFiles::TTrap trap;
    bool holdsAFile;
};

// The user's copy of settings.ini is not a regular file: told, and replaced by a fresh copy of
// the installed one where that loses nothing.
class UnusableUserCopy : public UserContentFolderTest,
                         public testing::WithParamInterface<UserCopyCase> {};

TEST_P(UnusableUserCopy, IsToldAndReplacedWhenItHoldsNothing)
{
    const QString copy = Mirrored(QStringLiteral("settings.ini"));
    TestFiles::PlaceTrap(copy, GetParam().trap);
    if (GetParam().holdsAFile)
        TestFiles::Write(copy + QStringLiteral("/notes.txt"), "the user's notes");

    const UserContentFolder::TMirrored mirrored = Mirrored();

    EXPECT_TRUE(mirrored.Usable);
    ASSERT_EQ(mirrored.Problems.size(), 1);
    EXPECT_TRUE(mirrored.Problems[0].contains(copy)) << mirrored.Problems[0].toStdString();
    if (GetParam().holdsAFile) {
        EXPECT_EQ(TestFiles::Read(copy + QStringLiteral("/notes.txt")), "the user's notes");
    } else {
        EXPECT_TRUE(QFileInfo(copy).isFile());
        EXPECT_EQ(TestFiles::Read(copy),
                  TestFiles::Read(Installed(QStringLiteral("settings.ini"))));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnusableUserCopy,
    testing::Values(UserCopyCase{"AnEmptyFolder", TestFiles::TTrap::Directory, false},
                    UserCopyCase{"AFifo", TestFiles::TTrap::Fifo, false},
                    UserCopyCase{"AFolderWithFilesInIt", TestFiles::TTrap::Directory, true}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST_F(UserContentFolderTest, AWritableContentFolderIsUsedAsItIs)
{
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home_.path()));
    ASSERT_EQ(UserContentFolder::Path(), Mirror());

    const UserContentFolder::TChoice choice =
        UserContentFolder::Choose(installed_.path(), kOwnFiles);
    EXPECT_EQ(choice.Folder, installed_.path());
    EXPECT_TRUE(choice.Problem.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(Mirror()));
    qputenv("XDG_DATA_HOME", previous);
}

} // namespace
