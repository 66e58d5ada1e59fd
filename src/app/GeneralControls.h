#pragma once

#include <QString>

#include "midi/ChannelControls.h"

namespace kelmar {

class GeneralControlsView;
class MidiMessageLayer;

// The handling of the general channel controls: the channel bar brings the
// channel's stored settings back into the controls; programme and pan are
// sent at once, volume and octave are only stored and shown.
// Incoming MIDI (MidiThru) moves the same controls through ChannelControls.
class GeneralControls : public ChannelControls {
public:
    GeneralControls(MidiMessageLayer& midi, GeneralControlsView& view);

    // Value boxes show a blank (the sign place) before the number.
    static QString valueText(int value);

    void channelChanged(int value); // MidiChannelScroll
    void volumeChanged(int value);  // VolumeScroll
    void octaveChanged(int value);  // OctaveScroll
    void panChanged(int value);     // PanScroll
    void patchPicked(int position); // ComboPatch or FavouritePatch
    void panCentre();               // Command1
    void allNotesOff();             // AllOff

    // ChannelControls: what MidiThru applies on the current channel.
    void setPatchPosition(int programme) override;
    void setVolumeScroll(int value) override;
    void setPanScroll(int value) override;

private:
    MidiMessageLayer& midi_;
    GeneralControlsView& view_;
};

} // namespace kelmar
