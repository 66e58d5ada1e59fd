#pragma once

#include <jack/jack.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>

#include "midi/jack/JackPeerLink.h"

namespace kelmar {

class JackClient;
class MidiInputQueue;

// The links a JACK client's two MIDI ports have to the peer ports the
// program opened: connecting, holding a link for a peer that is not there,
// linking a lost peer again once a port of its name appears, and closing.
// Part of JackClient, through which it reaches the server (its handle,
// activation and control thread) and the process cycle.
//
// Threads: connecting and closing run on the owner's thread, which waits
// for the control thread only up to a deadline; relinking runs on the
// control thread; the notice methods run on JACK's notification thread.
// linkMutex_ orders relinking with closing; JACK's own locks are never
// taken while holding it (the notification thread may hold them while it
// waits for that mutex).
class JackPeerLinks {
public:
    using Clock = std::chrono::steady_clock;

    // How linking a peer ended: failed (`error`), made but not carrying yet
    // (`pending`: the server has not run it in time, or the peer is not
    // there), or made and carrying (both empty).
    struct LinkOutcome {
        std::string error;
        std::string pending;
    };
    // Which links a port is the peer of, by name.
    struct Links {
        bool output = false;
        bool input = false;
    };

    JackPeerLinks(JackClient& client, jack_port_t* outPort, jack_port_t* inPort);
    JackPeerLinks(const JackPeerLinks&) = delete;
    JackPeerLinks& operator=(const JackPeerLinks&) = delete;

    LinkOutcome connectOutput(const std::string& peer);
    LinkOutcome awaitOutput(const std::string& peer);
    void disconnectOutput();
    bool outputConnected() const noexcept { return outputLink_.held() && !outputLink_.lost(); }

    LinkOutcome connectInput(const std::string& peer, MidiInputQueue& queue);
    LinkOutcome awaitInput(const std::string& peer, MidiInputQueue& queue);
    void disconnectInput();
    bool inputConnected() const noexcept { return inputLink_.held() && !inputLink_.lost(); }

    // Notification thread: a connection was removed, or a port unregistered.
    // True when that lost the input link just now.
    bool noticeDisconnect(jack_port_t* a, jack_port_t* b) noexcept;
    bool noticeUnregister(jack_port_t* port) noexcept;
    Links linksTo(const jack_port_t* port);
    // Relinks the links in `back` on the control thread, then tells the
    // control thread's listener; other changes only tell the listener, once
    // for all that arrive before it is told.
    void noticePortsChanged(Links back);

private:
    // Asks the control thread to connect `from` to `to` for `link`, waiting
    // until `deadline`; empty on success, else why not (`failure` when the
    // server refused).
    std::string requestConnect(JackPeerLink& link, jack_port_t* peer, const std::string& from,
                               const std::string& to, std::string failure, Clock::time_point deadline);
    // Keeps `peer` as the one `wanted` for a link from now on, and links it
    // at once if it is there (a port that appeared just before).
    void want(std::string& wanted, const std::string& peer, bool outgoing);
    // Empty once the server runs our new connection of `ours` to `peer`,
    // else what is still pending.
    std::string liveOrPending(const jack_port_t* ours, const std::string& peer, Clock::time_point deadline) const;
    // Stops watching `link` and forgets its peer (`wanted`); asks the control
    // thread to disconnect the peer if the link still has a connection to
    // remove, and waits for that only briefly.
    void closeLink(JackPeerLink& link, std::string& wanted, bool outgoing);
    // On the control thread: links `link`'s peer (`wanted`) again if the
    // link was lost and the port is back.
    void relink(JackPeerLink& link, const std::string& wanted, bool outgoing);
    jack_port_t* findPeer(const std::string& name, unsigned long direction) const;
    // Waits until the server runs the connection of `ours` to `peer`; false
    // if it did not by `deadline`.
    bool waitUntilLive(const jack_port_t* ours, const std::string& peer, Clock::time_point deadline) const;
    void waitForCycles(std::uint64_t count, Clock::time_point deadline) const;
    // Lets `link` go; its peer port when its connection is still there to
    // remove, else null.
    jack_port_t* unwatch(JackPeerLink& link) noexcept;
    // Full names as JACK connects them: ours to the peer for the output,
    // the peer to ours for the input.
    std::string linkSource(bool outgoing, const std::string& peer) const { return outgoing ? outName_ : peer; }
    std::string linkTarget(bool outgoing, const std::string& peer) const { return outgoing ? peer : inName_; }

    JackClient& client_;
    jack_port_t* const outPort_;
    jack_port_t* const inPort_;
    // Their full names, kept: PipeWire frees the port objects with a client
    // whose server has gone, while devices may still disconnect by name.
    const std::string outName_;
    const std::string inName_;
    JackPeerLink outputLink_;
    JackPeerLink inputLink_;
    // The peers the links are for, from a successful connection until the
    // link is closed, under linkMutex_.
    std::mutex linkMutex_;
    std::string outputPeer_;
    std::string inputPeer_;
    std::atomic<bool> portsChangePosted_{false}; // a relink() is queued and has not begun
};

} // namespace kelmar
