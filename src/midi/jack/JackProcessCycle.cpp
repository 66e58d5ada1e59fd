#include "midi/jack/JackProcessCycle.h"

#include <jack/midiport.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "midi/AudioHost.h"
#include "midi/MidiInputQueue.h"
#include "midi/OutputBackpressure.h"

namespace kelmar {

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// How long releasing the input waits for a callback still using its queue
// (callbacks never block, so this is only a bound).
constexpr auto ReleaseWait = 100ms;

} // namespace

int JackProcessCycle::process(jack_nframes_t frames, void* self) noexcept
{
    auto* cycle = static_cast<JackProcessCycle*>(self);
    cycle->lastCycle_.store(backpressure::now());
    cycle->missed_.count(cycle->client_, frames);
    cycle->writeOutput(frames);
    cycle->readInput(frames);
    cycle->writeAudio(frames);
    cycle->cycles_.fetch_add(1);
    return 0;
}

void JackProcessCycle::expectCycles() noexcept
{
    lastCycle_.store(backpressure::now());
}

// A period holds what the port buffer takes, and PipeWire's JACK takes less
// than JACK2 and fails worse: it turns each event into 16 bytes plus its
// data padded to 8 within a 32 KiB buffer, and drops the whole period,
// silently, once that overflows. Measured at 48 kHz, 256 frames: PipeWire
// 0.3.65 carried 1,364 three-byte events (1,366 vanished) and 272 of 100
// bytes; JACK2 1.9.21 refused the reserve beyond 2,727 and delivered all.
// The caps keep any mix of sizes within both (PipeWire: at most
// 23 * 1,000 + 8,192 of its 32,752 usable bytes).
void JackProcessCycle::writeOutput(jack_nframes_t frames) noexcept
{
    void* buffer = jack_port_get_buffer(outPort_, frames);
    jack_midi_clear_buffer(buffer);
    // Messages that do not fit this period stay queued, in order, for the next.
    std::size_t events = 0;
    std::size_t bytes = 0;
    while (const MidiBytes* message = outRing_.front()) {
        if (events == MaxPeriodEvents || bytes + message->size > MaxPeriodBytes
            || jack_midi_max_event_size(buffer) < message->size)
            break;
        jack_midi_data_t* slot = jack_midi_event_reserve(buffer, 0, message->size);
        if (!slot)
            break;
        std::copy_n(message->data.begin(), message->size, slot);
        outRing_.pop();
        ++events;
        bytes += message->size;
    }
}

void JackProcessCycle::readInput(jack_nframes_t frames) noexcept
{
    void* buffer = jack_port_get_buffer(inPort_, frames);
    const jack_nframes_t count = jack_midi_get_event_count(buffer);
    if (count == 0)
        return;
    withInputQueue([&](MidiInputQueue& queue) {
        for (jack_nframes_t i = 0; i < count; ++i) {
            jack_midi_event_t event;
            if (jack_midi_event_get(&event, buffer, i) == 0)
                queue.pushEvent({event.buffer, event.size});
        }
    });
}

void JackProcessCycle::writeAudio(jack_nframes_t frames) noexcept
{
    if (!audioReady_.load())
        return;
    auto* left = static_cast<float*>(jack_port_get_buffer(audioPorts_[0], frames));
    auto* right = static_cast<float*>(jack_port_get_buffer(audioPorts_[1], frames));
    rendererUsers_.fetch_add(1);
    if (AudioRenderer* renderer = renderer_.load()) {
        renderer->renderAudio(frames, left, right);
    } else {
        std::fill_n(left, frames, 0.0F);
        std::fill_n(right, frames, 0.0F);
    }
    rendererUsers_.fetch_sub(1);
}

void JackProcessCycle::releaseInputQueue() noexcept
{
    inputQueue_.store(nullptr);
    const auto deadline = Clock::now() + ReleaseWait;
    while (inputQueueUsers_.load() != 0 && Clock::now() < deadline)
        std::this_thread::sleep_for(50us);
}

void JackProcessCycle::setAudioPorts(jack_port_t* left, jack_port_t* right) noexcept
{
    audioPorts_[0] = left;
    audioPorts_[1] = right;
    audioReady_.store(true);
}

// A render takes less than a period and never waits, so this ends soon.
void JackProcessCycle::detachRenderer() noexcept
{
    renderer_.store(nullptr);
    while (rendererUsers_.load() != 0)
        std::this_thread::sleep_for(50us);
}

} // namespace kelmar
