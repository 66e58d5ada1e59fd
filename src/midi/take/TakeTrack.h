#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>

#include "midi/MidiMessage.h"
#include "midi/take/StandardMidiFile.h"

namespace kelmar {

// One message as a take's queue carries it: the bytes and when they were sent.
struct TakenMessage {
    MidiBytes message;
    std::int64_t steadyNanoseconds = 0;
};

// A take's messages as track events, timed in ticks from the take's start,
// and the notes they leave sounding. Events gather in `pending()` until the
// file has them; its buffer is kept from batch to batch.
class TakeTrack {
public:
    // `startNanoseconds`: the steady-clock time of tick 0. `batchBytes`:
    // room kept for a batch, so that a usual batch allocates nothing.
    TakeTrack(std::int64_t startNanoseconds, std::size_t batchBytes);

    // Adds a channel message at its time; anything else is left out.
    void add(const MidiBytes& message, std::int64_t steadyNanoseconds);
    // Adds a note-off (velocity 64) at `steadyNanoseconds` for every note
    // still sounding.
    void endNotes(std::int64_t steadyNanoseconds);
    // Ticks from the last event to `steadyNanoseconds`.
    std::uint64_t deltaTo(std::int64_t steadyNanoseconds) const;

    const StandardMidiFile::Bytes& pending() const { return pending_; }
    void clearPending() { pending_.clear(); }

private:
    void noteSounding(const MidiBytes& message);

    static constexpr std::size_t Channels = 16;
    std::int64_t start_;
    std::uint64_t lastTick_ = 0;
    std::array<std::bitset<128>, Channels> sounding_{};
    StandardMidiFile::Bytes pending_;
};

} // namespace kelmar
