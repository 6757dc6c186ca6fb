#pragma once

#include "SkinLayout.h"

#include <QImage>

// The main window: its background and the pictures of its seven signs.
namespace MainWindowPainter {

QImage PaintBackground();

// The whole main window as it looks at rest: the background with every sign drawn up.
// Each sign's pictures are cut from the scene as it stands before that sign, so where a
// later picture's rectangle overlaps an earlier sign it repeats that sign's pixels.
class TSignScene {
public:
    explicit TSignScene(QImage background);

    // The picture of a sign in one state (0 to 4), over the scene so far.
    QImage Picture(const TSignLayout& sign, size_t state) const;
    // Adds the sign, drawn up, to the scene for the signs after it.
    void Settle(const TSignLayout& sign);

private:
    QImage scene_;
};

} // namespace MainWindowPainter
