#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "midi/MidiValue.h"

namespace kelmar {

// One message for SendMidi. A data value taken from a fixed-value box is
// its text, which the output port reads as a number (an empty box: none).
struct OutgoingMessage {
    int status = 0;
    MidiValue data1;
    MidiValue data2;
};

// What a pair operation works from: the scaled position, the texts of the
// area's PitchText and VelText, and the current channel.
struct PairInputs {
    std::int16_t h = 0; // HorizontalValue, 0 at the left edge
    std::int16_t v = 0; // VerticalValue, 0 at the top edge
    std::string_view pitchText;
    std::string_view velText;
    std::int16_t channel = 0; // CurrentChannel
};

// A store into the volume table (ChannelVolume) of the channel state.
struct VolumeWrite {
    std::int16_t channel = 0;
    std::int16_t value = 0;
};

// What a pointer event over an area plays: the messages in sending order
// (each carrying its own channel in the status), the area's new readout
// (none: InfoLabel keeps its text) and the writes to the channel state.
struct PairOutcome {
    std::vector<OutgoingMessage> messages;
    std::optional<std::string> readout;
    std::optional<std::int16_t> channel; // new CurrentChannel
    std::optional<VolumeWrite> volume;
};

// The twelve pair operations, each named after its code; the pair table
// (Pairs.h) tells which code plays which. Values flipped so that the top or
// left edge is highest read 128 there; the readout shows 128 and the message
// carries 127.
class PairOperations {
public:
    static constexpr int FixedVelocity = 120; // the velocity of pair 50
    static constexpr std::string_view NotAvailableText = "Not yet available";

    // What a pointer event plays with pair code `code`.
    static PairOutcome play(int code, const PairInputs& in);

    static PairOutcome pair1(const PairInputs& in);  // Pitch / Velocity
    static PairOutcome pair2(const PairInputs& in);  // Pitch / Pan
    static PairOutcome pair3(const PairInputs& in);  // Pitch / Channel
    static PairOutcome pair4(const PairInputs& in);  // Pitch / Volume
    static PairOutcome pair5(const PairInputs& in);  // Pitch / Programme
    static PairOutcome pair10(const PairInputs& in); // Velocity / Pitch
    static PairOutcome pair12(const PairInputs& in); // Velocity / Pan
    static PairOutcome pair15(const PairInputs& in); // Velocity / Programme
    static PairOutcome pair20(const PairInputs& in); // Pan / Pitch
    static PairOutcome pair21(const PairInputs& in); // Pan / Velocity
    static PairOutcome pair23(const PairInputs& in); // Pan / Channel
    static PairOutcome pair50(const PairInputs& in); // Programme / Pitch
};

} // namespace kelmar
