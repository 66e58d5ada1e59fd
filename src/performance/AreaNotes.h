#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "performance/PerformanceState.h"

namespace kelmar {

// A note as Extended Play tells notes apart: its channel (0..15) and pitch,
// and whether its cell bends the pitch (then its end centres the bend).
struct SoundingNote {
    int channel = 0;
    int pitch = 0;
    bool bends = false;
    bool operator==(const SoundingNote&) const = default;
};

// The last note each area started under Extended Play, until it is ended
// or forgotten. After an all-notes-off sweep every note is silent, so the
// bookkeeping is cleared as soon as the sweep count has moved.
class AreaNotes {
public:
    const std::optional<SoundingNote>& of(int area) const { return notes_.at(index(area)); }
    void start(int area, SoundingNote note) { notes_.at(index(area)) = note; }
    // The area's note, which is forgotten.
    std::optional<SoundingNote> take(int area);
    void clear() { notes_.fill(std::nullopt); }

    // Clears everything when `sweepCount` differs from the one seen last.
    void followSweeps(std::uint64_t sweepCount);

private:
    static std::size_t index(int area) { return static_cast<std::size_t>(area); }

    std::array<std::optional<SoundingNote>, AreaCount> notes_{};
    std::uint64_t sweepsSeen_ = 0;
};

} // namespace kelmar
