#pragma once

#include <array>
#include <cstdint>

#include "midi/MidiMessage.h"

namespace kelmar {

// What the output last carried on each channel: the programme, every
// controller's value and the pitch bend. Filled from the messages the
// output port encodes and hands to its device; it never sends anything.
// A value nothing has set yet, or that the receiver may have lost (another
// device opened, Reset All Controllers, System Reset), reads Unknown.
class LastSentValues {
public:
    static constexpr int Unknown = -1;
    static constexpr int ChannelCount = 16;

    LastSentValues() { forget(); }

    // Notes one message as sent. Cheap and without allocation: it runs for
    // every message the program puts on the wire.
    void record(const MidiBytes& message);
    // Everything reads Unknown again.
    void forget();

    // 0..127, or Unknown. Channels are 0..15; others read Unknown.
    int programme(int channel) const;
    int controller(int channel, int number) const;
    // 0..16383 (8192 is the centre), or Unknown.
    int pitchBend(int channel) const;

private:
    static bool isChannel(int channel) { return channel >= 0 && channel < ChannelCount; }
    void forgetControllers(std::size_t channel);

    using Controllers = std::array<std::int8_t, 128>;
    std::array<std::int8_t, ChannelCount> programme_{};
    std::array<Controllers, ChannelCount> controllers_{};
    std::array<std::int16_t, ChannelCount> pitchBend_{};
};

} // namespace kelmar
