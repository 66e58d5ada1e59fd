#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "midi/MidiMessage.h"

namespace kelmar {

// The pieces of the Standard MIDI Files takes are written as: format 0, one
// track, 960 ticks a quarter note at 500,000 µs a quarter (120 bpm), so a
// tick is 1/1920 s (about 0.52 ms). Every event carries its full status
// byte: no running status.
class StandardMidiFile {
public:
    using Bytes = std::vector<std::uint8_t>;

    static constexpr std::uint16_t TicksPerQuarter = 960;
    static constexpr std::uint32_t MicrosecondsPerQuarter = 500'000;
    // The largest delta time four bytes of variable-length quantity hold.
    static constexpr std::uint32_t MaxDelta = 0x0FFF'FFFF;
    // Where the track chunk's length stands, and where its events begin.
    static constexpr std::size_t TrackLengthOffset = 18;
    static constexpr std::size_t TrackEventsOffset = 22;
    // End of Track at delta 0, and the empty text event of the same size
    // that takes its place once more events follow it.
    static constexpr std::array<std::uint8_t, 4> EndOfTrack{0x00, 0xFF, 0x2F, 0x00};
    static constexpr std::array<std::uint8_t, 4> EmptyText{0x00, 0xFF, 0x01, 0x00};

    // The header chunk and the track chunk's own header.
    static Bytes header(std::uint32_t trackLength);
    static std::array<std::uint8_t, 4> bigEndian(std::uint32_t value);
    // The tempo meta event, at delta 0.
    static void appendTempo(Bytes& out);
    // `ticks` (at most MaxDelta) as a variable-length quantity.
    static void appendDelta(Bytes& out, std::uint32_t ticks);
    // One event; a delta beyond MaxDelta is carried by empty text events first.
    static void appendEvent(Bytes& out, std::uint64_t delta, const MidiBytes& message);
    static void appendEndOfTrack(Bytes& out, std::uint64_t delta);
    // Ticks in `nanoseconds` (0 for less than none), to the nearest tick.
    static std::uint64_t ticksIn(std::int64_t nanoseconds);
    // True for what a track holds as it is: a complete channel message.
    // System messages are not MIDI file events (0xFF even means a meta event).
    static bool isTrackMessage(const MidiBytes& message);

private:
    static std::uint64_t carryLongDelta(Bytes& out, std::uint64_t delta);
};

} // namespace kelmar
