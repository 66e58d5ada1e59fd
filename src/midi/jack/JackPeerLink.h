#pragma once

#include <jack/jack.h>

#include <array>
#include <atomic>

namespace kelmar {

// The connection between one of our ports and the peer port a device opened,
// watched so that its loss is noticed: the peer port going away, or someone
// disconnecting it. A link may also be held for a peer that is not there
// (awaited), and counts as lost until it is linked.
//
// The notice methods run on JACK's notification thread and touch atomics
// only; expectDisconnect() and disconnectFailed() may run on the control
// thread, and so may watch() when it links a peer that came back
// (JackPeerLinks orders that with the opening thread's unwatch()); the rest
// runs on the thread that opens and closes.
class JackPeerLink {
public:
    explicit JackPeerLink(jack_port_t* own) noexcept : own_(own) {}

    // Starts watching the link to `peer` (before connecting to it).
    void watch(jack_port_t* peer) noexcept;
    // Holds the link for a peer that is not there: lost until watched.
    void await() noexcept;
    // Lets the link go. With `disconnecting`, the notice of the disconnection
    // from its peer that we are about to make is not taken for a loss, even
    // if the same peer is watched again before that notice arrives. Returns
    // the peer it watched (null if none).
    jack_port_t* unwatch(bool disconnecting) noexcept;
    // We are about to disconnect our port from `other`: that notice is not
    // taken for a loss. Other disconnections of our port (a patchbay's
    // connection elsewhere) do not count against it.
    void expectDisconnect(jack_port_t* other) noexcept;
    // Our own disconnection from `other` did not happen after all.
    void disconnectFailed(jack_port_t* other) noexcept;

    jack_port_t* peer() const noexcept { return peer_.load(); }
    // True from watch() or await() until unwatch().
    bool held() const noexcept { return held_.load(); }
    bool lost() const noexcept { return lost_.load(); }

    // A connection between `a` and `b` was removed. True when that lost the
    // link just now.
    bool noticeDisconnect(jack_port_t* a, jack_port_t* b) noexcept;
    // A port was unregistered. True when that lost the link just now.
    bool noticeUnregister(jack_port_t* port) noexcept;

private:
    bool markLost() noexcept;
    // Takes back one expected disconnection from `other`; false if none was.
    bool takeExpected(jack_port_t* other) noexcept;

    jack_port_t* const own_;
    std::atomic<jack_port_t*> peer_{nullptr};
    std::atomic<bool> held_{false};
    std::atomic<bool> lost_{false};
    // Disconnections of our port that we made and whose notice is still
    // due, by the port at the other end. Few are ever due at once (a close
    // and a late connection undone); past the slots they are only counted.
    std::array<std::atomic<jack_port_t*>, 8> expected_{};
    std::atomic<int> uncounted_{0};
};

} // namespace kelmar
