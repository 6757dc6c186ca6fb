#include "UserContentFolder.h"

#include "ProfileFile.h"
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
    void SetUp() override
    {
        Install("velmora.ini", "[WORKS]\r\n");
        Install("html/about.htm", "<html>about</html>");
        Install("html/sortresult.htm", "<html>shipped result</html>");
        Install("settings.ini", "[MESSAGES]\r\nshowclosemessage=1\r\n");
        Install("images/old/gone.jpg", "jpeg");
        Install(".hidden", "dot file");
    }

    void Install(const char* relative, std::string_view bytes)
    {
        TestFiles::Write(Installed(relative), bytes);
    }
    QString Installed(const QString& relative) const { return installed_.path() + u'/' + relative; }
    QString Mirrored(const QString& relative) const { return Mirror() + u'/' + relative; }
    QString Mirror() const { return home_.path() + QStringLiteral("/velmora"); }
    bool MakeMirror() const
    {
        return UserContentFolder::Mirror(installed_.path(), Mirror(), kOwnFiles);
    }

    QTemporaryDir installed_;
    QTemporaryDir home_;
};

TEST_F(UserContentFolderTest, LinksEveryFileAndCopiesTheFilesTheViewerWrites)
{
    const auto before = Snapshot(installed_.path());
    ASSERT_TRUE(MakeMirror());

    for (const char* linked : {"velmora.ini", "html/about.htm", "images/old/gone.jpg", ".hidden"}) {
        const QFileInfo entry(Mirrored(linked));
        EXPECT_TRUE(entry.isSymLink()) << linked;
        EXPECT_EQ(entry.symLinkTarget(), Installed(linked)) << linked;
    }
    for (const QString& own : kOwnFiles) {
        const QFileInfo entry(Mirrored(own));
        EXPECT_FALSE(entry.isSymLink()) << own.toStdString();
        EXPECT_TRUE(entry.isWritable()) << own.toStdString();
        EXPECT_EQ(TestFiles::Read(entry.filePath()), TestFiles::Read(Installed(own)));
    }
    EXPECT_EQ(Snapshot(installed_.path()), before);
}

// The settings of one user never reach the installed folder nor another user's folder.
TEST_F(UserContentFolderTest, ASettingsWriteStaysInTheUsersFolder)
{
    const QTemporaryDir otherHome;
    const QString otherMirror = otherHome.path() + QStringLiteral("/velmora");
    ASSERT_TRUE(MakeMirror());
    ASSERT_TRUE(UserContentFolder::Mirror(installed_.path(), otherMirror, kOwnFiles));
    const auto installedBefore = Snapshot(installed_.path());
    const auto otherBefore = Snapshot(otherMirror);

    ProfileFile settings(Mirrored(QStringLiteral("settings.ini")));
    ASSERT_TRUE(settings.WriteInteger("MESSAGES", "showclosemessage", 0));

    EXPECT_EQ(ProfileFile(Mirrored(QStringLiteral("settings.ini")))
                  .ReadInteger("MESSAGES", "showclosemessage", -1),
              0);
    EXPECT_EQ(Snapshot(installed_.path()), installedBefore);
    EXPECT_EQ(Snapshot(otherMirror), otherBefore);
}

TEST_F(UserContentFolderTest, FollowsWhatThePackageAddsAndTakesAway)
{
    ASSERT_TRUE(MakeMirror());
    ASSERT_TRUE(QDir(Installed(QStringLiteral("images/old"))).removeRecursively());
    Install("images/new.jpg", "new jpeg");
    Install("settings.ini", "[MESSAGES]\r\nshowclosemessage=0\r\n");

    ASSERT_TRUE(MakeMirror());

    EXPECT_EQ(TestFiles::Read(Mirrored(QStringLiteral("images/new.jpg"))), "new jpeg");
    EXPECT_FALSE(QFileInfo(Mirrored(QStringLiteral("images/old/gone.jpg"))).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(Mirrored(QStringLiteral("images/old"))));
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
    Install("images/old/gone.jpg", "changed by the package");

    ASSERT_TRUE(MakeMirror());

    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(TestFiles::Read(path), "the user's");
}

INSTANTIATE_TEST_SUITE_P(Table, UserContentFolderKeeps,
                         testing::Values(KeptCase{"EditedSettings", "settings.ini"},
                                         KeptCase{"AFileInPlaceOfALink", "images/old/gone.jpg"},
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

TEST_F(UserContentFolderTest, AFolderThatCannotBeMadeIsReported)
{
    TestFiles::Write(home_.path() + QStringLiteral("/velmora"), "a file in the folder's place");
    EXPECT_FALSE(MakeMirror());
}

TEST_F(UserContentFolderTest, AWritableContentFolderIsUsedAsItIs)
{
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home_.path()));
    ASSERT_EQ(UserContentFolder::Path(), Mirror());

    EXPECT_EQ(UserContentFolder::Choose(installed_.path(), kOwnFiles), installed_.path());
    EXPECT_FALSE(QFileInfo::exists(Mirror()));
    qputenv("XDG_DATA_HOME", previous);
}

} // namespace
