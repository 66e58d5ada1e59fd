#pragma once

#include <jack/jack.h>

#include <atomic>
#include <cstdint>

namespace kelmar {

// Counts the process cycles a JACK client missed: whole periods that passed,
// by the server's frame clock, between two of its callbacks. PipeWire runs
// its graph on without a client that is late, and what that client's ports
// held then is lost. count() runs in the process callback (no lock, no
// allocation); missed() on any thread.
class MissedCycles {
public:
    void count(jack_client_t* client, jack_nframes_t frames) noexcept
    {
        const jack_nframes_t frame = jack_last_frame_time(client);
        if (ranBefore_ && frames > 0 && frame - lastFrame_ > frames)
            missed_.fetch_add((frame - lastFrame_) / frames - 1);
        lastFrame_ = frame;
        ranBefore_ = true;
    }
    std::uint64_t missed() const noexcept { return missed_.load(); }

private:
    std::atomic<std::uint64_t> missed_{0};
    jack_nframes_t lastFrame_ = 0; // the callback's own
    bool ranBefore_ = false;
};

} // namespace kelmar
