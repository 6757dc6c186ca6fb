#pragma once

#include "SkinSection.h"
#include "TestFiles.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include <array>

// A content folder made by code for one test: pictures of one colour each and skin files.
class SkinFolder {
public:
    SkinFolder();

    const QString& Dir() const { return dirPath_; }

    // relative is written the skin files' way ("design\buttons\close_up.jpg").
    void WritePicture(const QString& relative, QSize size, QColor colour) const;
    void WriteFile(const QString& relative, const QByteArray& bytes) const;

private:
    QString Path(const QString& relative) const;

    TestFiles::TContentFolder dir_;
    QString dirPath_;
};

// JPEG keeps a flat colour within a step or two per channel.
bool NearColour(QRgb pixel, QColor expected);

// A blank composition picture, as windows paint onto.
QImage BlankCanvas(QSize size = {200, 200});
inline const QColor kBlank = Qt::black;

// Colours of the five state pictures, by ButtonState: disabled, up, down, over, active.
inline const std::array<QColor, kButtonStateCount> kStateColours = {
    QColor(Qt::gray), QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue), QColor(Qt::yellow)};

// Writes the five state pictures of a button into design\<name>\ and returns the text of its
// "buttons.ini" section, named name.
QByteArray WriteButtonSkin(const SkinFolder& folder, const QByteArray& name, TBounds bounds,
                           QSize pictureSize,
                           const std::array<QColor, kButtonStateCount>& colours = kStateColours);
