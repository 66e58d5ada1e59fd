#pragma once

#include <future>
#include <memory>
#include <string>
#include <vector>

#include "midi/MidiBackend.h"

namespace kelmar {

class JackClient;

// MIDI through a JACK server (or PipeWire's JACK library): one client with
// one MIDI output port and one MIDI input port. The devices are the other
// clients' MIDI ports by full name; opening one connects our port to it.
class JackBackend : public MidiBackend {
public:
    explicit JackBackend(std::string clientName = "Kelmar");
    ~JackBackend() override; // waits for an open still under way

    // Starts opening the client on a thread of its own, so that waiting for
    // the server's answer (tens of milliseconds) overlaps the caller's own
    // start; the first listing or open takes the result.
    void openInBackground();

    std::vector<std::string> outputNames() override;
    std::vector<std::string> inputNames() override;
    OpenResult<MidiOutputDevice> openOutput(const std::string& name) override;
    OpenResult<MidiInputDevice> openInput(const std::string& name, MidiInputQueue& queue) override;

private:
    // The client, opened on first use; null while no server answers.
    std::shared_ptr<JackClient> client();

    std::string clientName_;
    std::shared_ptr<JackClient> client_;
    std::future<std::shared_ptr<JackClient>> opening_; // declared last: joined first
};

} // namespace kelmar
