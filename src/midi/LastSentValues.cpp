#include "midi/LastSentValues.h"

#include "midi/MidiCodes.h"

namespace kelmar {

namespace {
constexpr std::uint8_t SystemReset = 0xFF;
} // namespace

void LastSentValues::record(const MidiBytes& message)
{
    const std::uint8_t status = message.data[0];
    if (status == SystemReset) {
        forget();
        return;
    }
    const auto channel = static_cast<std::size_t>(status & 0x0F);
    const auto data1 = static_cast<std::int8_t>(message.data[1]);
    const auto data2 = static_cast<std::int8_t>(message.data[2]);
    switch (status & 0xF0) {
    case midi::ProgramChange:
        programme_[channel] = data1;
        break;
    case midi::ControlChange:
        // the receiver puts its controllers back to values of its own
        if (message.data[1] == midi::ResetAllControllers)
            forgetControllers(channel);
        else
            controllers_[channel][message.data[1]] = data2;
        break;
    case midi::PitchBend:
        pitchBend_[channel] = static_cast<std::int16_t>(message.data[1] | (message.data[2] << 7));
        break;
    default:
        break;
    }
}

void LastSentValues::forget()
{
    programme_.fill(Unknown);
    for (std::size_t c = 0; c < ChannelCount; ++c)
        forgetControllers(c);
}

void LastSentValues::forgetControllers(std::size_t channel)
{
    controllers_[channel].fill(Unknown);
    pitchBend_[channel] = Unknown;
}

int LastSentValues::programme(int channel) const
{
    return isChannel(channel) ? programme_[static_cast<std::size_t>(channel)] : Unknown;
}

int LastSentValues::controller(int channel, int number) const
{
    if (!isChannel(channel) || number < 0 || number > 127)
        return Unknown;
    return controllers_[static_cast<std::size_t>(channel)][static_cast<std::size_t>(number)];
}

int LastSentValues::pitchBend(int channel) const
{
    return isChannel(channel) ? pitchBend_[static_cast<std::size_t>(channel)] : Unknown;
}

} // namespace kelmar
