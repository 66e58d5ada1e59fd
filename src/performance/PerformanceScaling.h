#pragma once

#include <cstdint>

namespace kelmar {

// A pointer position scaled against the picture: 0..126 on each axis.
struct ScaledPosition {
    std::int16_t horizontal = 0;
    std::int16_t vertical = 0;
    bool operator==(const ScaledPosition&) const = default;
};

// Turns a pointer position over a performance picture into the two values
// the pair operations play. Position and size may be in any one unit.
class PerformanceScaling {
public:
    static constexpr std::int16_t MaxValue = 126;

    // Integer part of position / (extent / 127), computed in that order in
    // floating point. Positions outside the picture (a drag that has left
    // it) are clamped to its edges, so the result is always 0..126.
    // `extent` must be greater than 0.
    static std::int16_t scaleAxis(double position, double extent);

    static ScaledPosition scale(double x, double y, double width, double height);
};

} // namespace kelmar
