#include "performance/PairOperations.h"

#include <algorithm>

#include "midi/MidiCodes.h"
#include "performance/Pairs.h"

namespace kelmar {

namespace {

using namespace midi;

constexpr int ChannelWidth = 8; // position steps per channel: 0..126 gives 0..15

// The position flipped so that the top or left edge is highest: 128..2.
int flip(int value) { return 128 - value; }
// A data byte from a position: the flipped 128 goes out as 127.
int dataByte(int value) { return std::clamp(value, 0, 127); }
std::int16_t channelOf(int position) { return static_cast<std::int16_t>(std::clamp(position / ChannelWidth, 0, 15)); }
MidiValue boxText(std::string_view box) { return MidiValue(std::string(box)); }

OutgoingMessage noteOn(int channel, MidiValue note, MidiValue velocity)
{
    return {NoteOn + channel, std::move(note), std::move(velocity)};
}
OutgoingMessage pan(int channel, int value) { return {ControlChange + channel, PanController, dataByte(value)}; }
OutgoingMessage programme(int channel, int number) { return {ProgramChange + channel, dataByte(number), 0}; }

std::string readout(std::string_view first, int a, std::string_view second, int b)
{
    std::string s;
    s.reserve(32);
    s.append(first).append(std::to_string(a)).append(", ").append(second).append(std::to_string(b));
    return s;
}

PairOutcome outcome(std::vector<OutgoingMessage> messages, std::string text)
{
    PairOutcome out;
    out.messages = std::move(messages);
    out.readout = std::move(text);
    return out;
}

} // namespace

// Pitch / Velocity
PairOutcome PairOperations::pair1(const PairInputs& in)
{
    return outcome({noteOn(in.channel, dataByte(flip(in.v)), dataByte(in.h))},
                   readout("Pitch ", flip(in.v), "Vel ", in.h));
}

// Pitch / Pan
PairOutcome PairOperations::pair2(const PairInputs& in)
{
    return outcome({noteOn(in.channel, dataByte(flip(in.v)), boxText(in.velText)), pan(in.channel, in.h)},
                   readout("Pitch ", flip(in.v), "Pan ", in.h));
}

// Pitch / Channel: the channel changes first and the note goes out on it.
PairOutcome PairOperations::pair3(const PairInputs& in)
{
    const std::int16_t channel = channelOf(in.h);
    PairOutcome out = outcome({noteOn(channel, dataByte(flip(in.v)), boxText(in.velText))},
                              readout("Pitch ", flip(in.v), "Channel ", channel));
    out.channel = channel;
    return out;
}

// Pitch / Volume: stores the channel's volume without sending it.
PairOutcome PairOperations::pair4(const PairInputs& in)
{
    const bool usable = in.channel >= 0 && in.channel <= 16; // the volume table's range
    const std::int16_t channel = usable ? in.channel : std::int16_t{0};
    PairOutcome out = outcome({noteOn(channel, dataByte(flip(in.v)), boxText(in.velText))},
                              readout("Pitch ", flip(in.v), "Volume ", in.h));
    if (!usable)
        out.channel = channel;
    out.volume = VolumeWrite{channel, in.h};
    return out;
}

// Pitch / Programme: the note sounds with the programme set before.
PairOutcome PairOperations::pair5(const PairInputs& in)
{
    return outcome({noteOn(in.channel, dataByte(flip(in.v)), boxText(in.velText)), programme(in.channel, in.h)},
                   readout("Pitch ", flip(in.v), "Prog ", in.h));
}

// Velocity / Pitch: the velocity is not flipped, the top edge is quietest.
PairOutcome PairOperations::pair10(const PairInputs& in)
{
    return outcome({noteOn(in.channel, dataByte(in.h), dataByte(in.v))}, readout("Vel ", in.v, "Pitch ", in.h));
}

// Velocity / Pan
PairOutcome PairOperations::pair12(const PairInputs& in)
{
    return outcome({noteOn(in.channel, boxText(in.pitchText), dataByte(flip(in.v))), pan(in.channel, in.h)},
                   readout("Velocity ", flip(in.v), "Pan ", in.h));
}

// Velocity / Programme
PairOutcome PairOperations::pair15(const PairInputs& in)
{
    return outcome({noteOn(in.channel, boxText(in.pitchText), dataByte(flip(in.v))), programme(in.channel, in.h)},
                   readout("Vel ", flip(in.v), "Prog ", in.h));
}

// Pan / Pitch
PairOutcome PairOperations::pair20(const PairInputs& in)
{
    return outcome({noteOn(in.channel, dataByte(in.h), boxText(in.velText)), pan(in.channel, flip(in.v))},
                   readout("Pan ", flip(in.v), "Pitch ", in.h));
}

// Pan / Velocity: the pan goes first.
PairOutcome PairOperations::pair21(const PairInputs& in)
{
    return outcome({pan(in.channel, flip(in.v)), noteOn(in.channel, boxText(in.pitchText), dataByte(in.h))},
                   readout("Pan ", flip(in.v), "Vel ", in.h));
}

// Pan / Channel: the pan (from the horizontal position) goes out on the old
// channel, then the vertical position picks the channel.
PairOutcome PairOperations::pair23(const PairInputs& in)
{
    const std::int16_t channel = channelOf(in.v);
    PairOutcome out = outcome({pan(in.channel, in.h)}, readout("Pan ", in.h, "Chn ", channel));
    out.channel = channel;
    return out;
}

// Programme / Pitch: the pitch is flipped, the left edge is highest, and the
// velocity is fixed.
PairOutcome PairOperations::pair50(const PairInputs& in)
{
    return outcome({noteOn(in.channel, dataByte(flip(in.h)), FixedVelocity), programme(in.channel, in.v)},
                   readout("Pitch ", flip(in.h), "Prog ", in.v));
}

PairOutcome PairOperations::play(int code, const PairInputs& in)
{
    const PairDescriptor pair = pairOf(code);
    switch (pair.kind) {
    case PairKind::Pair:
        return pair.operation(in);
    case PairKind::NotAvailable: {
        PairOutcome out;
        out.readout = std::string(NotAvailableText);
        return out;
    }
    case PairKind::Nothing:
        break;
    }
    return {};
}

} // namespace kelmar
