#pragma once

#include <cstdint>

namespace kelmar {

// Renders stereo audio when an audio host asks, on the host's real-time
// thread: no locks, no allocation, no waiting.
class AudioRenderer {
public:
    // Writes `frames` frames into each of the two buffers.
    virtual void renderAudio(std::uint32_t frames, float* left, float* right) noexcept = 0;

protected:
    ~AudioRenderer() = default;
};

// Audio outputs of another backend that a synthesizer can play through
// instead of an audio driver of its own, so that one client of a sound
// server does both (JACK wakes every client each period). Safe to use from
// any thread; attach() waits a bounded time.
class AudioHost {
public:
    virtual ~AudioHost() = default;

    // Starts calling `renderer` once per period; returns the host's sample
    // rate, or 0 when it cannot play (no server, or none answered in time).
    // One renderer at a time.
    virtual int attach(AudioRenderer& renderer) = 0;
    // Stops calling the renderer; once this returns, no call is under way.
    virtual void detach() noexcept = 0;
};

} // namespace kelmar
