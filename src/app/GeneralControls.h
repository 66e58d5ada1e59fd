#pragma once

#include <QString>

#include "midi/ChannelControls.h"

namespace kelmar {

class MidiMessageLayer;

// The handling of the main window's general channel controls, apart from
// their widgets: what each control stores in the channel state and sends,
// and what its value box shows. The channel bar brings the channel's stored
// settings back into the other controls; programme and pan are sent at
// once, volume and octave are only stored and shown.
// Incoming MIDI (MidiThru) moves the same controls through ChannelControls.
class GeneralControls : public ChannelControls {
public:
    // The controls the handling moves. Moving one to a new value runs its
    // handling at once; moving it to the value it holds does nothing, as
    // QScrollBar::setValue and QComboBox::setCurrentIndex do.
    class Controls {
    public:
        virtual void setPatchPosition(int position) = 0; // ComboPatch
        virtual void setVolumeScroll(int value) = 0;      // VolumeScroll
        virtual void setOctaveScroll(int value) = 0;      // OctaveScroll
        virtual void setPanScroll(int value) = 0;         // PanScroll

    protected:
        ~Controls() = default;
    };

    GeneralControls(MidiMessageLayer& midi, Controls& controls);

    // Value boxes show a blank (the sign place) before the number.
    static QString valueText(int value);

    // Each bar's handling returns what its value box then shows.
    QString channelChanged(int value); // MidiChannelScroll, MIDIChannelOutLabel
    QString volumeChanged(int value);  // VolumeScroll, LabelVolume
    QString octaveChanged(int value);  // OctaveScroll, LabelOctave
    QString panChanged(int value);     // PanScroll, LabelPan
    void patchPicked(int position);    // ComboPatch or FavouritePatch
    void panCentre();                  // Command1
    void allNotesOff();                // AllOff

    // ChannelControls: what MidiThru applies on the current channel, kept
    // in the data range so a list never gets a position it lacks.
    void setPatchPosition(int programme) override;
    void setVolumeScroll(int value) override;
    void setPanScroll(int value) override;

private:
    MidiMessageLayer& midi_;
    Controls& controls_;
};

} // namespace kelmar
