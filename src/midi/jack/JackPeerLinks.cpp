#include "midi/jack/JackPeerLinks.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <thread>
#include <utility>

#include "midi/jack/JackClient.h"

namespace kelmar {

namespace {

using namespace std::chrono_literals;
using Clock = JackPeerLinks::Clock;

// How long closing the output waits for queued messages to go out while the
// server runs our cycles.
constexpr auto DrainWait = 500ms;

const char* const NoAnswer = "The JACK server does not answer.";
const char* const ServerGone = "The JACK server has shut down.";

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

JackPeerLinks::JackPeerLinks(JackClient& client, jack_port_t* outPort, jack_port_t* inPort)
    : client_(client)
    , outPort_(outPort)
    , inPort_(inPort)
    , outName_(jack_port_name(outPort))
    , inName_(jack_port_name(inPort))
    , outputLink_(outPort)
    , inputLink_(inPort)
{
}

JackPeerLinks::LinkOutcome JackPeerLinks::connectOutput(const std::string& peer)
{
    if (!client_.alive())
        return {ServerGone, {}};
    if (outputLink_.held())
        return {"Another JACK MIDI output is open; close it first.", {}};
    jack_port_t* port = findPeer(peer, JackPortIsInput);
    if (!port)
        return {"There is no JACK MIDI input port named " + quoted(peer) + ".", {}};
    const auto deadline = Clock::now() + JackClient::RequestWait;
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

JackPeerLinks::LinkOutcome JackPeerLinks::awaitOutput(const std::string& peer)
{
    if (!client_.alive())
        return {ServerGone, {}};
    if (outputLink_.held())
        return {"Another JACK MIDI output is open; close it first.", {}};
    outputLink_.await();
    want(outputPeer_, peer, true);
    return {{}, "The JACK port " + quoted(peer) + " is not there at the moment; Kelmar plays to it as soon as it is back."};
}

void JackPeerLinks::disconnectOutput()
{
    if (!outputLink_.held())
        return;
    // Whatever was sent goes out first: wait until the process callback has
    // taken it all, then for a whole cycle more so the peer has read it.
    // Only while the server runs our cycles, and only for so long.
    const auto deadline = Clock::now() + DrainWait;
    const auto drained = [this] { return client_.cycle_.outputEmpty() || !client_.runningCycles(); };
    if (waitUntil(drained, deadline, 1ms) && client_.runningCycles())
        waitForCycles(2, deadline);
    closeLink(outputLink_, outputPeer_, true);
}

JackPeerLinks::LinkOutcome JackPeerLinks::connectInput(const std::string& peer, MidiInputQueue& queue)
{
    if (!client_.alive())
        return {ServerGone, {}};
    if (inputLink_.held())
        return {"Another JACK MIDI input is open; close it first.", {}};
    jack_port_t* port = findPeer(peer, JackPortIsOutput);
    if (!port)
        return {"There is no JACK MIDI output port named " + quoted(peer) + ".", {}};
    const auto deadline = Clock::now() + JackClient::RequestWait;
    inputLink_.watch(port);
    client_.cycle_.setInputQueue(queue);
    if (auto error = requestConnect(inputLink_, port, peer, inName_,
                                    "JACK could not connect " + quoted(peer) + " to this program.", deadline);
        !error.empty()) {
        client_.cycle_.releaseInputQueue();
        inputLink_.unwatch(false);
        return {std::move(error), {}};
    }
    {
        std::lock_guard lock(linkMutex_);
        inputPeer_ = peer;
    }
    return {{}, liveOrPending(inPort_, peer, deadline)};
}

JackPeerLinks::LinkOutcome JackPeerLinks::awaitInput(const std::string& peer, MidiInputQueue& queue)
{
    if (!client_.alive())
        return {ServerGone, {}};
    if (inputLink_.held())
        return {"Another JACK MIDI input is open; close it first.", {}};
    inputLink_.await();
    client_.cycle_.setInputQueue(queue);
    want(inputPeer_, peer, false);
    return {{}, "The JACK port " + quoted(peer)
                    + " is not there at the moment; Kelmar takes what it sends as soon as it is back."};
}

void JackPeerLinks::disconnectInput()
{
    if (!inputLink_.held())
        return;
    client_.cycle_.releaseInputQueue();
    closeLink(inputLink_, inputPeer_, false);
}

std::string JackPeerLinks::requestConnect(JackPeerLink& link, jack_port_t* peer, const std::string& from,
                                          const std::string& to, std::string failure, Clock::time_point deadline)
{
    const std::optional<int> result = client_.control_->call(
        [self = client_.shared_from_this(), from, to] { return self->activateAndConnect(from, to); }, deadline,
        // Made after we gave up: undone, and not taken for the loss of a later link.
        [self = client_.shared_from_this(), &link, peer, from, to](int late) {
            jack_client_t* handle = self->handle_.load();
            if (!handle || late != 0)
                return;
            link.expectDisconnect(peer);
            if (jack_disconnect(handle, from.c_str(), to.c_str()) != 0)
                link.disconnectFailed(peer);
        });
    if (!result)
        return NoAnswer;
    if (*result == JackClient::NotActivated)
        return "The JACK server would not run this program's MIDI ports.";
    if (*result != 0 && *result != EEXIST)
        return failure;
    return {};
}

void JackPeerLinks::want(std::string& wanted, const std::string& peer, bool outgoing)
{
    {
        std::lock_guard lock(linkMutex_);
        wanted = peer;
    }
    // A port that registered before `wanted` was set gave no cause to relink.
    if (findPeer(peer, outgoing ? JackPortIsInput : JackPortIsOutput))
        noticePortsChanged({outgoing, !outgoing});
}

std::string JackPeerLinks::liveOrPending(const jack_port_t* ours, const std::string& peer,
                                         Clock::time_point deadline) const
{
    if (waitUntilLive(ours, peer, deadline))
        return {};
    return "JACK has taken the connection to " + quoted(peer)
        + " but does not run it yet; what is played goes there once it does.";
}

void JackPeerLinks::closeLink(JackPeerLink& link, std::string& wanted, bool outgoing)
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
    auto reply = client_.control_->ask([self = client_.shared_from_this(), &link, peerPort, from, to] {
        jack_client_t* handle = self->handle_.load();
        const bool done = handle && jack_disconnect(handle, from.c_str(), to.c_str()) == 0;
        if (!done)
            link.disconnectFailed(peerPort);
        return done;
    });
    // Waited for briefly, so that a peer sees the link gone when closing
    // returns; not at all from a server that runs no cycles.
    client_.control_->await(*reply, client_.runningCycles() ? Clock::now() + JackClient::CloseWait : Clock::now());
}

jack_port_t* JackPeerLinks::findPeer(const std::string& name, unsigned long direction) const
{
    jack_client_t* handle = client_.handle_.load();
    jack_port_t* port = handle ? jack_port_by_name(handle, name.c_str()) : nullptr;
    if (!port || jack_port_is_mine(handle, port))
        return nullptr;
    const char* type = jack_port_type(port);
    const bool midi = type && std::strcmp(type, JACK_DEFAULT_MIDI_TYPE) == 0;
    const bool rightWay = (static_cast<unsigned long>(jack_port_flags(port)) & direction) != 0;
    return midi && rightWay ? port : nullptr;
}

bool JackPeerLinks::waitUntilLive(const jack_port_t* ours, const std::string& peer, Clock::time_point deadline) const
{
    // A new connection joins the graph the server runs at the start of a
    // later cycle; what passes before that is lost. JACK2's connection
    // state is that running graph; PipeWire's JACK reports the link once it
    // exists, and runs it from a following cycle: two more of our cycles
    // cover both.
    waitUntil([&] { return !client_.alive() || jack_port_connected_to(ours, peer.c_str()); }, deadline, 1ms);
    const bool connected = client_.alive() && jack_port_connected_to(ours, peer.c_str());
    if (connected && client_.runningCycles())
        waitForCycles(2, deadline);
    return connected;
}

void JackPeerLinks::waitForCycles(std::uint64_t count, Clock::time_point deadline) const
{
    const std::uint64_t target = client_.cycle_.cycles() + count;
    waitUntil([&] { return client_.cycle_.cycles() >= target || !client_.runningCycles(); }, deadline, 1ms);
}

jack_port_t* JackPeerLinks::unwatch(JackPeerLink& link) noexcept
{
    // A lost link has nothing left to disconnect; a dead server takes no requests.
    const bool connected = client_.alive() && !link.lost();
    jack_port_t* peer = link.unwatch(connected);
    return connected ? peer : nullptr;
}

bool JackPeerLinks::noticeDisconnect(jack_port_t* a, jack_port_t* b) noexcept
{
    outputLink_.noticeDisconnect(a, b);
    return inputLink_.noticeDisconnect(a, b);
}

bool JackPeerLinks::noticeUnregister(jack_port_t* port) noexcept
{
    outputLink_.noticeUnregister(port);
    return inputLink_.noticeUnregister(port);
}

JackPeerLinks::Links JackPeerLinks::linksTo(const jack_port_t* port)
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
// id), so none of those can be taken for a loss of the new link.
void JackPeerLinks::noticePortsChanged(Links back)
{
    const bool relinking = back.output || back.input;
    if (!relinking && portsChangePosted_.exchange(true))
        return;
    client_.control_->post([this, owner = client_.weak_from_this(), back] {
        const auto self = owner.lock();
        if (!self)
            return;
        portsChangePosted_.store(false);
        if (back.output)
            relink(outputLink_, outputPeer_, true);
        if (back.input)
            relink(inputLink_, inputPeer_, false);
        self->control_->tellListener();
    });
}

void JackPeerLinks::relink(JackPeerLink& link, const std::string& wanted, bool outgoing)
{
    std::string peer;
    {
        std::lock_guard lock(linkMutex_);
        if (wanted.empty() || !link.lost())
            return;
        peer = wanted;
    }
    jack_port_t* port = findPeer(peer, outgoing ? JackPortIsInput : JackPortIsOutput);
    jack_client_t* handle = client_.handle_.load();
    if (!port || !handle)
        return;
    const std::string from = linkSource(outgoing, peer);
    const std::string to = linkTarget(outgoing, peer);
    const int result = jack_connect(handle, from.c_str(), to.c_str());
    if (result != 0 && result != EEXIST)
        return; // still lost; tried again when the port next appears
    // The link counts as open once what passes reaches the peer.
    waitUntilLive(outgoing ? outPort_ : inPort_, peer, Clock::now() + JackClient::RequestWait);
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

} // namespace kelmar
