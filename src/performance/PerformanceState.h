#pragma once

#include <cstdint>

namespace kelmar {

// The performance areas, numbered 0..AreaCount - 1.
inline constexpr int AreaCount = 4;

// The shared state of mouse performance, one copy for all four areas: the
// area whose pointer event is being handled and the scaled position of the
// last playing event (vertical 0 at the top). All 0 at start.
struct PerformanceState {
    std::int16_t CurrentArea = 0;
    std::int16_t HorizontalValue = 0;
    std::int16_t VerticalValue = 0;
};

} // namespace kelmar
