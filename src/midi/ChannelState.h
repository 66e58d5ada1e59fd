#pragma once

#include <array>
#include <cstdint>

namespace kelmar {

// The current MIDI channel and what each channel last had set. The tables
// have entries 0..16; channels use 0..15. Everything starts at 0.
struct ChannelState {
    static constexpr int TableSize = 17;
    using Table = std::array<std::int16_t, TableSize>;

    std::int16_t CurrentChannel = 0; // 0 is MIDI channel 1
    Table ChannelPatch{};
    Table ChannelVolume{};
    Table ChannelPan{};
    Table ChannelOctaveOffset{}; // octave x 12
};

} // namespace kelmar
