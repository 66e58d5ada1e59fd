#pragma once

#include <jack/jack.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kelmar::test {

// A JACK client of the tests' own with one MIDI input port ("in") and one
// MIDI output port ("out"). It keeps every event that reaches its input, in
// order and without loss (its process callback stores them in a large
// preallocated ring that the test thread drains), and it sends events from
// its output, several in one period when asked to.
class JackReceiver {
public:
    using Event = std::vector<std::uint8_t>;
    // Events kept between two drains, and bytes kept of each event.
    static constexpr std::size_t Capacity = 1 << 17;
    static constexpr std::size_t MaxEventBytes = 32;
    // Events that send() puts into one period.
    static constexpr std::size_t MaxBatch = 8;

    // Opens the client on the server JACK_DEFAULT_SERVER names; see ok().
    explicit JackReceiver(const std::string& name = "receiver");
    ~JackReceiver();
    JackReceiver(const JackReceiver&) = delete;
    JackReceiver& operator=(const JackReceiver&) = delete;

    bool ok() const { return client_ != nullptr; }
    // Full names of the ports, "name:in" and "name:out".
    std::string inputPort() const;
    std::string outputPort() const;

    // Every event received since the last clear(), in order.
    const std::vector<Event>& received();
    // When each of them arrived: the microseconds of JACK's clock
    // (jack_get_time) at the start of the cycle that brought it.
    const std::vector<std::uint64_t>& receivedAt();
    // Waits (bounded) until at least `count` events have been received.
    bool waitFor(std::size_t count, std::chrono::milliseconds limit = std::chrono::seconds(5));
    // Forgets what was received so far.
    void clear();
    // Events received since the client opened, counted by the process
    // callback itself (no draining).
    std::uint64_t arrived() const;
    // Events the ring could not take because it was not drained in time.
    std::uint64_t dropped() const;
    // Process cycles the client has begun, the one running now included.
    std::uint64_t cycles() const;
    // Cycles the server ran without this client (PipeWire goes on without a
    // client that is late; JACK2 waits for it): what reached the input port
    // in such a cycle is lost to it.
    std::uint64_t missedCycles() const;

    // Sends up to MaxBatch events, each up to MaxEventBytes long, from the
    // output port in the same period, in this order. False if refused.
    bool send(const std::vector<Event>& events);

private:
    struct Shared;
    static int onProcess(jack_nframes_t frames, void* shared);
    void drain();

    std::unique_ptr<Shared> shared_;
    jack_client_t* client_ = nullptr;
    std::string name_;
    std::vector<Event> received_;
    std::vector<std::uint64_t> receivedAt_;
};

} // namespace kelmar::test
