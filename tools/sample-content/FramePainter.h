#pragma once

#include <QImage>

// The frames of the five browser windows (850 by 550): a wine header band that the close
// button and the titles sit on, a cream body, and wells where the browsers and pictures go.
enum class TFrame {
    Catalogue,    // fon_2
    WorkPage,     // fon_2_1
    LargePicture, // fon_1_2
    Search,       // fon_search
    About,        // fon_about
};

namespace FramePainter {

QImage Paint(TFrame frame);

} // namespace FramePainter
