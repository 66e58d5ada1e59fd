#include "midi/jack/JackServerNotices.h"

#include "midi/MidiInputQueue.h"
#include "midi/PortError.h"
#include "midi/jack/JackClient.h"

namespace kelmar {

bool JackServerNotices::listen(jack_client_t* handle)
{
    const bool callbacksSet = jack_set_port_registration_callback(handle, &JackServerNotices::onPortRegistration, this) == 0
        && jack_set_port_connect_callback(handle, &JackServerNotices::onPortConnect, this) == 0;
    if (!callbacksSet)
        return false;
    jack_on_info_shutdown(handle, &JackServerNotices::onShutdown, this);
    // JACK2 calls only the callback above when both are set; PipeWire's
    // JACK (0.3.65) calls only this one.
    jack_on_shutdown(handle, [](void* self) { onShutdown(JackFailure, "", self); }, this);
    return true;
}

void JackServerNotices::onShutdown(jack_status_t, const char*, void* self) noexcept
{
    JackClient& client = static_cast<JackServerNotices*>(self)->client_;
    if (!client.alive_.exchange(false))
        return; // already told
    client.cycle_.withInputQueue([](MidiInputQueue& queue) { queue.reportError(PortErrorServerGone); });
}

void JackServerNotices::onPortRegistration(jack_port_id_t port, int registered, void* self) noexcept
{
    auto* notices = static_cast<JackServerNotices*>(self);
    JackClient& client = notices->client_;
    jack_port_t* changed = jack_port_by_id(client.handle_.load(), port);
    if (!registered && client.links_.noticeUnregister(changed))
        notices->noticeInputLost();
    client.links_.noticePortsChanged(registered ? client.links_.linksTo(changed) : JackPeerLinks::Links{});
}

void JackServerNotices::onPortConnect(jack_port_id_t a, jack_port_id_t b, int connected, void* self) noexcept
{
    if (connected)
        return;
    auto* notices = static_cast<JackServerNotices*>(self);
    jack_client_t* handle = notices->client_.handle_.load();
    if (notices->client_.links_.noticeDisconnect(jack_port_by_id(handle, a), jack_port_by_id(handle, b)))
        notices->noticeInputLost();
}

void JackServerNotices::noticeInputLost() noexcept
{
    client_.cycle_.withInputQueue([](MidiInputQueue& queue) { queue.reportError(PortErrorDeviceLost); });
}

} // namespace kelmar
