#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

// The skin's pictures are laid out in window pixels. At a scale of 2 the same picture is drawn
// with twice the pixels each way, for the "@2x" set that HiDPI screens show: a painter on a
// canvas keeps working in window pixels, and only these helpers know the difference.
namespace Canvas {

// 1 unless the "@2x" set is being drawn.
void SetScale(int scale);

// An uninitialised picture of that size in window pixels, at the current scale.
QImage Blank(QSize windowPixels);
QRect RectOf(const QImage& picture);
// The part of picture at rect, both in window pixels.
QImage Part(const QImage& picture, const QRect& rect);

} // namespace Canvas
