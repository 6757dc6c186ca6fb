#pragma once

// The steps a page scrolls by: a line or a page, up or down.
enum class TPageStep { Up, Down, PageUp, PageDown };
inline constexpr int kPageStepCount = 4;
