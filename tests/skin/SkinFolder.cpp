#include "SkinFolder.h"

#include "ContentPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstdlib>

SkinFolder::SkinFolder() : dirPath_(dir_.path())
{
    EXPECT_TRUE(dir_.isValid());
}

QString SkinFolder::Path(const QString& relative) const
{
    const QString path = ContentPath::Join(dirPath_, relative);
    QDir().mkpath(QFileInfo(path).path());
    return path;
}

void SkinFolder::WritePicture(const QString& relative, QSize size, QColor colour) const
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    EXPECT_TRUE(picture.save(Path(relative), "JPG", 100)) << relative.toStdString();
}

void SkinFolder::WriteFile(const QString& relative, const QByteArray& bytes) const
{
    QFile file(Path(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << relative.toStdString();
    file.write(bytes);
}

bool NearColour(QRgb pixel, QColor expected)
{
    constexpr int kTolerance = 6;
    return std::abs(qRed(pixel) - expected.red()) <= kTolerance &&
           std::abs(qGreen(pixel) - expected.green()) <= kTolerance &&
           std::abs(qBlue(pixel) - expected.blue()) <= kTolerance;
}

QImage BlankCanvas(QSize size)
{
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(kBlank);
    return canvas;
}

QByteArray WriteButtonSkin(const SkinFolder& folder, const QByteArray& name, TBounds bounds,
                           QSize pictureSize, const std::array<QColor, kButtonStateCount>& colours)
{
    static constexpr std::array<const char*, kButtonStateCount> kKeys = {
        "state_disable", "state_up", "state_down", "state_over", "state_active"};
    QByteArray section = "[" + name + "]\r\n";
    for (int state = 0; state < kButtonStateCount; ++state) {
        const QByteArray relative = "design\\" + name + "\\" + kKeys[state] + ".jpg";
        folder.WritePicture(QString::fromLatin1(relative), pictureSize, colours[state]);
        section += QByteArray(kKeys[state]) + "=" + relative + "\r\n";
    }
    section += "title=" + name + "\r\n";
    section += "bnd_x=" + QByteArray::number(bounds.Left) +
               "\r\nbnd_y=" + QByteArray::number(bounds.Top) +
               "\r\nbnd_w=" + QByteArray::number(bounds.Width) +
               "\r\nbnd_h=" + QByteArray::number(bounds.Height) + "\r\n";
    return section;
}
