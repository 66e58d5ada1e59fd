#pragma once

#include <array>
#include <bitset>
#include <cstdint>

#include "midi/MidiMessage.h"

namespace kelmar {

// Which keys and pedals (sustain, sostenuto) are held on each channel, as
// the messages played so far tell. The synthesizer keeps running while
// anything is held, since a held note may be silent now and sound later.
class HeldNotes {
public:
    // Takes one message as played; only notes, the pedals and the
    // controllers that end notes or reset the pedals change anything.
    void track(const MidiBytes& message);
    bool any() const { return keys_ > 0 || pedals_ > 0; }

private:
    void allNotesOff(int channel);
    void setPedal(int channel, int pedal, bool down);

    std::array<std::bitset<128>, 16> down_{};
    std::array<std::uint8_t, 16> pedalsDown_{}; // bit 0 sustain, bit 1 sostenuto
    int keys_ = 0; // keys held on all channels
    int pedals_ = 0; // channels with a pedal held
};

} // namespace kelmar
