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
    // Why a device that is no longer open cannot play, where it failed
    // (a synthesizer that could not start) rather than went away; empty
    // otherwise.
    virtual std::string failure() const { return {}; }
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
    OpenResult(std::unique_ptr<Device> opened = nullptr, std::string why = {}, std::string waiting = {})
        : device(std::move(opened))
        , error(std::move(why))
        , pending(std::move(waiting))
    {
    }

    std::unique_ptr<Device> device; // null when the open failed
    std::string error;              // why it failed, readable
    // With a device: what it still waits for before it carries anything
    // (a peer that is not there, a link the server has not run yet),
    // readable; empty once it works.
    std::string pending;
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
    // Open a device that was chosen but is not listed now (its program has
    // quit or is restarting): the device is linked by itself once a device
    // of that name is back, and says so in `pending` until then. Backends
    // that cannot follow a device by name refuse.
    virtual OpenResult<MidiOutputDevice> openAbsentOutput(const std::string& name)
    {
        return {nullptr, "\"" + name + "\" is not there.", {}};
    }
    virtual OpenResult<MidiInputDevice> openAbsentInput(const std::string& name, MidiInputQueue& queue)
    {
        (void)queue;
        return {nullptr, "\"" + name + "\" is not there.", {}};
    }

    // A short sentence for the user while the backend cannot list all its
    // devices (a server that does not answer); empty otherwise.
    virtual std::string notice() const { return {}; }
    // `changed` is called, on any thread, when the device lists or the
    // notice have changed by themselves (a server that answered late).
    // Null stops that; once this returns, the old one is no longer called.
    virtual void setListsChanged(std::function<void()> changed) { (void)changed; }
};

} // namespace kelmar
