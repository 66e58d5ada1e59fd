#pragma once

#include <jack/jack.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "midi/MidiMessage.h"
#include "midi/jack/JackControl.h"
#include "midi/jack/JackPeerLinks.h"
#include "midi/jack/JackProcessCycle.h"
#include "midi/jack/JackServerNotices.h"

namespace kelmar {

class AudioRenderer;
class MidiInputQueue;

// One JACK client with one MIDI output port and one MIDI input port, each
// linked by the program to at most one peer port at a time. The server runs
// the client from its open on, so connections that other programs make to
// its ports (patchbays) carry MIDI as the program's own do: what is sent
// goes to every connection of the output port, and the open input takes
// what any connection brings in.
//
// A linked peer port that goes away is linked again by itself when a port
// of the same name appears, until the program closes that link.
//
// Threads: the owner's thread (the UI thread) calls the public methods;
// whatever talks to the server (activating, connecting, disconnecting,
// closing) runs on the JackControl thread, which the owner waits for only
// up to a short deadline. Reads of the server's shared memory (port lists,
// port lookups, connection states) never block and stay on the owner's
// thread. JACK's real-time thread runs the process callback, which moves
// queued messages out through the output port and pushes what the input
// port receives into the input queue; it shares only the lock-free ring and
// atomics. JACK's notification thread notices lost peers, ports that come
// and go, and the server's end; it hands what must talk to the server to
// the control thread.
//
// The client itself opens, activates and closes; its parts do the rest:
// JackProcessCycle (the real-time process callback), JackPeerLinks (the
// links to peer ports) and JackServerNotices (the server's notifications).
class JackClient : public std::enable_shared_from_this<JackClient> {
    struct Key {
        explicit Key() = default;
    };

public:
    // Messages waiting to go out; room for many all-notes-off sweeps.
    static constexpr std::size_t OutputCapacity = JackProcessCycle::OutputCapacity;
    // At most this many messages, and bytes, go out in one period: a bound
    // both JACK2 and PipeWire's JACK carry whole.
    static constexpr std::size_t MaxPeriodEvents = JackProcessCycle::MaxPeriodEvents;
    static constexpr std::size_t MaxPeriodBytes = JackProcessCycle::MaxPeriodBytes;

    // How long the owner waits for the server to take a connection, and
    // for it to take a disconnection or a close.
    static constexpr std::chrono::milliseconds RequestWait{1000};
    static constexpr std::chrono::milliseconds CloseWait{300};

    // Opens a client named `name` on a running server (never starts one)
    // and has the server run it (right after, on `control`'s thread);
    // blocks while the server does not answer, so it runs
    // on `control`'s thread. Its later requests go through `control` (a
    // control thread of its own when null). The client is closed on that
    // thread once its last owner lets it go. Null when no server answers
    // or the client cannot be set up.
    static std::shared_ptr<JackClient> open(const std::string& name, std::shared_ptr<JackControl> control = nullptr);

    JackClient(Key, jack_client_t* handle, jack_port_t* outPort, jack_port_t* inPort,
               std::shared_ptr<JackControl> control);
    ~JackClient();
    JackClient(const JackClient&) = delete;
    JackClient& operator=(const JackClient&) = delete;

    // False once the server has shut down or dropped this client.
    bool alive() const noexcept { return alive_.load(); }
    // True once the server runs the client: from just after the open (or,
    // if the server would not run it then, from the first connection).
    bool active() const noexcept { return active_.load(); }
    // True while the server runs the client's process cycles: it is active
    // and its last cycle is no longer ago than backpressure::StallLimit. A
    // server that has stopped running them (stopped, hung) is not waited for.
    bool runningCycles() const noexcept;
    // Releases a client whose server has gone (on the control thread, in
    // order before any later open). libjack keeps one connection to one
    // server per process: a new client can reach a restarted server only
    // after every client of the old one is closed. Devices may still hold
    // this object; with the server gone they no longer use JACK.
    void closeIfGone();

    // Full names of the other clients' MIDI ports that have `direction`
    // (JackPortIsInput: ports we can send to; JackPortIsOutput: ports we can
    // receive from).
    std::vector<std::string> peerPorts(unsigned long direction) const;

    // How linking a peer ended: failed (`error`), made but not carrying yet
    // (`pending`: the server has not run it within RequestWait, or the peer
    // is not there), or made and carrying (both empty).
    using LinkOutcome = JackPeerLinks::LinkOutcome;

    // Connects our output port to `peer`. A connection the server makes
    // only after RequestWait is undone.
    LinkOutcome connectOutput(const std::string& peer) { return links_.connectOutput(peer); }
    // Holds the output's link for `peer`, which is not there now: it is
    // connected once a port of that name appears (until the link is closed).
    LinkOutcome awaitOutput(const std::string& peer) { return links_.awaitOutput(peer); }
    // Lets what was sent go out while the server runs our cycles (for a
    // bounded time), then disconnects the output port.
    void disconnectOutput() { links_.disconnectOutput(); }
    bool outputConnected() const noexcept { return alive() && links_.outputConnected(); }
    // Queues one message for the next process cycles. With the ring full,
    // waits for room while the server runs our cycles and drops the message
    // (and counts it) once it has stopped (see OutputBackpressure.h);
    // returns at once when the server has gone.
    void send(const MidiBytes& message);
    // Messages send() has dropped since the client opened.
    std::uint64_t dropped() const noexcept { return dropped_.load(); }
    // Process cycles the server ran without this client (see JackProcessCycle).
    std::uint64_t missedCycles() const noexcept { return cycle_.missedCycles(); }

    // Connects `peer` to our input port and pushes what it sends into `queue`.
    LinkOutcome connectInput(const std::string& peer, MidiInputQueue& queue) { return links_.connectInput(peer, queue); }
    // As awaitOutput, for the input: what `peer` sends once it is back.
    LinkOutcome awaitInput(const std::string& peer, MidiInputQueue& queue) { return links_.awaitInput(peer, queue); }
    // Disconnects; no push into the queue happens after this returns.
    void disconnectInput() { links_.disconnectInput(); }
    bool inputConnected() const noexcept { return alive() && links_.inputConnected(); }

    // On the control thread: registers two audio outputs ("out_1",
    // "out_2") if there are none yet, connects them to the system's
    // playback ports (where there are any) and has the process callback
    // call `renderer` into them from now on. The server's sample rate, or
    // 0 if the ports could not be registered.
    int attachAudio(AudioRenderer& renderer);
    // Any thread: stops calling the renderer; no call is under way once
    // this returns. The ports stay, silent.
    void detachAudio() noexcept { cycle_.detachRenderer(); }

private:
    // Parts of the client: they reach its handle, control thread,
    // activation and process cycle.
    friend class JackPeerLinks;
    friend class JackServerNotices;

    // activateAndConnect's answer when the server would not activate the client.
    static constexpr int NotActivated = std::numeric_limits<int>::min();

    bool setCallbacks();
    // Has the server run the client from now on; false if it would not.
    bool activate();
    // On the control thread: has the server run the client from now on,
    // then connects `from` to `to`. jack_connect's answer: 0 (or EEXIST) on
    // success; NotActivated when the server would not run the client.
    int activateAndConnect(const std::string& from, const std::string& to);

    std::atomic<jack_client_t*> handle_; // null once closed
    const std::shared_ptr<JackControl> control_;
    std::atomic<bool> alive_{false};
    std::atomic<bool> active_{false}; // set on the control thread
    std::atomic<std::uint64_t> dropped_{0};
    JackProcessCycle cycle_;
    JackPeerLinks links_;
    JackServerNotices notices_{*this};
};

} // namespace kelmar
