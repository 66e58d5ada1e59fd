#pragma once

namespace kelmar {

// The main window's controls that incoming MIDI moves. Setting one runs that
// control's own change handling at once, when its value actually changes.
class ChannelControls {
public:
    virtual ~ChannelControls() = default;
    virtual void setPatchPosition(int programme) = 0; // ComboPatch
    virtual void setVolumeScroll(int value) = 0;      // VolumeScroll
    virtual void setPanScroll(int value) = 0;         // PanScroll
};

} // namespace kelmar
