#pragma once

#include <chrono>
#include <cstdint>
#include <thread>

namespace kelmar {

// What an output device does when its queue of messages waiting to go out is
// full. While the device is still taking messages, the sender waits for room
// (a working device makes room within a period or so); once the device has
// taken nothing for StallLimit (a stopped server, a dead cable), what does
// not fit is dropped at once, so a send never holds up the window. Dropped
// messages are counted by the device and reported to the user; what is
// queued keeps its order.
namespace backpressure {

inline constexpr std::chrono::milliseconds StallLimit{250};

// A moment as devices record it for the sender: steady-clock nanoseconds,
// kept in a std::atomic<std::int64_t>. Reading it is real-time safe.
inline std::int64_t now() noexcept
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// True when a device whose last take was at `lastTaken` (see now()) counts
// as stalled.
inline bool stalled(std::int64_t lastTaken) noexcept
{
    return now() - lastTaken >= std::chrono::nanoseconds(StallLimit).count();
}

// Queues one message with `tryPush` (true once queued). When the queue is
// full, retries in short steps for as long as the device keeps taking
// messages (`lastTaken()` returns the moment of its last take). Returns
// false when the message had to be dropped.
template <typename TryPush, typename LastTaken>
bool queueOrDrop(TryPush&& tryPush, LastTaken&& lastTaken)
{
    using namespace std::chrono_literals;
    while (!tryPush()) {
        if (stalled(lastTaken()))
            return false;
        std::this_thread::sleep_for(200us);
    }
    return true;
}

} // namespace backpressure

} // namespace kelmar
