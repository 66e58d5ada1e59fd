#include "midi/jack/JackPeerLink.h"

namespace kelmar {

void JackPeerLink::watch(jack_port_t* peer) noexcept
{
    lost_.store(false);
    peer_.store(peer);
    held_.store(true);
}

void JackPeerLink::await() noexcept
{
    peer_.store(nullptr);
    lost_.store(true);
    held_.store(true);
}

jack_port_t* JackPeerLink::unwatch(bool disconnecting) noexcept
{
    jack_port_t* const peer = peer_.exchange(nullptr);
    if (disconnecting && peer)
        expectDisconnect(peer);
    held_.store(false);
    return peer;
}

void JackPeerLink::expectDisconnect(jack_port_t* other) noexcept
{
    for (auto& slot : expected_) {
        jack_port_t* free = nullptr;
        if (slot.compare_exchange_strong(free, other))
            return;
    }
    uncounted_.fetch_add(1);
}

void JackPeerLink::disconnectFailed(jack_port_t* other) noexcept
{
    if (!takeExpected(other))
        uncounted_.fetch_sub(1);
}

bool JackPeerLink::takeExpected(jack_port_t* other) noexcept
{
    if (!other)
        return false;
    for (auto& slot : expected_) {
        jack_port_t* mine = other;
        if (slot.compare_exchange_strong(mine, nullptr))
            return true;
    }
    return false;
}

bool JackPeerLink::noticeDisconnect(jack_port_t* a, jack_port_t* b) noexcept
{
    if (a != own_ && b != own_)
        return false;
    jack_port_t* const other = a == own_ ? b : a;
    if (takeExpected(other))
        return false; // the notice of a disconnection we made
    int pending = uncounted_.load();
    while (pending > 0) {
        if (uncounted_.compare_exchange_weak(pending, pending - 1))
            return false;
    }
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
