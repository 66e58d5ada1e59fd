#include "midi/jack/JackBackend.h"

#include "midi/jack/JackClient.h"
#include "midi/jack/JackInputDevice.h"
#include "midi/jack/JackOutputDevice.h"

namespace kelmar {

namespace {

std::string noServer(const std::string& device)
{
    return "\"" + device + "\" cannot be opened: no JACK server is running.";
}

} // namespace

JackBackend::JackBackend(std::string clientName)
    : clientName_(std::move(clientName))
{
}

JackBackend::~JackBackend() = default;

void JackBackend::openInBackground()
{
    if (!client_ && !opening_.valid())
        opening_ = std::async(std::launch::async, [name = clientName_] { return JackClient::open(name); });
}

std::shared_ptr<JackClient> JackBackend::client()
{
    // A client whose server has gone is closed and let go (open devices keep
    // the object until they close); a server that has come up since is
    // tried afresh. An open under way is waited for; if it found no server,
    // the next call tries again.
    if (opening_.valid())
        return client_ = opening_.get();
    if (client_ && !client_->alive()) {
        client_->closeIfGone();
        client_.reset();
    }
    if (!client_)
        client_ = JackClient::open(clientName_);
    return client_;
}

std::vector<std::string> JackBackend::outputNames()
{
    const auto jack = client();
    return jack ? jack->peerPorts(JackPortIsInput) : std::vector<std::string>{};
}

std::vector<std::string> JackBackend::inputNames()
{
    const auto jack = client();
    return jack ? jack->peerPorts(JackPortIsOutput) : std::vector<std::string>{};
}

OpenResult<MidiOutputDevice> JackBackend::openOutput(const std::string& name)
{
    const auto jack = client();
    if (!jack)
        return {nullptr, noServer(name)};
    if (auto error = jack->connectOutput(name); !error.empty())
        return {nullptr, std::move(error)};
    return {std::make_unique<JackOutputDevice>(jack), {}};
}

OpenResult<MidiInputDevice> JackBackend::openInput(const std::string& name, MidiInputQueue& queue)
{
    const auto jack = client();
    if (!jack)
        return {nullptr, noServer(name)};
    if (auto error = jack->connectInput(name, queue); !error.empty())
        return {nullptr, std::move(error)};
    return {std::make_unique<JackInputDevice>(jack), {}};
}

} // namespace kelmar
