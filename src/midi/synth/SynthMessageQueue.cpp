#include "midi/synth/SynthMessageQueue.h"

#include <chrono>
#include <thread>

#include "midi/synth/ShadowChannels.h"

namespace kelmar {

SynthMessageQueue::SynthMessageQueue()
{
    queue_.reserve(64);
}

bool SynthMessageQueue::send(const MidiBytes& message, const ShadowChannels& shadows)
{
    bool queued = false;
    const auto tryPush = [this, &message, &shadows, &queued] {
        const std::lock_guard lock(mutex_);
        if (fastPath_ && !shadows.needsEngine(message)) {
            if (!toAudio_->push(message))
                return false;
        } else {
            if (queue_.size() >= Capacity)
                return false;
            queue_.push_back(message);
            fastPath_ = false; // what follows waits behind it
            queued = true;
        }
        ++sent_;
        return true;
    };
    if (!backpressure::queueOrDrop(tryPush, [this] { return lastTaken(); }))
        return false;
    if (queued)
        changed_.notify_one();
    return true;
}

void SynthMessageQueue::stop()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_one();
}

// Each swap counts as a take for the senders' back-pressure.
bool SynthMessageQueue::take(std::vector<MidiBytes>& batch, bool audioPlays)
{
    std::unique_lock lock(mutex_);
    batch.clear();
    if (queue_.empty() && audioPlays)
        fastPath_ = true;
    changed_.wait(lock, [this] { return !queue_.empty() || stopping_; });
    if (queue_.empty())
        return false; // stopping, and everything sent has been played
    batch.swap(queue_);
    noteProgress();
    return true;
}

void SynthMessageQueue::forward(const MidiBytes& message)
{
    const auto tryPush = [this, &message] {
        const std::lock_guard lock(mutex_);
        return toAudio_->push(message);
    };
    if (!backpressure::queueOrDrop(tryPush, [this] { return lastTaken(); }))
        notePlayed(1);
}

void SynthMessageQueue::countSent()
{
    const std::lock_guard lock(mutex_);
    ++sent_;
}

void SynthMessageQueue::waitUntilPlayed() const
{
    std::uint64_t sent = 0;
    {
        const std::lock_guard lock(mutex_);
        sent = sent_;
    }
    while (played_.load(std::memory_order_acquire) < sent)
        std::this_thread::sleep_for(std::chrono::microseconds(50));
}

} // namespace kelmar
