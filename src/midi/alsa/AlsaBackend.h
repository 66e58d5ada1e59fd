#pragma once

#include <memory>
#include <string>
#include <vector>

#include "midi/MidiBackend.h"

class RtMidiIn;
class RtMidiOut;

namespace kelmar {

class AlsaOwnPorts;
class AlsaPortWatch;

// MIDI through the ALSA sequencer, by RtMidi's ALSA API. Where there is no
// sequencer the lists are empty and nothing is opened. Our RtMidi clients
// carry clientName; the lists leave out the ports of clients by that name
// (our own ports, which must never be their own counterpart), and opening
// one of them fails. Where there is a sequencer, the port lists are
// watched (AlsaPortWatch) while someone listens for their changes, and the
// program has sequencer ports of its own for patchbays (AlsaOwnPorts).
class AlsaBackend : public MidiBackend {
public:
    explicit AlsaBackend(std::string clientName = "Kelmar");
    ~AlsaBackend() override;

    std::vector<std::string> outputNames() override;
    std::vector<std::string> inputNames() override;
    OpenResult<MidiOutputDevice> openOutput(const std::string& name) override;
    OpenResult<MidiInputDevice> openInput(const std::string& name, MidiInputQueue& queue) override;
    void setListsChanged(std::function<void()> changed) override;

    // True when `portName`, as RtMidi lists it, is a port of a client called `clientName`.
    static bool isOwnPort(const std::string& portName, const std::string& clientName);

private:
    std::string clientName_;
    std::unique_ptr<RtMidiOut> lister_;   // enumerates writable ports; null without ALSA
    std::unique_ptr<RtMidiIn> inLister_;  // enumerates readable ports; null without ALSA
    std::unique_ptr<AlsaPortWatch> watch_; // while someone listens and there is a sequencer
    std::shared_ptr<AlsaOwnPorts> own_;    // null without ALSA; shared with the open devices
};

} // namespace kelmar
