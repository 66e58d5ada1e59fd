#pragma once

#include <QMetaObject>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "midi/ChannelState.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiOutputPort.h"
#include "midi/MidiValue.h"

namespace kelmar {

class ChannelControls;

// The procedures through which the program sends, receives and opens MIDI,
// over the two ports, and the channel state they read and write.
class MidiMessageLayer {
public:
    MidiMessageLayer(MidiOutputPort& out, MidiInputPort& in);
    ~MidiMessageLayer();
    MidiMessageLayer(const MidiMessageLayer&) = delete;
    MidiMessageLayer& operator=(const MidiMessageLayer&) = delete;

    ChannelState& channels() { return channels_; }
    const ChannelState& channels() const { return channels_; }
    MidiOutputPort& output() { return out_; }
    MidiInputPort& input() { return in_; }

    // Controls that MidiThru sets; none until the main window exists.
    void setControls(ChannelControls* controls) { controls_ = controls; }
    // Shows an input error, or a problem the output met while sending, to the user.
    void setErrorPresenter(std::function<void(const std::string&)> show)
    {
        out_.setProblemReporter(show);
        showError_ = std::move(show);
    }
    // Ends the program; called last by CloseMidi.
    void setProgramEnd(std::function<void()> end) { endProgram_ = std::move(end); }

    void SendMidi(int status, const MidiValue& data1, const MidiValue& data2);
    void SendProgramChange();
    void SendPan();
    void AllNotesOffSweep();
    // How many sweeps have run so far, so that whoever keeps track of
    // sounding notes can tell that they were all silenced.
    std::uint64_t sweepCount() const { return sweeps_; }

    std::vector<std::string> ListMidiOutDevices();
    std::vector<std::string> ListMidiInDevices();
    void OpenMidiOut(int position);
    void OpenMidiIn(int position);
    void CloseMidi();

    // Most messages one MidiThru handles; the input port raises its event
    // again for the rest, so the window keeps responding during a flood.
    static constexpr int ThruBatch = 256;

    // Echoes or applies up to ThruBatch queued input messages, oldest first.
    void MidiThru();
    void ReportMidiInError(int code, const std::string& text);

private:
    MidiOutputPort& out_;
    MidiInputPort& in_;
    ChannelState channels_;
    std::uint64_t sweeps_ = 0;
    ChannelControls* controls_ = nullptr;
    std::function<void(const std::string&)> showError_;
    std::function<void()> endProgram_;
    QMetaObject::Connection arrived_;
    QMetaObject::Connection error_;
};

} // namespace kelmar
