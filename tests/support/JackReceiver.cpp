#include "support/JackReceiver.h"

#include <jack/midiport.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <thread>

#include "midi/SpscRing.h"
#include "midi/jack/MissedCycles.h"

namespace kelmar::test {

namespace {

struct StoredEvent {
    std::uint64_t microseconds = 0; // jack_get_time() of the cycle that brought it
    std::uint32_t size = 0; // as received; bytes beyond MaxEventBytes are not kept
    std::array<std::uint8_t, JackReceiver::MaxEventBytes> bytes{};
};

struct Batch {
    std::uint32_t count = 0;
    std::array<StoredEvent, JackReceiver::MaxBatch> events{};
};

} // namespace

// What the process callback shares with the test thread.
struct JackReceiver::Shared {
    SpscRing<StoredEvent, Capacity> in;
    SpscRing<Batch, 64> out;
    std::atomic<std::uint64_t> arrived{0};
    std::atomic<std::uint64_t> dropped{0};
    std::atomic<std::uint64_t> cycles{0};
    MissedCycles missed;
    jack_client_t* client = nullptr;
    jack_port_t* inPort = nullptr;
    jack_port_t* outPort = nullptr;
};

JackReceiver::JackReceiver(const std::string& name)
    : shared_(std::make_unique<Shared>())
{
    jack_client_t* client = jack_client_open(name.c_str(), JackNoStartServer, nullptr);
    if (!client)
        return;
    shared_->client = client;
    shared_->inPort = jack_port_register(client, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    shared_->outPort = jack_port_register(client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    if (!shared_->inPort || !shared_->outPort
        || jack_set_process_callback(client, &JackReceiver::onProcess, shared_.get()) != 0
        || jack_activate(client) != 0) {
        jack_client_close(client);
        return;
    }
    client_ = client;
    name_ = jack_get_client_name(client);
    received_.reserve(Capacity);
}

std::uint64_t JackReceiver::missedCycles() const { return shared_->missed.missed(); }

JackReceiver::~JackReceiver()
{
    if (client_)
        jack_client_close(client_);
}

std::string JackReceiver::inputPort() const
{
    return name_ + ":in";
}

std::string JackReceiver::outputPort() const
{
    return name_ + ":out";
}

int JackReceiver::onProcess(jack_nframes_t frames, void* shared)
{
    auto& s = *static_cast<Shared*>(shared);
    s.cycles.fetch_add(1); // counted as it begins: events it brings count in
    s.missed.count(s.client, frames);
    void* in = jack_port_get_buffer(s.inPort, frames);
    const jack_nframes_t count = jack_midi_get_event_count(in);
    const jack_time_t now = count > 0 ? jack_get_time() : 0;
    for (jack_nframes_t i = 0; i < count; ++i) {
        jack_midi_event_t event;
        if (jack_midi_event_get(&event, in, i) != 0)
            continue;
        StoredEvent stored;
        stored.microseconds = now;
        stored.size = static_cast<std::uint32_t>(event.size);
        std::copy_n(event.buffer, std::min(event.size, MaxEventBytes), stored.bytes.begin());
        if (!s.in.push(stored))
            s.dropped.fetch_add(1);
        s.arrived.fetch_add(1);
    }

    void* out = jack_port_get_buffer(s.outPort, frames);
    jack_midi_clear_buffer(out);
    if (const Batch* batch = s.out.front()) {
        for (std::uint32_t i = 0; i < batch->count; ++i) {
            const StoredEvent& event = batch->events[i];
            jack_midi_event_write(out, 0, event.bytes.data(), event.size);
        }
        s.out.pop();
    }
    return 0;
}

void JackReceiver::drain()
{
    while (const StoredEvent* event = shared_->in.front()) {
        const auto kept = std::min<std::size_t>(event->size, MaxEventBytes);
        received_.emplace_back(event->bytes.begin(), event->bytes.begin() + static_cast<std::ptrdiff_t>(kept));
        receivedAt_.push_back(event->microseconds);
        shared_->in.pop();
    }
}

const std::vector<JackReceiver::Event>& JackReceiver::received()
{
    drain();
    return received_;
}

bool JackReceiver::waitFor(std::size_t count, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (received().size() < count) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void JackReceiver::clear()
{
    drain();
    received_.clear();
    receivedAt_.clear();
}

const std::vector<std::uint64_t>& JackReceiver::receivedAt()
{
    drain();
    return receivedAt_;
}

std::uint64_t JackReceiver::arrived() const
{
    return shared_->arrived.load();
}

std::uint64_t JackReceiver::dropped() const
{
    return shared_->dropped.load();
}

std::uint64_t JackReceiver::cycles() const
{
    return shared_->cycles.load();
}

bool JackReceiver::send(const std::vector<Event>& events)
{
    if (!client_ || events.size() > MaxBatch)
        return false;
    Batch batch;
    for (const auto& event : events) {
        if (event.empty() || event.size() > MaxEventBytes)
            return false;
        StoredEvent& stored = batch.events[batch.count++];
        stored.size = static_cast<std::uint32_t>(event.size());
        std::copy(event.begin(), event.end(), stored.bytes.begin());
    }
    return shared_->out.push(batch);
}

} // namespace kelmar::test
