#pragma once

#include <array>
#include <string_view>

namespace kelmar {

// The musical parameters an axis of a performance area can play, numbered by
// their position in both axis lists (HeightCombo, WidthCombo).
enum class AxisParameter { Pitch = 0, Velocity = 1, Pan = 2, Channel = 3, Volume = 4, Programme = 5 };

// The entries of both axis lists, in list order.
inline constexpr std::array<std::string_view, 6> AxisParameterNames = {
    "Pitch", "Velocity", "Pan", "Channel", "Volume", "Programme",
};

} // namespace kelmar
