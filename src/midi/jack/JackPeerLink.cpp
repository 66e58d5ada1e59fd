#include "midi/jack/JackPeerLink.h"

namespace kelmar {

void JackPeerLink::watch(jack_port_t* peer) noexcept
{
    lost_.store(false);
    peer_.store(peer);
}

void JackPeerLink::unwatch(bool disconnecting) noexcept
{
    if (disconnecting)
        expectDisconnect();
    peer_.store(nullptr);
}

void JackPeerLink::expectDisconnect() noexcept
{
    ownDisconnects_.fetch_add(1);
}

void JackPeerLink::disconnectFailed() noexcept
{
    ownDisconnects_.fetch_sub(1);
}

bool JackPeerLink::noticeDisconnect(jack_port_t* a, jack_port_t* b) noexcept
{
    if (a != own_ && b != own_)
        return false;
    int pending = ownDisconnects_.load();
    while (pending > 0) {
        if (ownDisconnects_.compare_exchange_weak(pending, pending - 1))
            return false; // the notice of a disconnection we made
    }
    const jack_port_t* other = a == own_ ? b : a;
    return other != nullptr && other == peer_.load() && markLost();
}

bool JackPeerLink::noticeUnregister(jack_port_t* port) noexcept
{
    return port != nullptr && port == peer_.load() && markLost();
}

bool JackPeerLink::markLost() noexcept
{
    return !lost_.exchange(true);
}

} // namespace kelmar
