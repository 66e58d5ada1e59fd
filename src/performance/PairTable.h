#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "performance/PerformanceState.h"

namespace kelmar {

// What an area shows once its pair has been updated by a pick in one of its
// axis lists. An empty switch leaves that fixed-value box as it is.
struct PairView {
    int code = 0;
    std::string modeText; // caption of PerfModeLabel: the code in plain decimal
    std::string infoText; // caption of InfoLabel: "same parameter" or "active"
    std::optional<bool> pitchTextEnabled;
    std::optional<bool> velTextEnabled;
};

// The axis choices of the four performance areas: HeightPart (10 x vertical
// parameter), WidthPart (horizontal parameter) and their sum, PairCode.
// Every area starts at Pitch / Velocity, pair code 1.
class PairTable {
public:
    // A pick of list position `position` in HeightCombo(area) or
    // WidthCombo(area): stores it and gives what the area shows now.
    PairView pickHeight(int area, int position);
    PairView pickWidth(int area, int position);

    // Puts every area back to its start values (heights 0, widths 1, codes 1)
    // without changing what the areas show.
    void reset();

    std::int16_t HeightPart(int area) const { return heightPart_.at(static_cast<std::size_t>(area)); }
    std::int16_t WidthPart(int area) const { return widthPart_.at(static_cast<std::size_t>(area)); }
    std::int16_t PairCode(int area) const { return pairCode_.at(static_cast<std::size_t>(area)); }

    // What an area with pair code `code` shows.
    static PairView viewOf(int code);

private:
    using Parts = std::array<std::int16_t, AreaCount>;
    PairView update(int area);

    Parts heightPart_{0, 0, 0, 0};
    Parts widthPart_{1, 1, 1, 1};
    Parts pairCode_{1, 1, 1, 1};
};

} // namespace kelmar
