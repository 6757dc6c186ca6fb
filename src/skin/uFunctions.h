#pragma once

#include "PictureBudget.h"

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QString>

#include <vector>

// Polygonal hit areas of image buttons, in window pixels.
using TPointArray = std::vector<QPoint>;

// A rectangle by its four edges; Right and Bottom belong to it in the inclusive test.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// Device pixels per window pixel on the screens: 2 on a HiDPI screen, else 1.
qreal ScreenPixelRatio();

// Fills bitmap with the JPEG picture at path. A missing file, or one that is not a sound JPEG
// of sensible size and cost, or one past the budget, leaves bitmap as it was. Where pixelRatio
// is above 1 and "name@2x.jpg" beside "name.jpg" is exactly twice its size, bitmap holds that
// one instead, with a device pixel ratio of 2, so it is drawn at the same size, sharper.
void LoadJpegBitmap(const QString& path, QImage& bitmap, TPictureBudget& budget = PictureBudget(),
                    qreal pixelRatio = ScreenPixelRatio());

// Draws into target the part of picture at source, both in window pixels, whatever the
// picture's own pixel ratio.
void DrawPicturePart(QPainter& canvas, const QRect& target, const QImage& picture,
                     const QRect& source);

bool PointInRect(QPoint point, const TRect& rect, bool inclusive);

// Crossing-number test on a closed ring whose last entry repeats (or lies next to) the first
// and is not read; fewer than 4 entries contain nothing.
bool PointInPolygon(const TPointArray& points, QPoint point);
