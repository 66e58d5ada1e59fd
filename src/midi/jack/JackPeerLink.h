#pragma once

#include <jack/jack.h>

#include <atomic>

namespace kelmar {

// The connection between one of our ports and the peer port a device opened,
// watched so that its loss is noticed: the peer port going away, or someone
// disconnecting it. The notice methods run on JACK's notification thread and
// touch atomics only; expectDisconnect() and disconnectFailed() may run on
// the control thread, and so may watch() when it links a peer that came
// back (JackClient orders that with the opening thread's unwatch()); the
// rest runs on the thread that opens and closes.
class JackPeerLink {
public:
    explicit JackPeerLink(jack_port_t* own) noexcept : own_(own) {}

    // Starts watching the link to `peer` (before connecting to it).
    void watch(jack_port_t* peer) noexcept;
    // Stops watching. With `disconnecting`, the notice of the disconnection
    // we are about to make is not taken for a loss, even if the same peer is
    // watched again before that notice arrives.
    void unwatch(bool disconnecting) noexcept;
    // We are about to disconnect our port (a connection made too late to be
    // used): its notice is not taken for a loss.
    void expectDisconnect() noexcept;
    // Our own disconnection did not happen after all.
    void disconnectFailed() noexcept;

    jack_port_t* peer() const noexcept { return peer_.load(); }
    bool watching() const noexcept { return peer() != nullptr; }
    bool lost() const noexcept { return lost_.load(); }

    // A connection between `a` and `b` was removed. True when that lost the
    // link just now.
    bool noticeDisconnect(jack_port_t* a, jack_port_t* b) noexcept;
    // A port was unregistered. True when that lost the link just now.
    bool noticeUnregister(jack_port_t* port) noexcept;

private:
    bool markLost() noexcept;

    jack_port_t* const own_;
    std::atomic<jack_port_t*> peer_{nullptr};
    std::atomic<bool> lost_{false};
    // Disconnections of our port that we made and whose notice is still due.
    std::atomic<int> ownDisconnects_{0};
};

} // namespace kelmar
