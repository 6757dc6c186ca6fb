#include "WholeFile.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class WholeFileTest : public testing::Test {
protected:
    QString PathOf(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
    QStringList Files() const
    {
        return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir dir_;
};

TEST_F(WholeFileTest, ReplacedFileKeepsItsPermissions)
{
    const QString path = PathOf("page.htm");
    TestFiles::Write(path, "old");
    const QFile::Permissions ownerOnly =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    ASSERT_TRUE(QFile::setPermissions(path, ownerOnly));
    ASSERT_TRUE(WholeFile::Replace(path, "new").Ok());
    EXPECT_EQ(TestFiles::Read(path), "new");
    EXPECT_EQ(QFile::permissions(path), ownerOnly);
    EXPECT_EQ(Files(), QStringList{"page.htm"});
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

} // namespace
