#pragma once

#include <cstdint>
#include <memory>

#include "midi/MidiBackend.h"

namespace kelmar {

class JackClient;

// Our JACK output port while it is connected to one peer port. Closing it
// lets what was sent go out, then disconnects.
class JackOutputDevice : public MidiOutputDevice {
public:
    using Interface = MidiOutputDevice;

    // `client` has just connected (or holds the link for) its output port.
    explicit JackOutputDevice(std::shared_ptr<JackClient> client);
    ~JackOutputDevice() override;
    JackOutputDevice(const JackOutputDevice&) = delete;
    JackOutputDevice& operator=(const JackOutputDevice&) = delete;

    void send(const MidiBytes& message) override;
    bool isOpen() const override;
    std::uint64_t dropped() const override;

private:
    const std::shared_ptr<JackClient> client_;
    const std::uint64_t droppedBefore_; // the client's count when this opened
};

} // namespace kelmar
