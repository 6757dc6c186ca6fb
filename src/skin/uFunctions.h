#pragma once

// The skinned controls' hit tests.

#include <QPoint>

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

bool PointInRect(QPoint point, const TRect& rect, bool inclusive);

// Crossing-number test on a closed ring whose last entry repeats (or lies next to) the first
// and is not read; fewer than 4 entries contain nothing.
bool PointInPolygon(const TPointArray& points, QPoint point);
