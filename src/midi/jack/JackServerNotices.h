#pragma once

#include <jack/jack.h>

namespace kelmar {

class JackClient;

// What the server tells a JACK client on its notification thread: that it
// has shut down or dropped the client, that a port appeared or went away,
// that a connection was removed. Marks the client gone, tells the open
// input of its loss and has lost links relinked; part of JackClient.
//
// The callbacks never talk to the server themselves: whatever must (a
// relink) is handed to the control thread.
class JackServerNotices {
public:
    explicit JackServerNotices(JackClient& client) noexcept : client_(client) {}
    JackServerNotices(const JackServerNotices&) = delete;
    JackServerNotices& operator=(const JackServerNotices&) = delete;

    // Has the server call this object from now on; false if it would not
    // take a callback. Only before the client is first activated.
    bool listen(jack_client_t* handle);

private:
    static void onShutdown(jack_status_t code, const char* reason, void* self) noexcept;
    static void onPortRegistration(jack_port_id_t port, int registered, void* self) noexcept;
    static void onPortConnect(jack_port_id_t a, jack_port_id_t b, int connected, void* self) noexcept;
    void noticeInputLost() noexcept;

    JackClient& client_;
};

} // namespace kelmar
