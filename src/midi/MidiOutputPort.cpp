#include "midi/MidiOutputPort.h"

#include <chrono>

#include "midi/MidiMessage.h"
#include "midi/MidiTap.h"

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
    return entry ? entry->listedName() : std::string();
}

int MidiOutputPort::IsOpen() const
{
    return device_ && device_->isOpen() ? 1 : 0;
}

void MidiOutputPort::open()
{
    // A device whose loss the user was told of is not announced as away again.
    const std::string toldGone = lossReported_ && device_ ? openName_ : std::string();
    close();
    lastError_.clear();
    lastPending_.clear();
    if (deviceIndex_ == -1) {
        openDefault();
        return;
    }
    const MidiDeviceEntry* listed = devices_.at(deviceIndex_);
    if (!listed) {
        lastError_ = "There is no MIDI output device number " + std::to_string(deviceIndex_) + ".";
        return;
    }
    lastError_ = openEntry(*listed, listed->name, listed->name == toldGone);
}

// The default output is the built-in synthesizer; where that cannot sound,
// the first other output that opens plays in its place, so that the
// default still plays wherever anything can.
void MidiOutputPort::openDefault()
{
    const MidiDeviceEntry& mapper = catalogue_.mapper();
    if (!mapper.backend) {
        lastError_ = "No MIDI output is available.";
        return;
    }
    const std::string why = openEntry(mapper, catalogue_.mapperLabel());
    if (why.empty())
        return;
    for (const MidiDeviceEntry& other : catalogue_.outputs()) {
        if (other.backend == mapper.backend && other.name == mapper.name)
            continue;
        if (openEntry(other, other.name).empty()) {
            lastError_ = why + "\nKelmar plays through \"" + other.name + "\" instead.";
            return;
        }
    }
    lastError_ = why + "\nNo other MIDI output opens either: nothing can sound.";
}

// A device that is not there now is opened to be linked once it is back;
// until then it counts as told gone, so its first note reports nothing more.
std::string MidiOutputPort::openEntry(const MidiDeviceEntry& entry, const std::string& label, bool lossTold)
{
    auto result = entry.present ? entry.backend->openOutput(entry.name) : entry.backend->openAbsentOutput(entry.name);
    if (!result.device)
        return result.error.empty() ? "The device could not be opened." : result.error;
    device_ = std::move(result.device);
    openName_ = label;
    dropsReported_ = false;
    lossReported_ = !entry.present;
    if (!(lossTold && !entry.present))
        lastPending_ = std::move(result.pending);
    return {};
}

void MidiOutputPort::close()
{
    device_.reset();
    openName_.clear();
    lastSent_.forget();
}

void MidiOutputPort::transmit()
{
    if (!device_)
        return;
    if (const auto message = encodeShortMessage(status_, data1_, data2_)) {
        if (tap_) // the time it was taken, before the device's own work
            tap_->tapped(*message, std::chrono::steady_clock::now().time_since_epoch().count());
        device_->send(*message);
        lastSent_.record(*message);
        if (!dropsReported_ && device_->dropped() > 0)
            reportDrops();
        noticeLoss();
    }
}

void MidiOutputPort::noticeLoss()
{
    if (device_->isOpen()) {
        lossReported_ = false;
        return;
    }
    if (lossReported_)
        return;
    lossReported_ = true;
    if (!reportProblem_)
        return;
    const std::string why = device_->failure();
    if (!why.empty())
        reportProblem_("The MIDI output \"" + openName_ + "\" cannot play: " + why);
    else
        reportProblem_("The MIDI output \"" + openName_
                       + "\" is no longer there; what is played goes nowhere while it is gone.");
}

void MidiOutputPort::reportDrops()
{
    dropsReported_ = true;
    if (reportProblem_)
        reportProblem_("Some MIDI messages could not be sent: the output \"" + openName_
                       + "\" has stopped taking them. What could not wait was left out.");
}

} // namespace kelmar
