#include "midi/alsa/OutputSender.h"

#include "midi/OutputBackpressure.h"

namespace kelmar {

namespace {

// Pause before a refused message is tried again: about one message's time
// on a MIDI cable.
constexpr auto RetryPause = std::chrono::microseconds(500);

} // namespace

OutputSender::OutputSender(Write write)
    : write_(std::move(write))
    , lastTaken_(backpressure::now())
    , thread_([this] { run(); })
{
}

OutputSender::~OutputSender()
{
    closeDeadline_.store(backpressure::now() + std::chrono::nanoseconds(ClosePatience).count(),
                         std::memory_order_relaxed);
    closing_.store(true, std::memory_order_release);
    signal_.fetch_add(1, std::memory_order_release);
    signal_.notify_one();
    thread_.join();
}

void OutputSender::send(const MidiBytes& message)
{
    if (queue_.empty())
        lastTaken_.store(backpressure::now(), std::memory_order_relaxed);
    const bool queued = backpressure::queueOrDrop([&] { return queue_.push(message); },
                                                  [&] { return lastTaken_.load(std::memory_order_relaxed); });
    if (!queued) {
        dropped_.fetch_add(1, std::memory_order_relaxed);
        return;
    }
    signal_.fetch_add(1, std::memory_order_release);
    signal_.notify_one();
}

void OutputSender::run()
{
    for (;;) {
        const std::uint32_t seen = signal_.load(std::memory_order_acquire);
        while (const MidiBytes* message = queue_.front()) {
            if (!deliver(*message))
                return; // closing, and the device no longer takes messages
            queue_.pop();
        }
        if (closing_.load(std::memory_order_acquire))
            return;
        signal_.wait(seen, std::memory_order_acquire);
    }
}

bool OutputSender::deliver(const MidiBytes& message)
{
    if (givingUp())
        return false;
    while (!write_(message)) {
        if (givingUp())
            return false;
        std::this_thread::sleep_for(RetryPause);
    }
    lastTaken_.store(backpressure::now(), std::memory_order_relaxed);
    return true;
}

// True once closing has waited long enough: ClosePatience has passed, or
// the device has taken nothing for the stall limit.
bool OutputSender::givingUp() const
{
    if (!closing_.load(std::memory_order_acquire))
        return false;
    return backpressure::now() >= closeDeadline_.load(std::memory_order_relaxed) ||
           backpressure::stalled(lastTaken_.load(std::memory_order_relaxed));
}

} // namespace kelmar
