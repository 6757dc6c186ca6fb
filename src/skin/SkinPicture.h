#pragma once

#include "JpegPicture.h"

#include <QImage>
#include <QString>

#include <memory>
#include <optional>

// A skin picture: its file read and its header checked when loaded, so a missing, unreadable or
// oversized picture is reported at once, but decoded only when first drawn, when any fault in
// the rest of the file is reported and it draws as an empty one. Most of a skin is never drawn
// in a session (the states of buttons never pointed at, the frames of windows never opened),
// and start-up shows none of it before the splash. Copies share the file and the pixels.
class TSkinPicture {
public:
    TSkinPicture() = default;
    // A missing or broken picture gives an empty one, reported to the content checker.
    explicit TSkinPicture(const QString& path);

    // Decodes the picture if it is not yet.
    bool IsNull() const { return Pixels().isNull(); }
    // Null when empty.
    const QImage& Pixels() const;

private:
    struct TState {
        TJpegPicture Checked;
        mutable std::optional<QImage> Pixels; // once decoded; null when it would not
    };
    std::shared_ptr<const TState> state_;
};
