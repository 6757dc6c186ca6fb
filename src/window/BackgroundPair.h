#pragma once

#include <QImage>

// A window's background picture and the image its window composes each paint on, made at the
// window's size when first painted.
struct TBackgroundPair {
    QImage Picture;
    QImage Composition;
};
