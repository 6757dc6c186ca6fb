#pragma once

#include "PictureBudget.h"

#include <QImage>
#include <QPainter>
#include <QString>

// Device pixels per window pixel on the screens: 2 on a HiDPI screen, else 1.
qreal ScreenPixelRatio();

// Fills bitmap with the JPEG picture at path. A missing file, or one that is not a sound JPEG
// of sensible size and cost, or one past the budget, leaves bitmap as it was. Where pixelRatio
// is above 1 and "name@2x.jpg" beside "name.jpg" is exactly twice its size, bitmap holds that
// one instead, with a device pixel ratio of 2, so it is drawn at the same size, sharper.
void LoadJpegBitmap(const QString& path, QImage& bitmap, TPictureBudget& budget = PictureBudget(),
                    qreal pixelRatio = ScreenPixelRatio());

// A JPEG picture as a load gives it: nothing (an empty size) when it cannot be shown.
struct TJpegPicture {
    QSize Size;                 // in device pixels
    qreal PixelRatio = 1;       // 2 for a "name@2x.jpg" taken in the picture's place
    QImage Pixels;              // when loaded to be kept
    TPictureBudget::THold Hold; // when only checked: the budget's share for the pixels to come
    QByteArray Jpeg;            // when only checked: the file, to decode later
    QString Path;               // when only checked: where the file was read
};

// Reads the picture's file and header as LoadJpegBitmap does, with the same reports for a file
// that is missing, unreadable, empty, not a JPEG or too large, or a picture past the budget,
// and holds the pixels' share of the budget; the rest of the file is decoded later. Start-up
// reads dozens of skin pictures it does not show yet.
TJpegPicture CheckJpeg(const QString& path, TPictureBudget& budget = PictureBudget(),
                       qreal pixelRatio = ScreenPixelRatio());

// The pixels of a picture CheckJpeg passed, which count against the share it holds; null, with
// the fault reported, when the rest of its file does not decode.
QImage DecodeCheckedJpeg(const TJpegPicture& checked);

// Draws into target the part of picture at source, both in window pixels, whatever the
// picture's own pixel ratio.
void DrawPicturePart(QPainter& canvas, const QRect& target, const QImage& picture,
                     const QRect& source);
