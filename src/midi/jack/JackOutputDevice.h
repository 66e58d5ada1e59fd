#pragma once

#include <memory>

#include "midi/MidiBackend.h"

namespace kelmar {

class JackClient;

// Our JACK output port while it is connected to one peer port. Closing it
// lets what was sent go out, then disconnects.
class JackOutputDevice : public MidiOutputDevice {
public:
    // `client` has just connected its output port.
    explicit JackOutputDevice(std::shared_ptr<JackClient> client);
    ~JackOutputDevice() override;
    JackOutputDevice(const JackOutputDevice&) = delete;
    JackOutputDevice& operator=(const JackOutputDevice&) = delete;

    void send(const MidiBytes& message) override;
    bool isOpen() const override;

private:
    const std::shared_ptr<JackClient> client_;
};

} // namespace kelmar
