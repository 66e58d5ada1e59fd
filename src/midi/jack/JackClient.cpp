#include "midi/jack/JackClient.h"

#include <jack/midiport.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <limits>
#include <string_view>
#include <thread>

#include "midi/AudioHost.h"
#include "midi/MidiInputQueue.h"
#include "midi/OutputBackpressure.h"
#include "midi/PortError.h"

namespace kelmar {

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// How long closing waits for queued messages to go out while the server
// runs our cycles, and how long closing the input waits for a callback
// still using its queue (callbacks never block, so this is only a bound).
constexpr auto DrainWait = 500ms;
constexpr auto ReleaseWait = 100ms;

const char* const NoAnswer = "The JACK server does not answer.";
// activateAndConnect's answer when the server would not activate the client.
constexpr int NotActivated = std::numeric_limits<int>::min();

// Checks `done` every `step` until it holds or `deadline` has passed.
template <typename Done>
bool waitUntil(Done done, Clock::time_point deadline, Clock::duration step)
{
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
    , outPort_(outPort)
    , inPort_(inPort)
    , outName_(jack_port_name(outPort))
    , inName_(jack_port_name(inPort))
    , control_(std::move(control))
    , outputLink_(outPort)
    , inputLink_(inPort)
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
    const bool callbacksSet = jack_set_process_callback(handle, &JackClient::onProcess, this) == 0
        && jack_set_port_registration_callback(handle, &JackClient::onPortRegistration, this) == 0
        && jack_set_port_connect_callback(handle, &JackClient::onPortConnect, this) == 0;
    if (!callbacksSet)
        return false;
    jack_on_info_shutdown(handle, &JackClient::onShutdown, this);
    // JACK2 calls only the callback above when both are set; PipeWire's
    // JACK (0.3.65) calls only this one.
    jack_on_shutdown(handle, [](void* self) { onShutdown(JackFailure, "", self); }, this);
    alive_.store(true);
    return true;
}

bool JackClient::runningCycles() const noexcept
{
    return alive() && active() && !backpressure::stalled(lastCycle_.load());
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
    lastCycle_.store(backpressure::now()); // counts as running until its cycles are due
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

std::string JackClient::requestConnect(JackPeerLink& link, jack_port_t* peer, const std::string& from,
                                       const std::string& to, std::string failure, Clock::time_point deadline)
{
    const std::optional<int> result = control_->call(
        [self = shared_from_this(), from, to] { return self->activateAndConnect(from, to); }, deadline,
        // Made after we gave up: undone, and not taken for the loss of a later link.
        [self = shared_from_this(), &link, peer, from, to](int late) {
            jack_client_t* handle = self->handle_.load();
            if (!handle || late != 0)
                return;
            link.expectDisconnect(peer);
            if (jack_disconnect(handle, from.c_str(), to.c_str()) != 0)
                link.disconnectFailed(peer);
        });
    if (!result)
        return NoAnswer;
    if (*result == NotActivated)
        return "The JACK server would not run this program's MIDI ports.";
    if (*result != 0 && *result != EEXIST)
        return failure;
    return {};
}

void JackClient::closeLink(JackPeerLink& link, std::string& wanted, bool outgoing)
{
    std::string peer;
    jack_port_t* peerPort = nullptr;
    {
        std::lock_guard lock(linkMutex_);
        peer = std::exchange(wanted, {});
        peerPort = unwatch(link);
    }
    if (!peerPort)
        return;
    const std::string from = linkSource(outgoing, peer);
    const std::string to = linkTarget(outgoing, peer);
    auto reply = control_->ask([self = shared_from_this(), &link, peerPort, from, to] {
        jack_client_t* handle = self->handle_.load();
        const bool done = handle && jack_disconnect(handle, from.c_str(), to.c_str()) == 0;
        if (!done)
            link.disconnectFailed(peerPort);
        return done;
    });
    // Waited for briefly, so that a peer sees the link gone when closing
    // returns; not at all from a server that runs no cycles.
    control_->await(*reply, runningCycles() ? Clock::now() + CloseWait : Clock::now());
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

jack_port_t* JackClient::findPeer(const std::string& name, unsigned long direction) const
{
    jack_client_t* handle = handle_.load();
    jack_port_t* port = handle ? jack_port_by_name(handle, name.c_str()) : nullptr;
    if (!port || jack_port_is_mine(handle, port))
        return nullptr;
    const char* type = jack_port_type(port);
    const bool midi = type && std::strcmp(type, JACK_DEFAULT_MIDI_TYPE) == 0;
    const bool rightWay = (static_cast<unsigned long>(jack_port_flags(port)) & direction) != 0;
    return midi && rightWay ? port : nullptr;
}

JackClient::LinkOutcome JackClient::connectOutput(const std::string& peer)
{
    if (!alive())
        return {"The JACK server has shut down.", {}};
    if (outputLink_.held())
        return {"Another JACK MIDI output is open; close it first.", {}};
    jack_port_t* port = findPeer(peer, JackPortIsInput);
    if (!port)
        return {"There is no JACK MIDI input port named " + quoted(peer) + ".", {}};
    const auto deadline = Clock::now() + RequestWait;
    outputLink_.watch(port);
    if (auto error = requestConnect(outputLink_, port, outName_, peer,
                                     "JACK could not connect to " + quoted(peer) + ".", deadline);
        !error.empty()) {
        outputLink_.unwatch(false);
        return {std::move(error), {}};
    }
    {
        std::lock_guard lock(linkMutex_);
        outputPeer_ = peer;
    }
    return {{}, liveOrPending(outPort_, peer, deadline)};
}

JackClient::LinkOutcome JackClient::awaitOutput(const std::string& peer)
{
    if (!alive())
        return {"The JACK server has shut down.", {}};
    if (outputLink_.held())
        return {"Another JACK MIDI output is open; close it first.", {}};
    outputLink_.await();
    want(outputPeer_, peer, true);
    return {{}, "The JACK port " + quoted(peer) + " is not there at the moment; Kelmar plays to it as soon as it is back."};
}

void JackClient::disconnectOutput()
{
    if (!outputLink_.held())
        return;
    // Whatever was sent goes out first: wait until the process callback has
    // taken it all, then for a whole cycle more so the peer has read it.
    // Only while the server runs our cycles, and only for so long.
    const auto deadline = Clock::now() + DrainWait;
    if (waitUntil([this] { return outRing_.empty() || !runningCycles(); }, deadline, 1ms) && runningCycles())
        waitForCycles(2, deadline);
    closeLink(outputLink_, outputPeer_, true);
}

bool JackClient::outputConnected() const noexcept
{
    return alive() && outputLink_.held() && !outputLink_.lost();
}

void JackClient::send(const MidiBytes& message)
{
    if (!alive())
        return;
    const bool queued = backpressure::queueOrDrop([&] { return !alive() || outRing_.push(message); },
                                                  [this] { return lastCycle_.load(); });
    if (!queued)
        dropped_.fetch_add(1);
}

JackClient::LinkOutcome JackClient::connectInput(const std::string& peer, MidiInputQueue& queue)
{
    if (!alive())
        return {"The JACK server has shut down.", {}};
    if (inputLink_.held())
        return {"Another JACK MIDI input is open; close it first.", {}};
    jack_port_t* port = findPeer(peer, JackPortIsOutput);
    if (!port)
        return {"There is no JACK MIDI output port named " + quoted(peer) + ".", {}};
    const auto deadline = Clock::now() + RequestWait;
    inputLink_.watch(port);
    inputQueue_.store(&queue);
    if (auto error = requestConnect(inputLink_, port, peer, inName_,
                                     "JACK could not connect " + quoted(peer) + " to this program.", deadline);
        !error.empty()) {
        releaseInputQueue();
        inputLink_.unwatch(false);
        return {std::move(error), {}};
    }
    {
        std::lock_guard lock(linkMutex_);
        inputPeer_ = peer;
    }
    return {{}, liveOrPending(inPort_, peer, deadline)};
}

JackClient::LinkOutcome JackClient::awaitInput(const std::string& peer, MidiInputQueue& queue)
{
    if (!alive())
        return {"The JACK server has shut down.", {}};
    if (inputLink_.held())
        return {"Another JACK MIDI input is open; close it first.", {}};
    inputLink_.await();
    inputQueue_.store(&queue);
    want(inputPeer_, peer, false);
    return {{}, "The JACK port " + quoted(peer)
                    + " is not there at the moment; Kelmar takes what it sends as soon as it is back."};
}

void JackClient::want(std::string& wanted, const std::string& peer, bool outgoing)
{
    {
        std::lock_guard lock(linkMutex_);
        wanted = peer;
    }
    // A port that registered before `wanted` was set gave no cause to relink.
    if (findPeer(peer, outgoing ? JackPortIsInput : JackPortIsOutput))
        noticePortsChanged({outgoing, !outgoing});
}

std::string JackClient::liveOrPending(const jack_port_t* ours, const std::string& peer,
                                      Clock::time_point deadline) const
{
    if (waitUntilLive(ours, peer, deadline))
        return {};
    return "JACK has taken the connection to " + quoted(peer)
        + " but does not run it yet; what is played goes there once it does.";
}

void JackClient::disconnectInput()
{
    if (!inputLink_.held())
        return;
    releaseInputQueue();
    closeLink(inputLink_, inputPeer_, false);
}

bool JackClient::inputConnected() const noexcept
{
    return alive() && inputLink_.held() && !inputLink_.lost();
}

bool JackClient::waitUntilLive(const jack_port_t* ours, const std::string& peer, Clock::time_point deadline) const
{
    // A new connection joins the graph the server runs at the start of a
    // later cycle; what passes before that is lost. JACK2's connection
    // state is that running graph; PipeWire's JACK reports the link once it
    // exists, and runs it from a following cycle: two more of our cycles
    // cover both.
    waitUntil([&] { return !alive() || jack_port_connected_to(ours, peer.c_str()); }, deadline, 1ms);
    const bool connected = alive() && jack_port_connected_to(ours, peer.c_str());
    if (connected && runningCycles())
        waitForCycles(2, deadline);
    return connected;
}

void JackClient::waitForCycles(std::uint64_t count, Clock::time_point deadline) const
{
    const std::uint64_t target = cycles_.load() + count;
    waitUntil([&] { return cycles_.load() >= target || !runningCycles(); }, deadline, 1ms);
}

jack_port_t* JackClient::unwatch(JackPeerLink& link) noexcept
{
    // A lost link has nothing left to disconnect; a dead server takes no requests.
    const bool connected = alive() && !link.lost();
    jack_port_t* peer = link.unwatch(connected);
    return connected ? peer : nullptr;
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
    waitUntil([this] { return inputQueueUsers_.load() == 0; }, Clock::now() + ReleaseWait, 50us);
}

int JackClient::attachAudio(AudioRenderer& renderer)
{
    jack_client_t* handle = handle_.load();
    if (!handle || !activate())
        return 0;
    if (!audioReady_.load()) {
        for (int i = 0; i < 2; ++i) {
            const std::string name = "out_" + std::to_string(i + 1);
            audioPorts_[i] = jack_port_register(handle, name.c_str(), JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput, 0);
            if (!audioPorts_[i])
                return 0;
        }
        audioReady_.store(true);
    }
    // A failed connection only leaves the ports unconnected, for a patchbay.
    const unsigned long playbackPorts = JackPortIsPhysical | JackPortIsInput;
    if (const char** playback = jack_get_ports(handle, nullptr, JACK_DEFAULT_AUDIO_TYPE, playbackPorts)) {
        for (int i = 0; i < 2 && playback[i]; ++i)
            jack_connect(handle, jack_port_name(audioPorts_[i]), playback[i]);
        jack_free(static_cast<void*>(playback));
    }
    renderer_.store(&renderer);
    return static_cast<int>(jack_get_sample_rate(handle));
}

// A render takes less than a period and never waits, so this ends soon.
void JackClient::detachAudio() noexcept
{
    renderer_.store(nullptr);
    while (rendererUsers_.load() != 0)
        std::this_thread::sleep_for(50us);
}

void JackClient::writeAudio(jack_nframes_t frames) noexcept
{
    if (!audioReady_.load())
        return;
    auto* left = static_cast<float*>(jack_port_get_buffer(audioPorts_[0], frames));
    auto* right = static_cast<float*>(jack_port_get_buffer(audioPorts_[1], frames));
    rendererUsers_.fetch_add(1);
    if (AudioRenderer* renderer = renderer_.load()) {
        renderer->renderAudio(frames, left, right);
    } else {
        std::fill_n(left, frames, 0.0F);
        std::fill_n(right, frames, 0.0F);
    }
    rendererUsers_.fetch_sub(1);
}

int JackClient::onProcess(jack_nframes_t frames, void* self) noexcept
{
    auto* client = static_cast<JackClient*>(self);
    client->lastCycle_.store(backpressure::now());
    client->writeOutput(frames);
    client->readInput(frames);
    client->writeAudio(frames);
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
    auto* client = static_cast<JackClient*>(self);
    jack_port_t* changed = jack_port_by_id(client->handle_.load(), port);
    if (!registered) {
        client->outputLink_.noticeUnregister(changed);
        if (client->inputLink_.noticeUnregister(changed))
            client->noticeInputLost();
    }
    client->noticePortsChanged(registered ? client->linksTo(changed) : Links{});
}

JackClient::Links JackClient::linksTo(const jack_port_t* port)
{
    const char* name = port ? jack_port_name(port) : nullptr;
    if (!name)
        return {};
    std::lock_guard lock(linkMutex_);
    return {outputPeer_ == name, inputPeer_ == name};
}

// What talks to the server runs on the control thread. A link is made again
// only on the notice of its own peer's port coming back: that comes after
// every notice about the port that went away (which may have had the same
// id), so none of those can be taken for a loss of the new link. Other
// changes only tell the listener, once for all that arrive before it is told.
void JackClient::noticePortsChanged(Links back)
{
    const bool relinking = back.output || back.input;
    if (!relinking && portsChangePosted_.exchange(true))
        return;
    control_->post([weak = weak_from_this(), back] {
        const auto self = weak.lock();
        if (!self)
            return;
        self->portsChangePosted_.store(false);
        if (back.output)
            self->relink(self->outputLink_, self->outputPeer_, true);
        if (back.input)
            self->relink(self->inputLink_, self->inputPeer_, false);
        self->control_->tellListener();
    });
}

// JACK's own locks are never taken while holding linkMutex_: the
// notification thread may hold them while it waits for that mutex.
void JackClient::relink(JackPeerLink& link, const std::string& wanted, bool outgoing)
{
    std::string peer;
    {
        std::lock_guard lock(linkMutex_);
        if (wanted.empty() || !link.lost())
            return;
        peer = wanted;
    }
    jack_port_t* port = findPeer(peer, outgoing ? JackPortIsInput : JackPortIsOutput);
    jack_client_t* handle = handle_.load();
    if (!port || !handle)
        return;
    const std::string from = linkSource(outgoing, peer);
    const std::string to = linkTarget(outgoing, peer);
    const int result = jack_connect(handle, from.c_str(), to.c_str());
    if (result != 0 && result != EEXIST)
        return; // still lost; tried again when the port next appears
    // The link counts as open once what passes reaches the peer.
    waitUntilLive(outgoing ? outPort_ : inPort_, peer, Clock::now() + RequestWait);
    bool keep = false;
    {
        std::lock_guard lock(linkMutex_);
        keep = wanted == peer && link.lost();
        if (keep)
            link.watch(port);
    }
    if (keep)
        return;
    // Closed meanwhile (a reopen's own connection runs after this): undone.
    link.expectDisconnect(port);
    if (jack_disconnect(handle, from.c_str(), to.c_str()) != 0)
        link.disconnectFailed(port);
}

void JackClient::onPortConnect(jack_port_id_t a, jack_port_id_t b, int connected, void* self) noexcept
{
    if (connected)
        return;
    auto* client = static_cast<JackClient*>(self);
    jack_client_t* handle = client->handle_.load();
    jack_port_t* portA = jack_port_by_id(handle, a);
    jack_port_t* portB = jack_port_by_id(handle, b);
    client->outputLink_.noticeDisconnect(portA, portB);
    if (client->inputLink_.noticeDisconnect(portA, portB))
        client->noticeInputLost();
}

void JackClient::noticeInputLost() noexcept
{
    withInputQueue([](MidiInputQueue& queue) { queue.reportError(PortErrorDeviceLost); });
}

} // namespace kelmar
