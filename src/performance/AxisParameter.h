#pragma once

#include <array>
#include <string_view>

namespace kelmar {

// The musical parameters an axis of a performance area can play, numbered by
// their position in the axis lists (HeightCombo, WidthCombo). The classic
// lists hold the first six; Pitch Bend and Modulation are Extended Play's.
enum class AxisParameter {
    Pitch = 0,
    Velocity = 1,
    Pan = 2,
    Channel = 3,
    Volume = 4,
    Programme = 5,
    PitchBend = 6,
    Modulation = 7,
};

// The entries of both axis lists under the classic rules, in list order.
inline constexpr std::array<std::string_view, 6> AxisParameterNames = {
    "Pitch", "Velocity", "Pan", "Channel", "Volume", "Programme",
};

// The entries of both axis lists under Extended Play, in list order.
inline constexpr std::array<std::string_view, 8> ExtendedAxisParameterNames = {
    "Pitch", "Velocity", "Pan", "Channel", "Volume", "Programme", "Pitch Bend", "Modulation",
};

} // namespace kelmar
