#include "midi/MidiMessage.h"

#include "midi/MidiCodes.h"

namespace kelmar {

int messageLength(int status)
{
    if (status < 0x80 || status > 0xFF)
        return 0;
    switch (status & 0xF0) {
    case midi::NoteOff:
    case midi::NoteOn:
    case midi::KeyPressure:
    case midi::ControlChange:
    case midi::PitchBend:
        return 3;
    case midi::ProgramChange:
    case midi::ChannelPressure:
        return 2;
    default:
        break;
    }
    switch (status) {
    case 0xF1: // time code quarter frame
    case 0xF3: // song select
        return 2;
    case 0xF2: // song position
        return 3;
    case 0xF6: // tune request
    case 0xF8: case 0xFA: case 0xFB: case 0xFC: case 0xFE: case 0xFF:
        return 1;
    default: // 0xF0 and 0xF7 (system exclusive), 0xF4, 0xF5, 0xF9, 0xFD (undefined)
        return 0;
    }
}

std::optional<MidiBytes> encodeShortMessage(int status, const MidiValue& data1, const MidiValue& data2)
{
    const int length = messageLength(status);
    if (length == 0)
        return std::nullopt;
    MidiBytes out;
    out.data[0] = static_cast<std::uint8_t>(status);
    out.size = static_cast<std::uint8_t>(length);
    const MidiValue* fields[] = {&data1, &data2};
    for (int k = 1; k < length; ++k) {
        const auto byte = fields[k - 1]->dataByte();
        if (!byte)
            return std::nullopt;
        out.data[static_cast<std::size_t>(k)] = *byte;
    }
    return out;
}

} // namespace kelmar
