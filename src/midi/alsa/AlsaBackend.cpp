#include "midi/alsa/AlsaBackend.h"

#include <rtmidi/RtMidi.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <span>

#include "midi/MidiInputQueue.h"
#include "midi/PortError.h"
#include "midi/alsa/AlsaOwnPorts.h"
#include "midi/alsa/AlsaPeerLink.h"
#include "midi/alsa/AlsaPortWatch.h"
#include "midi/alsa/OutputSender.h"
#include "midi/alsa/RtMidiAlsa.h"

namespace kelmar {

namespace {

template <typename T>
std::vector<std::string> portNames(T* rtmidi, const std::string& ownClient)
{
    std::vector<std::string> names;
    if (!rtmidi)
        return names;
    const unsigned int count = rtmidi->getPortCount();
    for (unsigned int i = 0; i < count; ++i) {
        std::string name = rtmidi->getPortName(i);
        if (!name.empty() && !AlsaBackend::isOwnPort(name, ownClient))
            names.push_back(std::move(name));
    }
    return names;
}

constexpr const char* OutputPortName = "Kelmar output";
constexpr const char* InputPortName = "Kelmar input";

template <typename T>
bool openByName(T& rtmidi, const std::string& name, const std::string& portName)
{
    const unsigned int count = rtmidi.getPortCount();
    for (unsigned int i = 0; i < count; ++i) {
        if (rtmidi.getPortName(i) == name) {
            rtmidi.openPort(i, portName);
            return rtmidi.isPortOpen();
        }
    }
    return false;
}

// An ALSA sequencer port we send to. RtMidi's ALSA output does not block:
// a message the sequencer cannot take for now is refused (reported through
// the error callback). The sender's thread writes the messages and tries a
// refused one again, so the window never waits for the cable. Each message
// the port took goes to the program's own midi_out port too. While the
// peer is gone the device is not open; when it comes back under its name,
// the port links to it again (AlsaPeerLink).
class AlsaOutputDevice : public MidiOutputDevice {
public:
    AlsaOutputDevice(std::unique_ptr<RtMidiOut> out, const std::string& peer, std::shared_ptr<AlsaOwnPorts> own)
        : out_(std::move(out))
        , own_(std::move(own))
        , link_(*out_, mutex_, peer, OutputPortName)
        , sender_([this](const MidiBytes& message) { return write(message); })
    {
        out_->setErrorCallback(&AlsaOutputDevice::onError, this);
    }

    void send(const MidiBytes& message) override { sender_.send(message); }
    bool isOpen() const override { return link_.linked(); }
    std::uint64_t dropped() const override { return sender_.dropped(); }

private:
    // On the sender's thread; RtMidi reports a refusal there, within sendMessage.
    bool write(const MidiBytes& message)
    {
        refused_.store(false, std::memory_order_relaxed);
        {
            const std::lock_guard lock(mutex_);
            out_->sendMessage(message.data.data(), message.size);
        }
        if (refused_.load(std::memory_order_relaxed))
            return false; // tried again: the copy goes with the message that is taken
        if (own_)
            own_->send(message);
        return true;
    }

    static void onError(RtMidiError::Type, const std::string&, void* self)
    {
        static_cast<AlsaOutputDevice*>(self)->refused_.store(true, std::memory_order_relaxed);
    }

    std::unique_ptr<RtMidiOut> out_;
    std::shared_ptr<AlsaOwnPorts> own_;
    std::mutex mutex_; // every use of out_ once the link runs
    AlsaPeerLink link_;
    std::atomic<bool> refused_{false};
    OutputSender sender_; // last: stopped before the port closes
};

// An ALSA sequencer port we receive from; RtMidi's thread pushes each
// message into the queue, where the program's own midi_in port puts what
// patchbays connect to it while this input is chosen (one at a time, as
// the queue takes one producer). A peer that goes is told as the device
// lost; when it comes back under its name, the port links to it again.
class AlsaInputDevice : public MidiInputDevice {
public:
    AlsaInputDevice(std::unique_ptr<RtMidiIn> in, const std::string& peer, MidiInputQueue& queue,
                    std::shared_ptr<AlsaOwnPorts> own)
        : in_(std::move(in))
        , queue_(queue)
        , own_(std::move(own))
        , attachment_(own_ ? own_->attach(queue) : 0)
    {
        in_->ignoreTypes(true, false, false); // system exclusive only: clock and sensing go thru
        in_->setCallback(&AlsaInputDevice::onMessage, this);
        link_ = std::make_unique<AlsaPeerLink>(*in_, mutex_, peer, InputPortName,
                                               [&queue] { queue.reportError(PortErrorDeviceLost); });
    }
    ~AlsaInputDevice() override
    {
        link_.reset();
        // Closing stops and joins RtMidi's input thread; only then may the
        // callback go. The other way round, that thread can still be about
        // to call the callback as it is being cleared.
        in_->closePort();
        in_->cancelCallback();
        if (own_)
            own_->detach(attachment_);
    }

    bool isOpen() const override { return link_->linked(); }

private:
    static void onMessage(double, std::vector<unsigned char>* message, void* self)
    {
        if (!message)
            return;
        auto* device = static_cast<AlsaInputDevice*>(self);
        const std::span<const std::uint8_t> bytes(message->data(), message->size());
        if (device->own_)
            device->own_->push(bytes);
        else
            device->queue_.pushEvent(bytes);
    }

    std::unique_ptr<RtMidiIn> in_;
    MidiInputQueue& queue_;
    std::shared_ptr<AlsaOwnPorts> own_;
    std::uint64_t attachment_;
    std::mutex mutex_; // every use of in_ while the link runs
    std::unique_ptr<AlsaPeerLink> link_;
};

std::string ownPortError(const std::string& name)
{
    return "The ALSA port \"" + name + "\" is one of this program's own ports.";
}

} // namespace

AlsaBackend::AlsaBackend(std::string clientName)
    : clientName_(std::move(clientName))
    , lister_(makeAlsa<RtMidiOut>(clientName_))
    , inLister_(makeAlsa<RtMidiIn>(clientName_))
{
    if (lister_)
        own_ = std::make_shared<AlsaOwnPorts>(clientName_);
}

AlsaBackend::~AlsaBackend() = default;

// The watch lists through RtMidi objects of its own: a sequencer handle
// serves one thread at a time.
void AlsaBackend::setListsChanged(std::function<void()> changed)
{
    watch_.reset();
    if (!changed || !lister_)
        return;
    std::shared_ptr<RtMidiOut> out = makeAlsa<RtMidiOut>(clientName_);
    std::shared_ptr<RtMidiIn> in = makeAlsa<RtMidiIn>(clientName_);
    if (!out || !in)
        return;
    auto list = [out, in, client = clientName_] {
        std::vector<std::string> names = portNames(out.get(), client);
        for (std::string& name : portNames(in.get(), client))
            names.push_back(std::move(name));
        return names;
    };
    watch_ = std::make_unique<AlsaPortWatch>(std::move(list), std::move(changed));
}

bool AlsaBackend::isOwnPort(const std::string& portName, const std::string& clientName)
{
    // RtMidi names a port "client:port client-id:port-id".
    return portName.size() > clientName.size() && portName.compare(0, clientName.size(), clientName) == 0 &&
           portName[clientName.size()] == ':';
}

std::vector<std::string> AlsaBackend::outputNames()
{
    return portNames(lister_.get(), clientName_);
}

std::vector<std::string> AlsaBackend::inputNames()
{
    return portNames(inLister_.get(), clientName_);
}

OpenResult<MidiOutputDevice> AlsaBackend::openOutput(const std::string& name)
{
    if (isOwnPort(name, clientName_))
        return {nullptr, ownPortError(name)};
    auto out = makeAlsa<RtMidiOut>(clientName_);
    if (!out)
        return {nullptr, "The ALSA sequencer is not available."};
    try {
        if (!openByName(*out, name, OutputPortName))
            return {nullptr, "The ALSA port \"" + name + "\" is no longer there."};
    } catch (const RtMidiError& e) {
        return {nullptr, e.getMessage()};
    }
    return {std::make_unique<AlsaOutputDevice>(std::move(out), name, own_), {}};
}

OpenResult<MidiInputDevice> AlsaBackend::openInput(const std::string& name, MidiInputQueue& queue)
{
    if (isOwnPort(name, clientName_))
        return {nullptr, ownPortError(name)};
    auto in = makeAlsa<RtMidiIn>(clientName_, MidiInputQueue::Capacity);
    if (!in)
        return {nullptr, "The ALSA sequencer is not available."};
    try {
        if (!openByName(*in, name, InputPortName))
            return {nullptr, "The ALSA port \"" + name + "\" is no longer there."};
    } catch (const RtMidiError& e) {
        return {nullptr, e.getMessage()};
    }
    return {std::make_unique<AlsaInputDevice>(std::move(in), name, queue, own_), {}};
}

} // namespace kelmar
