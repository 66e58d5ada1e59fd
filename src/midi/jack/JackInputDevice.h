#pragma once

#include <memory>

#include "midi/MidiBackend.h"

namespace kelmar {

class JackClient;

// Our JACK input port while one peer port is connected to it and what it
// sends goes into a MidiInputQueue. Closing it disconnects; nothing reaches
// the queue afterwards.
class JackInputDevice : public MidiInputDevice {
public:
    using Interface = MidiInputDevice;

    // `client` has just connected its input port.
    explicit JackInputDevice(std::shared_ptr<JackClient> client);
    ~JackInputDevice() override;
    JackInputDevice(const JackInputDevice&) = delete;
    JackInputDevice& operator=(const JackInputDevice&) = delete;

    bool isOpen() const override;

private:
    const std::shared_ptr<JackClient> client_;
};

} // namespace kelmar
