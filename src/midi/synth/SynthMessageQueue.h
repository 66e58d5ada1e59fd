#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "midi/MidiMessage.h"
#include "midi/OutputBackpressure.h"
#include "midi/SpscRing.h"

namespace kelmar {

class ShadowChannels;

// The synthesizer's messages on their way to the thread that plays them,
// and the senders' back-pressure (see OutputBackpressure.h).
//
// Two queues: the engine's thread's, taken in batches under a mutex, and a
// lock-free ring to the audio thread, which never takes that mutex.
// Senders, and the engine's thread forwarding what it took, push onto the
// ring under the mutex too, so that it has one producer at a time. Once the
// engine's thread holds nothing and the audio thread plays messages,
// senders put them straight onto the ring (the fast path) unless a message
// needs the engine's thread first; such a message closes the fast path, so
// that those sent after it wait behind it and everything plays in the order
// sent.
//
// Counts the messages sent and played, and keeps when a thread that plays
// them last took some (or the engine's thread last made progress with its
// start-up): a sender finding the queue full waits while that keeps
// happening.
class SynthMessageQueue {
public:
    // Messages that may wait for the engine's thread: 32 all-notes-off
    // sweeps of 2,048 messages each.
    static constexpr std::size_t Capacity = 65536;
    using AudioRing = SpscRing<MidiBytes, Capacity>;

    SynthMessageQueue();
    SynthMessageQueue(const SynthMessageQueue&) = delete;
    SynthMessageQueue& operator=(const SynthMessageQueue&) = delete;

    // Any thread: queues one message; false once it had to be dropped
    // (the queue full and nobody taking from it for backpressure::StallLimit).
    bool send(const MidiBytes& message, const ShadowChannels& shadows);

    // The engine's thread: hands every message sent to `play`, in order and
    // in batches, until stop() has been asked and all is played. With
    // `audioPlays`, opens the fast path whenever the queue runs empty.
    template <typename Play>
    void playAll(bool audioPlays, Play play);
    // Any thread: playAll() returns once the queue is empty.
    void stop();

    // The engine's thread: puts a message onto the audio thread's ring,
    // waiting while it is full and the audio thread takes from it; dropped
    // (counted as played) once it has not for backpressure::StallLimit.
    void forward(const MidiBytes& message);
    // The engine's thread: one message more counts as sent (one it adds).
    void countSent();

    // The consumer end of the ring, for the audio thread alone.
    AudioRing& toAudio() noexcept { return *toAudio_; }
    // Lock-free, for whichever thread plays messages.
    void notePlayed(std::uint64_t count) noexcept { played_.fetch_add(count, std::memory_order_release); }
    void noteProgress() noexcept { lastTaken_.store(backpressure::now(), std::memory_order_relaxed); }

    // Waits until every message sent before the call has been played.
    void waitUntilPlayed() const;

private:
    // While playing a batch, the engine's thread records its progress after
    // every so many messages, so that a sender finding the queue full waits
    // instead of dropping while a long batch plays.
    static constexpr std::size_t ProgressEvery = 64;

    // Waits for messages and swaps them into `batch` (whose capacity the
    // queue keeps, so senders wait at most for the swap); false once
    // stopping with nothing left.
    bool take(std::vector<MidiBytes>& batch, bool audioPlays);
    std::int64_t lastTaken() const noexcept { return lastTaken_.load(std::memory_order_relaxed); }

    mutable std::mutex mutex_;
    std::condition_variable changed_; // something to play, or stopping
    std::vector<MidiBytes> queue_; // under mutex_
    std::uint64_t sent_ = 0; // under mutex_
    bool stopping_ = false; // under mutex_
    bool fastPath_ = false; // under mutex_
    std::unique_ptr<AudioRing> toAudio_ = std::make_unique<AudioRing>();
    std::atomic<std::uint64_t> played_{0};
    std::atomic<std::int64_t> lastTaken_{backpressure::now()};
};

template <typename Play>
void SynthMessageQueue::playAll(bool audioPlays, Play play)
{
    std::vector<MidiBytes> batch;
    batch.reserve(64);
    while (take(batch, audioPlays)) {
        for (std::size_t i = 0; i < batch.size(); ++i) {
            play(batch[i]);
            if (i % ProgressEvery == ProgressEvery - 1)
                noteProgress(); // a long batch is still a take
        }
    }
}

} // namespace kelmar
