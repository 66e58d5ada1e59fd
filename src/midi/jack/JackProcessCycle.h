#pragma once

#include <jack/jack.h>

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "midi/MidiMessage.h"
#include "midi/SpscRing.h"
#include "midi/jack/MissedCycles.h"

namespace kelmar {

class AudioRenderer;
class MidiInputQueue;

// Real-time part of a JACK client: its process callback, which each period
// moves queued messages out through the MIDI output port, pushes what the
// MIDI input port received into the open input's queue and has the audio
// host's renderer fill the audio outputs.
//
// Rules: process() runs on JACK's real-time thread. It takes no lock,
// allocates nothing and never waits; it shares with the other threads only
// the lock-free output ring and atomics. The sending thread pushes onto the
// ring; the notification thread may use the input queue through
// withInputQueue(), which is lock-free too. The rest belongs to the opening
// thread or the control thread as marked: of it only releaseInputQueue()
// and detachRenderer() wait, briefly, for a callback that is using what
// they take away.
class JackProcessCycle {
public:
    // Messages waiting to go out; room for many all-notes-off sweeps.
    static constexpr std::size_t OutputCapacity = 65536;
    // At most this many messages, and bytes, go out in one period: a bound
    // both JACK2 and PipeWire's JACK carry whole (see writeOutput).
    static constexpr std::size_t MaxPeriodEvents = 1000;
    static constexpr std::size_t MaxPeriodBytes = 8192;

    JackProcessCycle(jack_client_t* client, jack_port_t* outPort, jack_port_t* inPort) noexcept
        : client_(client), outPort_(outPort), inPort_(inPort)
    {
    }
    JackProcessCycle(const JackProcessCycle&) = delete;
    JackProcessCycle& operator=(const JackProcessCycle&) = delete;

    // JACK's process callback, with this cycle as `self`.
    static int process(jack_nframes_t frames, void* self) noexcept;

    // The sender: queues one message for the next periods; false when full.
    bool push(const MidiBytes& message) noexcept { return outRing_.push(message); }
    bool outputEmpty() const noexcept { return outRing_.empty(); }

    // Cycles completed, and when the last one began (backpressure::now()).
    std::uint64_t cycles() const noexcept { return cycles_.load(); }
    std::int64_t lastCycle() const noexcept { return lastCycle_.load(); }
    // Cycles the server ran without calling this client (see MissedCycles).
    std::uint64_t missedCycles() const noexcept { return missed_.missed(); }
    // Before activation: counts as running until the first cycles are due.
    void expectCycles() noexcept;

    // The opening thread: what the input port receives goes into `queue`.
    void setInputQueue(MidiInputQueue& queue) noexcept { inputQueue_.store(&queue); }
    // The opening thread: no push into the queue happens after this returns.
    void releaseInputQueue() noexcept;
    // Lock-free: calls `use` with the open input's queue, if there is one.
    template <typename Use>
    void withInputQueue(Use use) noexcept;

    // The control thread: the two audio outputs, once registered.
    void setAudioPorts(jack_port_t* left, jack_port_t* right) noexcept;
    bool hasAudioPorts() const noexcept { return audioReady_.load(); }
    jack_port_t* audioPort(int index) const noexcept { return audioPorts_[index]; }
    // The control thread: has each cycle call `renderer` from now on.
    void setRenderer(AudioRenderer& renderer) noexcept { renderer_.store(&renderer); }
    // Any thread: once this returns, no call to the renderer is under way.
    void detachRenderer() noexcept;

private:
    void writeOutput(jack_nframes_t frames) noexcept;
    void readInput(jack_nframes_t frames) noexcept;
    void writeAudio(jack_nframes_t frames) noexcept;

    jack_client_t* const client_;
    jack_port_t* const outPort_;
    jack_port_t* const inPort_;
    std::atomic<std::uint64_t> cycles_{0};
    std::atomic<std::int64_t> lastCycle_{0};
    MissedCycles missed_;
    SpscRing<MidiBytes, OutputCapacity> outRing_;
    // The open input's queue, and how many callbacks are using it right now.
    std::atomic<MidiInputQueue*> inputQueue_{nullptr};
    std::atomic<int> inputQueueUsers_{0};
    // The audio outputs (set before audioReady_) and what renders into
    // them, with how many callbacks are using it right now.
    jack_port_t* audioPorts_[2] = {nullptr, nullptr};
    std::atomic<bool> audioReady_{false};
    std::atomic<AudioRenderer*> renderer_{nullptr};
    std::atomic<int> rendererUsers_{0};
};

// The callbacks announce their use of the queue before they look at the
// pointer; whoever clears the pointer then waits until no use is announced,
// after which no callback can still hold the old queue.
template <typename Use>
void JackProcessCycle::withInputQueue(Use use) noexcept
{
    inputQueueUsers_.fetch_add(1);
    if (MidiInputQueue* queue = inputQueue_.load())
        use(*queue);
    inputQueueUsers_.fetch_sub(1);
}

} // namespace kelmar
