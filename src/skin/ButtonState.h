#pragma once

#include <cstdint>

// The visible state of an image button; its value picks the picture drawn. Any other value
// can be stored and draws nothing.
enum class ButtonState : std::int32_t {
    Disabled = 0,
    Up = 1,
    Down = 2,
    Over = 3,
    Active = 4,
};
inline constexpr int kButtonStateCount = 5;

enum class ButtonKind : std::int32_t {
    Push = 0,   // a click never leaves it on
    Toggle = 1, // each click turns it on or off
};
