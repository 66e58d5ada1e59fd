#pragma once

#include <QString>

namespace kelmar {

// What the general channel controls' handling does to the controls. Setting
// a bar's value or the patch list's position runs that control's handling
// again when, and only when, the value changes.
class GeneralControlsView {
public:
    virtual ~GeneralControlsView() = default;
    virtual void showChannel(const QString& text) = 0; // MIDIChannelOutLabel
    virtual void showVolume(const QString& text) = 0;  // LabelVolume
    virtual void showOctave(const QString& text) = 0;  // LabelOctave
    virtual void showPan(const QString& text) = 0;     // LabelPan
    virtual void setPatchPosition(int position) = 0;   // ComboPatch
    virtual void setVolumeScroll(int value) = 0;       // VolumeScroll
    virtual void setOctaveScroll(int value) = 0;       // OctaveScroll
    virtual void setPanScroll(int value) = 0;          // PanScroll
};

} // namespace kelmar
