#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "midi/MidiMessage.h"

namespace kelmar {

class MidiInputQueue;

// An output device that is open. Destroying it closes it: what was sent
// before is delivered first, then the device is let go.
class MidiOutputDevice {
public:
    virtual ~MidiOutputDevice() = default;
    // Puts one complete message on the way. Must not block for long and must
    // not lose the message while the device is working.
    virtual void send(const MidiBytes& message) = 0;
    // False once the device has gone away (server shut down, port removed).
    virtual bool isOpen() const = 0;
    // Messages dropped since the open because the device had stopped taking
    // any while its queue was full (see OutputBackpressure.h).
    virtual std::uint64_t dropped() const { return 0; }
};

// An input device that is open and feeding a MidiInputQueue. Destroying it
// closes it; no message is pushed after the destructor returns.
class MidiInputDevice {
public:
    virtual ~MidiInputDevice() = default;
    virtual bool isOpen() const = 0;
};

template <typename Device>
struct OpenResult {
    std::unique_ptr<Device> device; // null when the open failed
    std::string error;              // why it failed, readable
};

// One family of MIDI devices (the built-in synthesizer, JACK, the ALSA
// sequencer). Device names are unique within a backend and identify it.
class MidiBackend {
public:
    virtual ~MidiBackend() = default;
    virtual std::vector<std::string> outputNames() = 0;
    virtual std::vector<std::string> inputNames() = 0;
    virtual OpenResult<MidiOutputDevice> openOutput(const std::string& name) = 0;
    virtual OpenResult<MidiInputDevice> openInput(const std::string& name, MidiInputQueue& queue) = 0;

    // A short sentence for the user while the backend cannot list all its
    // devices (a server that does not answer); empty otherwise.
    virtual std::string notice() const { return {}; }
    // `changed` is called, on any thread, when the device lists or the
    // notice have changed by themselves (a server that answered late).
    // Null stops that; once this returns, the old one is no longer called.
    virtual void setListsChanged(std::function<void()> changed) { (void)changed; }
};

} // namespace kelmar
