#include "FontInstaller.h"

#include "TestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kFont = QStringLiteral("WarnockPro-Regular.otf");

class FontInstall : public testing::Test {
protected:
    FontInstall() { qputenv("XDG_DATA_HOME", QFile::encodeName(home_.path())); }
    ~FontInstall() override { qunsetenv("XDG_DATA_HOME"); }

    QString ContentFont() const { return content_.filePath(QStringLiteral("fonts/") + kFont); }
    QString UsersFont() const { return home_.path() + QStringLiteral("/fonts/") + kFont; }

    QTemporaryDir home_;
    TestFiles::TContentFolder content_;
};

TEST_F(FontInstall, TheCopyIsReadableByNoMoreThanTheContentsFont)
{
    TestFiles::Write(ContentFont(), "font");
    ASSERT_TRUE(QFile::setPermissions(ContentFont(), QFile::ReadOwner | QFile::WriteOwner));
    InstallTitleFonts(content_.path());
    EXPECT_EQ(TestFiles::Read(UsersFont()), "font");
    EXPECT_EQ(QFile::permissions(UsersFont()) & (QFile::ReadGroup | QFile::ReadOther),
              QFile::Permissions());
}

class FontTraps : public FontInstall, public testing::WithParamInterface<TestFiles::TTrapCase> {};

// Nothing in the font's place, and no file of the user's a link leads to, is copied.
TEST_P(FontTraps, AreNeverCopied)
{
    TestFiles::PlaceTrap(ContentFont(), GetParam().trap, "private key");
    InstallTitleFonts(content_.path());
    EXPECT_FALSE(QFileInfo::exists(UsersFont()));
}

INSTANTIATE_TEST_SUITE_P(Table, FontTraps, testing::ValuesIn(TestFiles::kTraps),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

} // namespace
