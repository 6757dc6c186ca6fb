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
constexpr char kConfigVariable[] = "FONTCONFIG_FILE";
constexpr QStringView kSystemConfig = u"fonts.conf";

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

void SubstituteTitleFontForThePages()
{
    // The content's font, installed for the user at an earlier start, is the pages' own.
    for (const QStringView font : kTitleFontFiles) {
        if (!QStandardPaths::locate(QStandardPaths::FontsLocation, font.toString()).isEmpty())
            return;
    }
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/velmora";
    const QString file = folder + "/fonts.conf";
    // The system's configuration as fontconfig would find it: the one the user set, else the
    // main file of its own folder, which a relative name names.
    QString system = qEnvironmentVariable(kConfigVariable, kSystemConfig.toString());
    if (system == file)
        system = kSystemConfig.toString();
    // The stand-in goes before the family, as fontconfig's own aliases of one family to another
    // do: the engine takes a font of another family only where the rules name it first.
    const QByteArray config =
        QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
                       "<fontconfig>\n<include ignore_missing=\"yes\">%1</include>\n"
                       "<alias binding=\"same\"><family>%2</family>"
                       "<prefer><family>%3</family></prefer></alias>\n</fontconfig>\n")
            .arg(system.toHtmlEscaped(), kTitleFontFamily, kTitleFontStandIn)
            .toUtf8();
    if (QDir().mkpath(folder) && WholeFile::Replace(file, config, TFolderOwner::User).Ok())
        qputenv(kConfigVariable, QFile::encodeName(file));
}
