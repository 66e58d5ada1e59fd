#include "midi/jack/JackClient.h"

#include <jack/midiport.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <string_view>
#include <thread>

#include "midi/MidiInputQueue.h"
#include "midi/PortError.h"

namespace kelmar {

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// How long a full output ring may stay full before a message is dropped,
// how long closing waits for queued messages to go out, how long closing
// the input waits for a callback still using its queue, and how long
// opening waits for a new connection to carry data. All are bounds for a
// server that stopped running our client; a working one needs far less.
constexpr auto SendWait = 2s;
constexpr auto DrainWait = 2s;
constexpr auto ReleaseWait = 2s;
constexpr auto ConnectWait = 2s;

// Checks `done` every `step` until it holds or `limit` has passed.
template <typename Done>
bool waitUntil(Done done, Clock::duration limit, Clock::duration step)
{
    const auto deadline = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(step);
    }
    return true;
}

std::string quoted(const std::string& name)
{
    return "\"" + name + "\"";
}

} // namespace

std::shared_ptr<JackClient> JackClient::open(const std::string& name)
{
    jack_status_t status{};
    jack_client_t* handle = jack_client_open(name.c_str(), JackNoStartServer, &status);
    if (!handle)
        return nullptr;
    jack_port_t* out = jack_port_register(handle, "midi_out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    jack_port_t* in = jack_port_register(handle, "midi_in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    if (!out || !in) {
        jack_client_close(handle);
        return nullptr;
    }
    auto client = std::make_shared<JackClient>(Key{}, handle, out, in);
    if (!client->setCallbacks())
        return nullptr;
    return client;
}

JackClient::JackClient(Key, jack_client_t* handle, jack_port_t* outPort, jack_port_t* inPort)
    : handle_(handle)
    , outPort_(outPort)
    , inPort_(inPort)
    , outputLink_(outPort)
    , inputLink_(inPort)
{
}

JackClient::~JackClient()
{
    // Also after the server has gone: closing frees the client's resources
    // and stops its threads, so no callback runs after this.
    if (handle_)
        jack_client_close(handle_);
}

void JackClient::closeIfGone()
{
    if (alive() || !handle_)
        return;
    jack_client_close(handle_);
    handle_ = nullptr;
}

// JACK takes callbacks only before the client is first activated.
bool JackClient::setCallbacks()
{
    const bool callbacksSet = jack_set_process_callback(handle_, &JackClient::onProcess, this) == 0
        && jack_set_port_registration_callback(handle_, &JackClient::onPortRegistration, this) == 0
        && jack_set_port_connect_callback(handle_, &JackClient::onPortConnect, this) == 0;
    if (!callbacksSet)
        return false;
    jack_on_info_shutdown(handle_, &JackClient::onShutdown, this);
    // JACK2 calls only the callback above when both are set; PipeWire's
    // JACK (0.3.65) calls only this one.
    jack_on_shutdown(handle_, [](void* self) { onShutdown(JackFailure, "", self); }, this);
    alive_.store(true);
    return true;
}

// Once active the client stays so: deactivating would also stop the
// notifications that tell a lost peer from our own disconnections.
std::string JackClient::ensureActive()
{
    if (!active_ && jack_activate(handle_) != 0)
        return "The JACK server would not run this program's MIDI ports.";
    active_ = true;
    return {};
}

std::vector<std::string> JackClient::peerPorts(unsigned long direction) const
{
    std::vector<std::string> names;
    if (!alive())
        return names;
    const char** ports = jack_get_ports(handle_, nullptr, JACK_DEFAULT_MIDI_TYPE, direction);
    if (!ports)
        return names;
    const std::string own = std::string(jack_get_client_name(handle_)) + ":";
    for (const char** port = ports; *port; ++port) {
        if (!std::string_view(*port).starts_with(own))
            names.emplace_back(*port);
    }
    jack_free(ports);
    return names;
}

jack_port_t* JackClient::findPeer(const std::string& name, unsigned long direction) const
{
    jack_port_t* port = jack_port_by_name(handle_, name.c_str());
    if (!port || jack_port_is_mine(handle_, port))
        return nullptr;
    const char* type = jack_port_type(port);
    const bool midi = type && std::strcmp(type, JACK_DEFAULT_MIDI_TYPE) == 0;
    const bool rightWay = (static_cast<unsigned long>(jack_port_flags(port)) & direction) != 0;
    return midi && rightWay ? port : nullptr;
}

std::string JackClient::connectOutput(const std::string& peer)
{
    if (!alive())
        return "The JACK server has shut down.";
    if (outputLink_.watching())
        return "Another JACK MIDI output is open; close it first.";
    jack_port_t* port = findPeer(peer, JackPortIsInput);
    if (!port)
        return "There is no JACK MIDI input port named " + quoted(peer) + ".";
    if (auto error = ensureActive(); !error.empty())
        return error;
    outputLink_.watch(port);
    const int result = jack_connect(handle_, jack_port_name(outPort_), peer.c_str());
    if (result != 0 && result != EEXIST) {
        outputLink_.unwatch(false);
        return "JACK could not connect to " + quoted(peer) + ".";
    }
    outputPeer_ = peer;
    waitUntilLive(outPort_, peer);
    return {};
}

void JackClient::disconnectOutput()
{
    if (!outputLink_.watching())
        return;
    // Whatever was sent goes out first: wait until the process callback has
    // taken it all, then for a whole cycle more so the peer has read it.
    if (waitUntil([this] { return outRing_.empty() || !alive(); }, DrainWait, 1ms))
        waitForCycles(2);
    if (unwatch(outputLink_) && jack_disconnect(handle_, jack_port_name(outPort_), outputPeer_.c_str()) != 0)
        outputLink_.disconnectFailed();
    outputPeer_.clear();
}

bool JackClient::outputConnected() const noexcept
{
    return alive() && outputLink_.watching() && !outputLink_.lost();
}

void JackClient::send(const MidiBytes& message)
{
    if (!alive() || outRing_.push(message))
        return;
    waitUntil([&] { return !alive() || outRing_.push(message); }, SendWait, 1ms);
}

std::string JackClient::connectInput(const std::string& peer, MidiInputQueue& queue)
{
    if (!alive())
        return "The JACK server has shut down.";
    if (inputLink_.watching())
        return "Another JACK MIDI input is open; close it first.";
    jack_port_t* port = findPeer(peer, JackPortIsOutput);
    if (!port)
        return "There is no JACK MIDI output port named " + quoted(peer) + ".";
    if (auto error = ensureActive(); !error.empty())
        return error;
    inputLink_.watch(port);
    inputQueue_.store(&queue);
    const int result = jack_connect(handle_, peer.c_str(), jack_port_name(inPort_));
    if (result != 0 && result != EEXIST) {
        releaseInputQueue();
        inputLink_.unwatch(false);
        return "JACK could not connect " + quoted(peer) + " to this program.";
    }
    inputPeer_ = peer;
    waitUntilLive(inPort_, peer);
    return {};
}

void JackClient::disconnectInput()
{
    if (!inputLink_.watching())
        return;
    releaseInputQueue();
    if (unwatch(inputLink_) && jack_disconnect(handle_, inputPeer_.c_str(), jack_port_name(inPort_)) != 0)
        inputLink_.disconnectFailed();
    inputPeer_.clear();
}

bool JackClient::inputConnected() const noexcept
{
    return alive() && inputLink_.watching() && !inputLink_.lost();
}

void JackClient::waitUntilLive(const jack_port_t* ours, const std::string& peer) const
{
    // A new connection joins the graph the server runs at the start of a
    // later cycle; what passes before that is lost. The connection state
    // clients read is that running graph.
    waitUntil([&] { return !alive() || jack_port_connected_to(ours, peer.c_str()); }, ConnectWait, 1ms);
}

void JackClient::waitForCycles(std::uint64_t count) const
{
    const std::uint64_t target = cycles_.load() + count;
    waitUntil([&] { return cycles_.load() >= target || !alive(); }, DrainWait, 1ms);
}

bool JackClient::unwatch(JackPeerLink& link) noexcept
{
    // A lost link has nothing left to disconnect; a dead server takes no requests.
    const bool connected = alive() && !link.lost();
    link.unwatch(connected);
    return connected;
}

// The callbacks announce their use of the queue before they look at the
// pointer; whoever clears the pointer then waits until no use is announced,
// after which no callback can still hold the old queue.
template <typename Use>
void JackClient::withInputQueue(Use use) noexcept
{
    inputQueueUsers_.fetch_add(1);
    if (MidiInputQueue* queue = inputQueue_.load())
        use(*queue);
    inputQueueUsers_.fetch_sub(1);
}

void JackClient::releaseInputQueue() noexcept
{
    inputQueue_.store(nullptr);
    waitUntil([this] { return inputQueueUsers_.load() == 0; }, ReleaseWait, 50us);
}

int JackClient::onProcess(jack_nframes_t frames, void* self) noexcept
{
    auto* client = static_cast<JackClient*>(self);
    client->writeOutput(frames);
    client->readInput(frames);
    client->cycles_.fetch_add(1);
    return 0;
}

// A period holds what the port buffer takes, and PipeWire's JACK takes less
// than JACK2 and fails worse: it turns each event into 16 bytes plus its
// data padded to 8 within a 32 KiB buffer, and drops the whole period,
// silently, once that overflows. Measured at 48 kHz, 256 frames: PipeWire
// 0.3.65 carried 1,364 three-byte events (1,366 vanished) and 272 of 100
// bytes; JACK2 1.9.21 refused the reserve beyond 2,727 and delivered all.
// The caps keep any mix of sizes within both (PipeWire: at most
// 23 * 1,000 + 8,192 of its 32,752 usable bytes).
void JackClient::writeOutput(jack_nframes_t frames) noexcept
{
    void* buffer = jack_port_get_buffer(outPort_, frames);
    jack_midi_clear_buffer(buffer);
    // Messages that do not fit this period stay queued, in order, for the next.
    std::size_t events = 0;
    std::size_t bytes = 0;
    while (const MidiBytes* message = outRing_.front()) {
        if (events == MaxPeriodEvents || bytes + message->size > MaxPeriodBytes
            || jack_midi_max_event_size(buffer) < message->size)
            break;
        jack_midi_data_t* slot = jack_midi_event_reserve(buffer, 0, message->size);
        if (!slot)
            break;
        std::copy_n(message->data.begin(), message->size, slot);
        outRing_.pop();
        ++events;
        bytes += message->size;
    }
}

void JackClient::readInput(jack_nframes_t frames) noexcept
{
    void* buffer = jack_port_get_buffer(inPort_, frames);
    const jack_nframes_t count = jack_midi_get_event_count(buffer);
    if (count == 0)
        return;
    withInputQueue([&](MidiInputQueue& queue) {
        for (jack_nframes_t i = 0; i < count; ++i) {
            jack_midi_event_t event;
            if (jack_midi_event_get(&event, buffer, i) == 0)
                queue.pushEvent({event.buffer, event.size});
        }
    });
}

void JackClient::onShutdown(jack_status_t, const char*, void* self) noexcept
{
    auto* client = static_cast<JackClient*>(self);
    if (!client->alive_.exchange(false))
        return; // already told
    client->withInputQueue([](MidiInputQueue& queue) { queue.reportError(PortErrorServerGone); });
}

void JackClient::onPortRegistration(jack_port_id_t port, int registered, void* self) noexcept
{
    if (registered)
        return;
    auto* client = static_cast<JackClient*>(self);
    jack_port_t* gone = jack_port_by_id(client->handle_, port);
    client->outputLink_.noticeUnregister(gone);
    if (client->inputLink_.noticeUnregister(gone))
        client->noticeInputLost();
}

void JackClient::onPortConnect(jack_port_id_t a, jack_port_id_t b, int connected, void* self) noexcept
{
    if (connected)
        return;
    auto* client = static_cast<JackClient*>(self);
    jack_port_t* portA = jack_port_by_id(client->handle_, a);
    jack_port_t* portB = jack_port_by_id(client->handle_, b);
    client->outputLink_.noticeDisconnect(portA, portB);
    if (client->inputLink_.noticeDisconnect(portA, portB))
        client->noticeInputLost();
}

void JackClient::noticeInputLost() noexcept
{
    withInputQueue([](MidiInputQueue& queue) { queue.reportError(PortErrorDeviceLost); });
}

} // namespace kelmar
