#pragma once

#include <jack/jack.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "midi/MidiMessage.h"
#include "midi/SpscRing.h"
#include "midi/jack/JackPeerLink.h"

namespace kelmar {

class MidiInputQueue;

// One JACK client with one MIDI output port and one MIDI input port, each
// connected to at most one peer port at a time. The server runs the client
// (wakes it every period) only from the first connection on: a program that
// plays through the built-in synthesizer costs no CPU for its JACK MIDI ports.
//
// Threads: the opening thread calls the public methods; JACK's real-time
// thread runs the process callback, which moves queued messages out through
// the output port and pushes what the input port receives into the input
// queue; JACK's notification thread notices lost peers and the server's end.
// The threads share only the lock-free ring and atomics.
class JackClient {
    struct Key {
        explicit Key() = default;
    };

public:
    // Messages waiting to go out; room for many all-notes-off sweeps.
    static constexpr std::size_t OutputCapacity = 65536;
    // At most this many messages, and bytes, go out in one period: a bound
    // both JACK2 and PipeWire's JACK carry whole (see writeOutput).
    static constexpr std::size_t MaxPeriodEvents = 1000;
    static constexpr std::size_t MaxPeriodBytes = 8192;

    // Opens a client named `name` on a running server (never starts one),
    // not yet active. Null when no server answers or the client cannot be
    // set up.
    static std::shared_ptr<JackClient> open(const std::string& name);

    JackClient(Key, jack_client_t* handle, jack_port_t* outPort, jack_port_t* inPort);
    ~JackClient();
    JackClient(const JackClient&) = delete;
    JackClient& operator=(const JackClient&) = delete;

    // False once the server has shut down or dropped this client.
    bool alive() const noexcept { return alive_.load(); }
    // True once the server runs the client, i.e. since the first connection.
    bool active() const noexcept { return active_; }
    // Releases a client whose server has gone. libjack keeps one connection
    // to one server per process: a new client can reach a restarted server
    // only after every client of the old one is closed. Devices may still
    // hold this object; with the server gone they no longer use JACK.
    void closeIfGone();

    // Full names of the other clients' MIDI ports that have `direction`
    // (JackPortIsInput: ports we can send to; JackPortIsOutput: ports we can
    // receive from).
    std::vector<std::string> peerPorts(unsigned long direction) const;

    // Connects our output port to `peer`. Empty on success, else why not.
    std::string connectOutput(const std::string& peer);
    // Lets what was sent go out, then disconnects the output port.
    void disconnectOutput();
    bool outputConnected() const noexcept;
    // Queues one message for the next process cycle; waits briefly for room
    // while the server is alive, returns at once when it is gone.
    void send(const MidiBytes& message);

    // Connects `peer` to our input port and pushes what it sends into `queue`.
    std::string connectInput(const std::string& peer, MidiInputQueue& queue);
    // Disconnects; no push into the queue happens after this returns.
    void disconnectInput();
    bool inputConnected() const noexcept;

private:
    bool setCallbacks();
    // Has the server run the client from now on; empty on success, else why not.
    std::string ensureActive();
    jack_port_t* findPeer(const std::string& name, unsigned long direction) const;
    // Waits until the server runs the connection of `ours` to `peer`.
    void waitUntilLive(const jack_port_t* ours, const std::string& peer) const;
    void waitForCycles(std::uint64_t count) const;
    // Stops watching `link`; true when its connection is still there to remove.
    bool unwatch(JackPeerLink& link) noexcept;
    void releaseInputQueue() noexcept;
    template <typename Use>
    void withInputQueue(Use use) noexcept;

    // Real-time thread.
    static int onProcess(jack_nframes_t frames, void* self) noexcept;
    void writeOutput(jack_nframes_t frames) noexcept;
    void readInput(jack_nframes_t frames) noexcept;
    // Notification thread.
    static void onShutdown(jack_status_t code, const char* reason, void* self) noexcept;
    static void onPortRegistration(jack_port_id_t port, int registered, void* self) noexcept;
    static void onPortConnect(jack_port_id_t a, jack_port_id_t b, int connected, void* self) noexcept;
    void noticeInputLost() noexcept;

    jack_client_t* handle_; // null once closed
    jack_port_t* const outPort_;
    jack_port_t* const inPort_;
    std::atomic<bool> alive_{false};
    bool active_ = false; // opening thread only
    std::atomic<std::uint64_t> cycles_{0}; // process cycles completed
    SpscRing<MidiBytes, OutputCapacity> outRing_;
    JackPeerLink outputLink_;
    JackPeerLink inputLink_;
    std::string outputPeer_; // opening thread only
    std::string inputPeer_;  // opening thread only
    // The open input's queue, and how many callbacks are using it right now.
    std::atomic<MidiInputQueue*> inputQueue_{nullptr};
    std::atomic<int> inputQueueUsers_{0};
};

} // namespace kelmar
