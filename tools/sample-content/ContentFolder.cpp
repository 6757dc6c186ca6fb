#include "ContentFolder.h"

#include "ContentPath.h"
#include "JpegWriter.h"
#include "Win1251.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

ContentFolder::ContentFolder(QString root) : root_(std::move(root)) {}

QString ContentFolder::PathOf(QStringView relative) const
{
    return ContentPath::Join(root_, relative);
}

void ContentFolder::MakeFolder(QStringView relative)
{
    if (!QDir().mkpath(PathOf(relative)))
        Fail(relative);
}

void ContentFolder::WriteBytes(QStringView relative, std::string_view bytes)
{
    const QString path = PathOf(relative);
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        Fail(relative);
        return;
    }
    file.write(bytes.data(), qint64(bytes.size()));
    if (!file.commit())
        Fail(relative);
}

void ContentFolder::WriteText(QStringView relative, std::string_view utf8)
{
    WriteBytes(relative, Win1251::FromUtf8(utf8));
}

void ContentFolder::WriteJpeg(QStringView relative, const QImage& image)
{
    // A picture drawn at twice the scale goes beside its ordinary one, as "name@2x.jpg".
    QString name = relative.toString();
    if (image.devicePixelRatio() > 1)
        name.insert(name.lastIndexOf(u'.'), QStringLiteral("@2x"));
    const QString path = PathOf(name);
    QDir().mkpath(QFileInfo(path).path());
    if (!JpegWriter::Write(image, path))
        Fail(name);
}

void ContentFolder::Fail(QStringView relative)
{
    failures_ += relative.toString() + u'\n';
}
