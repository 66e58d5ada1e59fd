#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <thread>

#include "midi/MidiMessage.h"
#include "midi/SpscRing.h"

namespace kelmar {

// Sends messages to a device on a thread of its own, so that a device that
// takes them slowly (a sequencer port feeding a 31,250-baud cable) never
// holds up the window. send() only queues, following OutputBackpressure.h;
// the thread writes the messages in order and tries a refused one again
// until the device takes it.
class OutputSender {
public:
    // Writes one message to the device; false when the device refused it
    // for now (its own queue is full). Called on the sender's thread only.
    using Write = std::function<bool(const MidiBytes&)>;

    // Holds a full all-notes-off sweep (2,048 messages) and more.
    static constexpr std::size_t Capacity = 4096;
    // How long closing waits for the queued messages to go out.
    static constexpr std::chrono::milliseconds ClosePatience{1000};

    explicit OutputSender(Write write);
    // Lets what is queued go out, for at most ClosePatience and only while
    // the device keeps taking messages, then stops the thread.
    ~OutputSender();
    OutputSender(const OutputSender&) = delete;
    OutputSender& operator=(const OutputSender&) = delete;

    // Queues one message (one thread only, the device's user). Drops it,
    // counted, when the queue is full and the device has stopped taking any.
    void send(const MidiBytes& message);
    // Messages dropped by send() since the sender was made.
    std::uint64_t dropped() const { return dropped_.load(std::memory_order_relaxed); }

private:
    void run();
    bool deliver(const MidiBytes& message);
    bool givingUp() const;

    Write write_;
    SpscRing<MidiBytes, Capacity> queue_;
    // The moment (backpressure::now()) of the last successful write, or of
    // the last send() into an empty queue: until then the device had kept up.
    std::atomic<std::int64_t> lastTaken_;
    std::atomic<std::uint64_t> dropped_{0};
    std::atomic<std::uint32_t> signal_{0}; // bumped for every queued message and for closing
    std::atomic<bool> closing_{false};
    std::atomic<std::int64_t> closeDeadline_{0};
    std::thread thread_;
};

} // namespace kelmar
