#include "app/GeneralControls.h"

#include <algorithm>

#include "midi/MidiMessageLayer.h"

namespace kelmar {

namespace {
int toDataRange(int value)
{
    return std::clamp(value, 0, 127);
}
} // namespace

GeneralControls::GeneralControls(MidiMessageLayer& midi, Controls& controls)
    : midi_(midi)
    , controls_(controls)
{
}

QString GeneralControls::valueText(int value)
{
    return QStringLiteral(" ") + QString::number(value);
}

QString GeneralControls::channelChanged(int value)
{
    ChannelState& state = midi_.channels();
    state.CurrentChannel = static_cast<std::int16_t>(std::clamp(value, 0, 15));
    const auto c = static_cast<std::size_t>(state.CurrentChannel);
    // Each of these runs its own handling when the value changes; the
    // handling rewrites channel c's entries with the values they hold.
    controls_.setPatchPosition(state.ChannelPatch[c]);
    controls_.setVolumeScroll(state.ChannelVolume[c]);
    controls_.setPanScroll(state.ChannelPan[c]);
    controls_.setOctaveScroll(state.ChannelOctaveOffset[c] / 12);
    return valueText(state.CurrentChannel + 1);
}

QString GeneralControls::volumeChanged(int value)
{
    ChannelState& state = midi_.channels();
    state.ChannelVolume[static_cast<std::size_t>(state.CurrentChannel)] = static_cast<std::int16_t>(value);
    return valueText(value);
}

QString GeneralControls::octaveChanged(int value)
{
    ChannelState& state = midi_.channels();
    state.ChannelOctaveOffset[static_cast<std::size_t>(state.CurrentChannel)] = static_cast<std::int16_t>(value * 12);
    return valueText(value);
}

QString GeneralControls::panChanged(int value)
{
    ChannelState& state = midi_.channels();
    const auto c = static_cast<std::size_t>(state.CurrentChannel);
    state.ChannelPan[c] = static_cast<std::int16_t>(value);
    midi_.SendPan();
    return valueText(state.ChannelPan[c]);
}

void GeneralControls::patchPicked(int position)
{
    ChannelState& state = midi_.channels();
    state.ChannelPatch[static_cast<std::size_t>(state.CurrentChannel)] = static_cast<std::int16_t>(position);
    midi_.SendProgramChange();
}

void GeneralControls::panCentre()
{
    ChannelState& state = midi_.channels();
    state.ChannelPan[static_cast<std::size_t>(state.CurrentChannel)] = 64;
    controls_.setPanScroll(64);
}

void GeneralControls::allNotesOff()
{
    midi_.AllNotesOffSweep();
}

void GeneralControls::setPatchPosition(int programme)
{
    controls_.setPatchPosition(toDataRange(programme));
}

void GeneralControls::setVolumeScroll(int value)
{
    controls_.setVolumeScroll(toDataRange(value));
}

void GeneralControls::setPanScroll(int value)
{
    controls_.setPanScroll(toDataRange(value));
}

} // namespace kelmar
