#pragma once

#include <cstdint>

#include "midi/MidiMessage.h"

namespace kelmar {

// Sees every message the output port hands to its device (a take being
// recorded). Called on the sending thread, in the order the messages go
// out, with the steady_clock time at which the port took each one; it
// must return at once: it runs inside every send.
class MidiTap {
public:
    virtual void tapped(const MidiBytes& message, std::int64_t steadyNanoseconds) noexcept = 0;

protected:
    ~MidiTap() = default;
};

} // namespace kelmar
