#pragma once

#include "uFunctions.h"

#include <QImage>
#include <QString>

// A skin picture: read and checked whole when loaded, so every fault is reported at once, but
// decoded again only when first drawn. Most of a skin is never drawn in a session (the states
// of buttons never pointed at, the frames of windows never opened), and a picture's file is a
// tenth of its pixels.
class TSkinPicture {
public:
    TSkinPicture() = default;
    // A missing or broken picture gives an empty one, reported to the content checker.
    explicit TSkinPicture(const QString& path);

    bool IsNull() const { return checked_.Size.isEmpty(); }
    // Null when empty.
    const QImage& Pixels() const;

private:
    TJpegPicture checked_;
    mutable QImage pixels_;
};
