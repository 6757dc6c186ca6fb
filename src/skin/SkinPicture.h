#pragma once

#include "uFunctions.h"

#include <QImage>
#include <QString>

#include <memory>

// A skin picture: read and checked whole when loaded, so every fault is reported at once, but
// decoded again only when first drawn. Most of a skin is never drawn in a session (the states
// of buttons never pointed at, the frames of windows never opened), and a picture's file is a
// tenth of its pixels. Copies share the checked file and the decoded pixels.
class TSkinPicture {
public:
    TSkinPicture() = default;
    // A missing or broken picture gives an empty one, reported to the content checker.
    explicit TSkinPicture(const QString& path);

    bool IsNull() const { return !state_ || state_->Checked.Size.isEmpty(); }
    // Null when empty.
    const QImage& Pixels() const;

private:
    struct TState {
        TJpegPicture Checked;
        mutable QImage Pixels; // decoded when first drawn
    };
    std::shared_ptr<const TState> state_;
};
