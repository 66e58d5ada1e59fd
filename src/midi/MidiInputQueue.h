#pragma once

#include <atomic>
#include <cstdint>
#include <span>

#include "midi/MidiMessage.h"
#include "midi/SpscRing.h"

namespace kelmar {

// Carries incoming messages from a backend's thread to the UI thread.
// The producer side is real-time safe: no locks, no allocation, no Qt; it
// wakes the UI thread through an eventfd, at most once per pending wake-up.
class MidiInputQueue {
public:
    static constexpr std::size_t Capacity = 16384;

    MidiInputQueue();
    ~MidiInputQueue();
    MidiInputQueue(const MidiInputQueue&) = delete;
    MidiInputQueue& operator=(const MidiInputQueue&) = delete;

    // --- producer side (one backend thread at a time) ---
    // Splits a received event into messages and queues those input keeps,
    // while accepting; messages that do not fit are counted as an overflow.
    void pushEvent(std::span<const std::uint8_t> bytes) noexcept;
    // Reports an error code (below 32) to the UI thread.
    void reportError(int code) noexcept;

    // --- consumer side (UI thread) ---
    void setAccepting(bool accepting) noexcept { accepting_.store(accepting); }
    bool accepting() const noexcept { return accepting_.load(); }
    std::size_t size() const noexcept { return ring_.size(); }
    const InputMessage* front() const noexcept { return ring_.front(); }
    void pop() noexcept { ring_.pop(); }
    void clear() noexcept;
    // Descriptor that becomes readable when there is news; -1 if unavailable.
    int wakeDescriptor() const noexcept { return wakeFd_; }
    // Clears the wake-up so the next news wakes again.
    void acknowledgeWake() noexcept;
    // Error codes reported since the last call, as a bit set (bit n = code n).
    std::uint32_t takeErrors() noexcept;

private:
    void wake() noexcept;

    SpscRing<InputMessage, Capacity> ring_;
    std::atomic<bool> accepting_{false};
    std::atomic<bool> wakePending_{false};
    std::atomic<std::uint32_t> errors_{0};
    int wakeFd_ = -1;
};

} // namespace kelmar
