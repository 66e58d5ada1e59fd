#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "midi/MidiBackend.h"
#include "midi/jack/JackControl.h"

namespace kelmar {

class AudioHost;
class JackAudioHost;
class JackClient;

// MIDI through a JACK server (or PipeWire's JACK library): one client with
// one MIDI output port and one MIDI input port. The devices are the other
// clients' MIDI ports by full name; opening one connects our port to it.
//
// Whatever waits for the server's answer runs on the backend's JackControl
// thread; the caller waits for it at most OpenWait (opening the client,
// counted from when the open started) or JackClient::RequestWait
// (connecting). A server that does not answer in time leaves the JACK lists
// empty and a notice up; once it answers, the lists change (see
// MidiBackend::setListsChanged).
class JackBackend : public MidiBackend {
public:
    static constexpr std::chrono::milliseconds OpenWait{1000};

    explicit JackBackend(std::string clientName = "Kelmar");
    // Closes the client on the control thread, waiting for that only
    // briefly; a control thread held up by the server is left to itself.
    ~JackBackend() override;
    JackBackend(const JackBackend&) = delete;
    JackBackend& operator=(const JackBackend&) = delete;

    // Starts opening the client on the control thread, so that waiting for
    // the server's answer (tens of milliseconds) overlaps the caller's own
    // start; the first listing or open takes the result.
    void openInBackground();

    std::vector<std::string> outputNames() override;
    std::vector<std::string> inputNames() override;
    OpenResult<MidiOutputDevice> openOutput(const std::string& name) override;
    OpenResult<MidiInputDevice> openInput(const std::string& name, MidiInputQueue& queue) override;
    // A JACK port that is not there now is connected once a port of that
    // name appears (a synthesizer restarting).
    OpenResult<MidiOutputDevice> openAbsentOutput(const std::string& name) override;
    OpenResult<MidiInputDevice> openAbsentInput(const std::string& name, MidiInputQueue& queue) override;
    std::string notice() const override;
    void setListsChanged(std::function<void()> changed) override;

    // Process cycles the server ran without our client, whose events were
    // lost (see JackProcessCycle); 0 while no client is open.
    std::uint64_t missedCycles() const;

    // The client as an audio host for a synthesizer (see JackAudioHost);
    // attaching to it waits for the open that openInBackground() started.
    std::shared_ptr<AudioHost> audioHost() const;

    // True for a port through which PipeWire's ALSA sequencer bridge shows
    // one of the program's own ALSA ports (they carry its client name):
    // "Midi-Bridge:Kelmar:(capture_0) midi_out". Offering it would let the
    // program play into itself.
    static bool isBridgedOwnPort(const std::string& portName, const std::string& clientName);

private:
    std::vector<std::string> withoutOwn(std::vector<std::string> names) const;
    template <typename Device, typename Link>
    OpenResult<typename Device::Interface> openLinked(const std::string& name, Link link);

    // The client; null while no server answers, or none answered in time.
    std::shared_ptr<JackClient> client();

    using Opening = JackControl::Reply<std::shared_ptr<JackClient>>;

    std::string clientName_;
    std::shared_ptr<JackControl> control_;
    std::shared_ptr<JackAudioHost> audioHost_;
    std::shared_ptr<JackClient> client_;
    std::shared_ptr<Opening> opening_; // an open under way
    JackControl::Clock::time_point openDeadline_;
};

} // namespace kelmar
