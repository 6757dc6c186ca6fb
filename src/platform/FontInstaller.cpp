#include "FontInstaller.h"

#include "ContentPath.h"
#include "RegularFile.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QStandardPaths>

namespace {

constexpr QStringView kTitleFontFiles[] = {u"WarnockPro-Regular.otf", u"WarnockPro-Bold.otf"};
constexpr QStringView kTitleFontStandIn = u"EB Garamond";

// Far beyond any font; the font is read whole to register it.
constexpr qint64 kMaxFontBytes = 32LL * 1024 * 1024;

void CopyForTheUser(const QString& fileName, const RegularFile::TRead& font)
{
    const QString fontsDir = QStandardPaths::writableLocation(QStandardPaths::FontsLocation);
    if (fontsDir.isEmpty() || !QDir().mkpath(fontsDir))
        return;
    const QString target = QDir(fontsDir).filePath(fileName);
    if (QFile::exists(target))
        return;
    // The program goes on with the font registered, copied or not.
    (void)WholeFile::Replace(target, font.Bytes, TFolderOwner::User, font.Permissions);
}

void InstallFont(const QString& contentDir, const QString& fileName)
{
    const RegularFile::TRead font =
        RegularFile::Read(ContentPath::Join(contentDir, QStringLiteral("\\fonts\\") + fileName),
                          kMaxFontBytes, TFolderOwner::Content);
    if (!font.Ok())
        return;
    CopyForTheUser(fileName, font);
    QFontDatabase::addApplicationFontFromData(font.Bytes);
}

} // namespace

void InstallTitleFonts(const QString& contentDir)
{
    for (const QStringView file : kTitleFontFiles)
        InstallFont(contentDir, file.toString());
    // Used only when no font of the family itself is there.
    QFont::insertSubstitution(kTitleFontFamily.toString(), kTitleFontStandIn.toString());
}
