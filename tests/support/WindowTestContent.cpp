#include "WindowTestContent.h"

#include "ContentPath.h"
#include "JpegPicture.h"
#include "ProfileFile.h"
#include "TestFiles.h"
#include "Win1251.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPrinter>

#include <stdexcept>

namespace {

void CopyFolder(const QString& from, const QString& to)
{
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(source, target))
            throw std::runtime_error("cannot copy " + source.toStdString());
    }
}

} // namespace

bool TRecordingDialogs::AskPrint(QWidget*, QPrinter& printer)
{
    if (PrintFile.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(PrintFile);
    return true;
}

TWindowTestContent::TWindowTestContent()
{
    CopyFolder(QStringLiteral(VELMORA_SAMPLE_CONTENT_DIR), dir_.path());
    QFile::remove(Path("settings.ini"));
    ContentPath::UseContentDir(dir_.path());
    SetDialogs(&Dialogs);
    // The user's own settings start empty for each test, away from the real user's.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(userConfig_.path()));
}

TWindowTestContent::~TWindowTestContent()
{
    qunsetenv("XDG_CONFIG_HOME");
    SetDialogs(nullptr);
    ContentPath::UseContentDir(QString());
}

QString TWindowTestContent::UserSettingsPath() const
{
    return userConfig_.filePath(QStringLiteral("velmora/settings.ini"));
}

void TWindowTestContent::WriteUserSettings(std::string_view bytes) const
{
    TestFiles::Write(UserSettingsPath(), bytes);
}

QString TWindowTestContent::Path(const QString& relative) const
{
    return ContentPath::Join(dir_.path(), relative);
}

bool TWindowTestContent::Remove(const QString& relative) const
{
    return QFile::remove(Path(relative));
}

void TWindowTestContent::WriteSettings(std::string_view bytes) const
{
    TestFiles::Write(Path("settings.ini"), bytes);
}

QRect TWindowTestContent::ButtonBounds(std::string_view section) const
{
    const ProfileFile buttons(Path("buttons.ini"));
    const auto read = [&](std::string_view key) {
        return buttons.ReadInteger(section, key, -1, IntegerForm::DecimalOrHex);
    };
    return {read("bnd_x"), read("bnd_y"), read("bnd_w"), read("bnd_h")};
}

QImage TWindowTestContent::ButtonPicture(std::string_view section, std::string_view stateKey) const
{
    const ProfileFile buttons(Path("buttons.ini"));
    QImage picture;
    LoadJpegBitmap(Path(Win1251::ToUnicode(buttons.ReadString(section, stateKey, "error"))),
                   picture);
    return picture;
}
