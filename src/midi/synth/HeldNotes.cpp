#include "midi/synth/HeldNotes.h"

#include "midi/MidiCodes.h"

namespace kelmar {

using namespace midi;

void HeldNotes::track(const MidiBytes& message)
{
    const int channel = message.data[0] & 0x0F;
    const int data1 = message.data[1] & 0x7F;
    const int data2 = message.data[2] & 0x7F;
    auto& keys = down_[static_cast<std::size_t>(channel)];
    switch (message.data[0] & 0xF0) {
    case NoteOn:
        if (data2 != 0) {
            if (!keys.test(static_cast<std::size_t>(data1)))
                ++keys_;
            keys.set(static_cast<std::size_t>(data1));
            break;
        }
        [[fallthrough]];
    case NoteOff:
        if (keys.test(static_cast<std::size_t>(data1)))
            --keys_;
        keys.reset(static_cast<std::size_t>(data1));
        break;
    case ControlChange:
        if (data1 == Sustain || data1 == Sostenuto)
            setPedal(channel, data1 == Sustain ? 1 : 2, data2 >= 64);
        else if (data1 == ResetAllControllers)
            setPedal(channel, 3, false);
        else if (data1 == AllSoundOff || data1 >= AllNotesOff)
            allNotesOff(channel);
        break;
    default:
        break;
    }
}

void HeldNotes::allNotesOff(int channel)
{
    auto& keys = down_[static_cast<std::size_t>(channel)];
    keys_ -= static_cast<int>(keys.count());
    keys.reset();
}

void HeldNotes::setPedal(int channel, int pedal, bool down)
{
    auto& pedals = pedalsDown_[static_cast<std::size_t>(channel)];
    const bool wasDown = pedals != 0;
    pedals = static_cast<std::uint8_t>(down ? (pedals | pedal) : (pedals & ~pedal));
    pedals_ += (pedals != 0 ? 1 : 0) - (wasDown ? 1 : 0);
}

} // namespace kelmar
