#include "midi/jack/JackOutputDevice.h"

#include "midi/jack/JackClient.h"

namespace kelmar {

JackOutputDevice::JackOutputDevice(std::shared_ptr<JackClient> client)
    : client_(std::move(client))
    , droppedBefore_(client_->dropped())
{
}

JackOutputDevice::~JackOutputDevice()
{
    client_->disconnectOutput();
}

void JackOutputDevice::send(const MidiBytes& message)
{
    client_->send(message);
}

bool JackOutputDevice::isOpen() const
{
    return client_->outputConnected();
}

std::uint64_t JackOutputDevice::dropped() const
{
    return client_->dropped() - droppedBefore_;
}

} // namespace kelmar
