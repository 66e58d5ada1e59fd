#include "midi/jack/JackInputDevice.h"

#include "midi/jack/JackClient.h"

namespace kelmar {

JackInputDevice::JackInputDevice(std::shared_ptr<JackClient> client)
    : client_(std::move(client))
{
}

JackInputDevice::~JackInputDevice()
{
    client_->disconnectInput();
}

bool JackInputDevice::isOpen() const
{
    return client_->inputConnected();
}

} // namespace kelmar
