#include "app/GeneralControls.h"

#include <algorithm>

#include "app/GeneralControlsView.h"
#include "midi/MidiMessageLayer.h"

namespace kelmar {

namespace {
int toDataRange(int value)
{
    return std::clamp(value, 0, 127);
}
} // namespace

GeneralControls::GeneralControls(MidiMessageLayer& midi, GeneralControlsView& view)
    : midi_(midi)
    , view_(view)
{
}

QString GeneralControls::valueText(int value)
{
    return QStringLiteral(" ") + QString::number(value);
}

void GeneralControls::channelChanged(int value)
{
    ChannelState& state = midi_.channels();
    state.CurrentChannel = static_cast<std::int16_t>(std::clamp(value, 0, 15));
    const auto c = static_cast<std::size_t>(state.CurrentChannel);
    view_.showChannel(valueText(state.CurrentChannel + 1));
    // Each of these runs its own handling when the value changes; the
    // handling rewrites channel c's entries with the values they hold.
    view_.setPatchPosition(state.ChannelPatch[c]);
    view_.setVolumeScroll(state.ChannelVolume[c]);
    view_.setPanScroll(state.ChannelPan[c]);
    view_.setOctaveScroll(state.ChannelOctaveOffset[c] / 12);
}

void GeneralControls::volumeChanged(int value)
{
    ChannelState& state = midi_.channels();
    state.ChannelVolume[static_cast<std::size_t>(state.CurrentChannel)] = static_cast<std::int16_t>(value);
    view_.showVolume(valueText(value));
}

void GeneralControls::octaveChanged(int value)
{
    ChannelState& state = midi_.channels();
    view_.showOctave(valueText(value));
    state.ChannelOctaveOffset[static_cast<std::size_t>(state.CurrentChannel)] = static_cast<std::int16_t>(value * 12);
}

void GeneralControls::panChanged(int value)
{
    ChannelState& state = midi_.channels();
    const auto c = static_cast<std::size_t>(state.CurrentChannel);
    state.ChannelPan[c] = static_cast<std::int16_t>(value);
    view_.showPan(valueText(state.ChannelPan[c]));
    midi_.SendPan();
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
    view_.setPanScroll(64);
}

void GeneralControls::allNotesOff()
{
    midi_.AllNotesOffSweep();
}

void GeneralControls::setPatchPosition(int programme)
{
    view_.setPatchPosition(toDataRange(programme));
}

void GeneralControls::setVolumeScroll(int value)
{
    view_.setVolumeScroll(toDataRange(value));
}

void GeneralControls::setPanScroll(int value)
{
    view_.setPanScroll(toDataRange(value));
}

} // namespace kelmar
