#include "midi/MidiOutputPort.h"

#include "midi/MidiMessage.h"

namespace kelmar {

MidiOutputPort::MidiOutputPort(const MidiDeviceCatalogue& catalogue)
    : catalogue_(catalogue)
    , devices_(catalogue, &MidiDeviceCatalogue::outputs)
{
}

MidiOutputPort::~MidiOutputPort() = default;

void MidiOutputPort::Command(int code)
{
    switch (code) {
    case Open:
        open();
        break;
    case Close:
        close();
        break;
    case Transmit:
        transmit();
        break;
    default:
        break; // unknown commands do nothing
    }
}

int MidiOutputPort::DeviceCount()
{
    return devices_.refresh();
}

std::string MidiOutputPort::DeviceName()
{
    if (deviceIndex_ == -1)
        return catalogue_.mapperLabel();
    const MidiDeviceEntry* entry = devices_.at(deviceIndex_);
    return entry ? entry->name : std::string();
}

int MidiOutputPort::IsOpen() const
{
    return device_ && device_->isOpen() ? 1 : 0;
}

void MidiOutputPort::open()
{
    close();
    lastError_.clear();
    MidiDeviceEntry entry;
    std::string label;
    if (deviceIndex_ == -1) {
        entry = catalogue_.mapper();
        label = catalogue_.mapperLabel();
    } else {
        const MidiDeviceEntry* listed = devices_.at(deviceIndex_);
        if (!listed) {
            lastError_ = "There is no MIDI output device number " + std::to_string(deviceIndex_) + ".";
            return;
        }
        entry = *listed;
        label = entry.name;
    }
    if (!entry.backend) {
        lastError_ = "No MIDI output is available.";
        return;
    }
    auto result = entry.backend->openOutput(entry.name);
    if (!result.device) {
        lastError_ = result.error.empty() ? "The device could not be opened." : result.error;
        return;
    }
    device_ = std::move(result.device);
    openName_ = label;
}

void MidiOutputPort::close()
{
    device_.reset();
    openName_.clear();
}

void MidiOutputPort::transmit()
{
    if (!device_)
        return;
    if (const auto message = encodeShortMessage(status_, data1_, data2_))
        device_->send(*message);
}

} // namespace kelmar
