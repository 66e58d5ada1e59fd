#include "midi/take/TakeTrack.h"

#include <algorithm>

#include "midi/MidiCodes.h"

namespace kelmar {

TakeTrack::TakeTrack(std::int64_t startNanoseconds, std::size_t batchBytes)
    : start_(startNanoseconds)
{
    pending_.reserve(batchBytes);
}

void TakeTrack::add(const MidiBytes& message, std::int64_t steadyNanoseconds)
{
    if (!StandardMidiFile::isTrackMessage(message))
        return;
    // Messages reach the queue in the order they were sent, so times never
    // go back; a clock that did would still give no negative delta.
    const std::uint64_t tick = std::max(lastTick_, StandardMidiFile::ticksIn(steadyNanoseconds - start_));
    StandardMidiFile::appendEvent(pending_, tick - lastTick_, message);
    lastTick_ = tick;
    noteSounding(message);
}

void TakeTrack::noteSounding(const MidiBytes& message)
{
    const int kind = message.data[0] & 0xF0;
    const std::size_t channel = message.data[0] & 0x0F;
    if (kind == midi::NoteOn)
        sounding_[channel].set(message.data[1], message.data[2] > 0);
    else if (kind == midi::NoteOff)
        sounding_[channel].reset(message.data[1]);
}

void TakeTrack::endNotes(std::int64_t steadyNanoseconds)
{
    for (std::size_t channel = 0; channel < Channels; ++channel) {
        for (std::size_t note = 0; note < 128 && sounding_[channel].any(); ++note) {
            if (sounding_[channel].test(note)) {
                const MidiBytes off{{static_cast<std::uint8_t>(midi::NoteOff | channel), static_cast<std::uint8_t>(note), 64},
                                    3};
                add(off, steadyNanoseconds);
            }
        }
    }
}

std::uint64_t TakeTrack::deltaTo(std::int64_t steadyNanoseconds) const
{
    const std::uint64_t tick = StandardMidiFile::ticksIn(steadyNanoseconds - start_);
    return tick > lastTick_ ? tick - lastTick_ : 0;
}

} // namespace kelmar
