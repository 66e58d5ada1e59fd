#include "midi/jack/JackBackend.h"

#include "midi/jack/JackAudioHost.h"
#include "midi/jack/JackClient.h"
#include "midi/jack/JackInputDevice.h"
#include "midi/jack/JackOutputDevice.h"

#include <string_view>

namespace kelmar {

namespace {

// How long the backend's end waits for its client to close (and for what
// is queued before that).
constexpr auto ExitWait = std::chrono::milliseconds(500);

std::string noServer(const std::string& device)
{
    return "\"" + device + "\" cannot be opened: no JACK server is running.";
}

std::string noAnswer(const std::string& device)
{
    return "\"" + device + "\" cannot be opened: the JACK server does not answer.";
}

std::string ownPort(const std::string& device)
{
    return "The JACK port \"" + device + "\" is one of this program's own ports.";
}

} // namespace

JackBackend::JackBackend(std::string clientName)
    : clientName_(std::move(clientName))
    , control_(JackControl::start())
    , audioHost_(std::make_shared<JackAudioHost>(control_))
{
}

JackBackend::~JackBackend()
{
    control_->setOnCaughtUp(nullptr);
    audioHost_->release();
    opening_.reset();
    client_.reset(); // closes it on the control thread, unless a device still holds it
    control_->finish(ExitWait);
}

void JackBackend::openInBackground()
{
    if (client_ || opening_)
        return;
    opening_ = control_->ask([name = clientName_, control = control_, host = audioHost_] {
        auto client = JackClient::open(name, control);
        host->opened(client);
        return client;
    });
    openDeadline_ = JackControl::Clock::now() + OpenWait;
}

std::shared_ptr<JackClient> JackBackend::client()
{
    // A client whose server has gone is closed and let go (open devices keep
    // the object until they close); a server that has come up since is
    // tried afresh. An open under way is waited for until its deadline; if
    // it found no server, the next call tries again.
    if (client_ && !client_->alive()) {
        client_->closeIfGone();
        client_.reset();
    }
    if (!client_ && !opening_)
        openInBackground();
    if (opening_) {
        auto opened = control_->await(*opening_, openDeadline_);
        if (!opened)
            return nullptr; // still opening: the server has not answered yet
        opening_.reset();
        client_ = std::move(*opened);
    }
    return client_;
}

bool JackBackend::isBridgedOwnPort(const std::string& portName, const std::string& clientName)
{
    // The bridge names a port "bridge:alsa-client:(capture_N) port" or
    // "(playback_N)"; the JACK client's own part ends at the first colon.
    const auto colon = portName.find(':');
    if (colon == std::string::npos)
        return false;
    const std::string_view rest = std::string_view(portName).substr(colon + 1);
    const std::string prefix = clientName + ":(";
    if (!rest.starts_with(prefix))
        return false;
    const std::string_view kind = rest.substr(prefix.size());
    return kind.starts_with("capture_") || kind.starts_with("playback_");
}

std::vector<std::string> JackBackend::withoutOwn(std::vector<std::string> names) const
{
    std::erase_if(names, [this](const std::string& name) { return isBridgedOwnPort(name, clientName_); });
    return names;
}

std::vector<std::string> JackBackend::outputNames()
{
    const auto jack = client();
    return jack ? withoutOwn(jack->peerPorts(JackPortIsInput)) : std::vector<std::string>{};
}

std::vector<std::string> JackBackend::inputNames()
{
    const auto jack = client();
    return jack ? withoutOwn(jack->peerPorts(JackPortIsOutput)) : std::vector<std::string>{};
}

// Opens a device of type `Device` on the client once `link` (one of the
// client's connect or await calls) has linked the port `name`.
template <typename Device, typename Link>
OpenResult<typename Device::Interface> JackBackend::openLinked(const std::string& name, Link link)
{
    if (isBridgedOwnPort(name, clientName_))
        return {nullptr, ownPort(name), {}};
    const auto jack = client();
    if (!jack)
        return {nullptr, opening_ ? noAnswer(name) : noServer(name), {}};
    JackClient::LinkOutcome linked = link(*jack);
    if (!linked.error.empty())
        return {nullptr, std::move(linked.error), {}};
    return {std::make_unique<Device>(jack), {}, std::move(linked.pending)};
}

OpenResult<MidiOutputDevice> JackBackend::openOutput(const std::string& name)
{
    return openLinked<JackOutputDevice>(name, [&](JackClient& jack) { return jack.connectOutput(name); });
}

OpenResult<MidiOutputDevice> JackBackend::openAbsentOutput(const std::string& name)
{
    return openLinked<JackOutputDevice>(name, [&](JackClient& jack) { return jack.awaitOutput(name); });
}

OpenResult<MidiInputDevice> JackBackend::openInput(const std::string& name, MidiInputQueue& queue)
{
    return openLinked<JackInputDevice>(name, [&](JackClient& jack) { return jack.connectInput(name, queue); });
}

OpenResult<MidiInputDevice> JackBackend::openAbsentInput(const std::string& name, MidiInputQueue& queue)
{
    return openLinked<JackInputDevice>(name, [&](JackClient& jack) { return jack.awaitInput(name, queue); });
}

std::string JackBackend::notice() const
{
    if (!control_->heldUp())
        return {};
    return client_ ? "The JACK server does not answer."
                   : "The JACK server does not answer; its MIDI ports are listed once it does.";
}

std::uint64_t JackBackend::missedCycles() const
{
    return client_ ? client_->missedCycles() : 0;
}

std::shared_ptr<AudioHost> JackBackend::audioHost() const
{
    return audioHost_;
}

void JackBackend::setListsChanged(std::function<void()> changed)
{
    control_->setOnCaughtUp(std::move(changed));
}

} // namespace kelmar
