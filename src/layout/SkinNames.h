#pragma once

#include <array>
#include <string>
#include <string_view>

// The names the skin files give the controls, written once: the viewer reads the skin by them
// and the sample content writes it by them.
namespace SkinNames {

// A button section's keys for its five pictures, in the order of the button's states
// (disabled, up, down, over, active).
inline constexpr std::array<std::string_view, 5> kStateKeys = {
    "state_disable", "state_up", "state_down", "state_over", "state_active"};

// The catalogue window's tab of filter group g: "param_" g + 1, the first showing every work.
inline std::string TabSection(size_t group)
{
    return "param_" + std::to_string(group + 1);
}

// Switch k of filter group g (from 1): "filtr_" g "_" k + 1.
inline std::string SwitchSection(size_t group, size_t button)
{
    return "filtr_" + std::to_string(group) + "_" + std::to_string(button + 1);
}

} // namespace SkinNames
