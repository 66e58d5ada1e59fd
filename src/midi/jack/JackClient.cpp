#include "midi/jack/JackClient.h"

#include <string_view>

#include "midi/OutputBackpressure.h"

namespace kelmar {

std::shared_ptr<JackClient> JackClient::open(const std::string& name, std::shared_ptr<JackControl> control)
{
    const bool ownControl = !control;
    if (ownControl)
        control = JackControl::start();
    jack_status_t status{};
    jack_client_t* handle = jack_client_open(name.c_str(), JackNoStartServer, &status);
    jack_port_t* out = handle ? jack_port_register(handle, "midi_out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0)
                              : nullptr;
    jack_port_t* in = handle ? jack_port_register(handle, "midi_in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0)
                             : nullptr;
    if (!out || !in) {
        if (handle)
            jack_client_close(handle);
        if (ownControl)
            control->finish(CloseWait);
        return nullptr;
    }
    // The last owner may let go on any thread; closing talks to the server,
    // so it runs on the control thread.
    auto close = [control, ownControl](JackClient* client) {
        control->post([client] { delete client; });
        if (ownControl)
            control->finish(CloseWait);
    };
    std::shared_ptr<JackClient> client(new JackClient(Key{}, handle, out, in, control), close);
    if (!client->setCallbacks())
        return nullptr;
    // Running from now on, the ports carry MIDI through whatever connects to
    // them. Asked next on the control thread, so that whoever waits for the
    // open does not wait for this too; a server that will not run the client
    // now is asked again at the first connection.
    control->post([weak = std::weak_ptr<JackClient>(client)] {
        if (const auto self = weak.lock())
            self->activate();
    });
    return client;
}

JackClient::JackClient(Key, jack_client_t* handle, jack_port_t* outPort, jack_port_t* inPort,
                       std::shared_ptr<JackControl> control)
    : handle_(handle)
    , control_(std::move(control))
    , cycle_(handle, outPort, inPort)
    , links_(*this, outPort, inPort)
{
}

JackClient::~JackClient()
{
    // Also after the server has gone: closing frees the client's resources
    // and stops its threads, so no callback runs after this.
    if (jack_client_t* handle = handle_.exchange(nullptr))
        jack_client_close(handle);
}

void JackClient::closeIfGone()
{
    if (alive() || !handle_.load())
        return;
    control_->post([self = shared_from_this()] {
        if (jack_client_t* handle = self->handle_.exchange(nullptr))
            jack_client_close(handle);
    });
}

// JACK takes callbacks only before the client is first activated.
bool JackClient::setCallbacks()
{
    jack_client_t* handle = handle_.load();
    if (jack_set_process_callback(handle, &JackProcessCycle::process, &cycle_) != 0 || !notices_.listen(handle))
        return false;
    alive_.store(true);
    return true;
}

bool JackClient::runningCycles() const noexcept
{
    return alive() && active() && !backpressure::stalled(cycle_.lastCycle());
}

// Once active the client stays so: deactivating would also stop the
// notifications that tell a lost peer from our own disconnections, and
// other programs' connections to our ports.
bool JackClient::activate()
{
    jack_client_t* handle = handle_.load();
    if (!handle)
        return false;
    if (active_.load())
        return true;
    cycle_.expectCycles(); // counts as running until its cycles are due
    if (jack_activate(handle) != 0)
        return false;
    active_.store(true);
    return true;
}

int JackClient::activateAndConnect(const std::string& from, const std::string& to)
{
    if (!activate())
        return NotActivated;
    return jack_connect(handle_.load(), from.c_str(), to.c_str());
}

std::vector<std::string> JackClient::peerPorts(unsigned long direction) const
{
    std::vector<std::string> names;
    jack_client_t* handle = handle_.load();
    if (!alive() || !handle)
        return names;
    const char** ports = jack_get_ports(handle, nullptr, JACK_DEFAULT_MIDI_TYPE, direction);
    if (!ports)
        return names;
    const std::string own = std::string(jack_get_client_name(handle)) + ":";
    for (const char** port = ports; *port; ++port) {
        if (!std::string_view(*port).starts_with(own))
            names.emplace_back(*port);
    }
    jack_free(ports);
    return names;
}

void JackClient::send(const MidiBytes& message)
{
    if (!alive())
        return;
    const bool queued = backpressure::queueOrDrop([&] { return !alive() || cycle_.push(message); },
                                                  [this] { return cycle_.lastCycle(); });
    if (!queued)
        dropped_.fetch_add(1);
}

int JackClient::attachAudio(AudioRenderer& renderer)
{
    jack_client_t* handle = handle_.load();
    if (!handle || !activate())
        return 0;
    if (!cycle_.hasAudioPorts()) {
        jack_port_t* ports[2] = {nullptr, nullptr};
        for (int i = 0; i < 2; ++i) {
            const std::string name = "out_" + std::to_string(i + 1);
            ports[i] = jack_port_register(handle, name.c_str(), JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput, 0);
            if (!ports[i])
                return 0;
        }
        cycle_.setAudioPorts(ports[0], ports[1]);
    }
    // A failed connection only leaves the ports unconnected, for a patchbay.
    const unsigned long playbackPorts = JackPortIsPhysical | JackPortIsInput;
    if (const char** playback = jack_get_ports(handle, nullptr, JACK_DEFAULT_AUDIO_TYPE, playbackPorts)) {
        for (int i = 0; i < 2 && playback[i]; ++i)
            jack_connect(handle, jack_port_name(cycle_.audioPort(i)), playback[i]);
        jack_free(static_cast<void*>(playback));
    }
    cycle_.setRenderer(renderer);
    return static_cast<int>(jack_get_sample_rate(handle));
}

} // namespace kelmar
