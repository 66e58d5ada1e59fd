#include "midi/alsa/AlsaOwnPorts.h"

#include <rtmidi/RtMidi.h>

#include "midi/MidiInputQueue.h"
#include "midi/alsa/RtMidiAlsa.h"

namespace kelmar {

namespace {

// The sequencer's warnings (a peer's full queue) need no word: the
// message is lost for that peer only.
void ignoreError(RtMidiError::Type, const std::string&, void*) {}

} // namespace

AlsaOwnPorts::AlsaOwnPorts(const std::string& clientName)
{
    try {
        out_ = makeAlsa<RtMidiOut>(clientName);
        if (out_) {
            out_->setErrorCallback(&ignoreError, nullptr);
            out_->openVirtualPort("midi_out");
        }
    } catch (const RtMidiError&) {
        out_.reset();
    }
    try {
        in_ = makeAlsa<RtMidiIn>(clientName);
        if (in_) {
            in_->setErrorCallback(&ignoreError, nullptr);
            in_->ignoreTypes(true, false, false); // as the chosen input: system exclusive stays out
            in_->setCallback(&AlsaOwnPorts::onMessage, this);
            in_->openVirtualPort("midi_in");
        }
    } catch (const RtMidiError&) {
        in_.reset();
    }
}

AlsaOwnPorts::~AlsaOwnPorts()
{
    if (in_) {
        // Closing joins RtMidi's input thread before the callback goes.
        in_->closePort();
        in_->cancelCallback();
    }
}

void AlsaOwnPorts::send(const MidiBytes& message)
{
    if (!out_)
        return;
    const std::lock_guard lock(outMutex_);
    out_->sendMessage(message.data.data(), message.size);
}

std::uint64_t AlsaOwnPorts::attach(MidiInputQueue& queue)
{
    const std::lock_guard lock(queueMutex_);
    queue_ = &queue;
    return ++attachment_;
}

void AlsaOwnPorts::detach(std::uint64_t token)
{
    const std::lock_guard lock(queueMutex_);
    if (token == attachment_)
        queue_ = nullptr;
}

void AlsaOwnPorts::push(std::span<const std::uint8_t> bytes)
{
    const std::lock_guard lock(queueMutex_);
    if (queue_)
        queue_->pushEvent(bytes);
}

void AlsaOwnPorts::onMessage(double, std::vector<unsigned char>* message, void* self)
{
    if (message)
        static_cast<AlsaOwnPorts*>(self)->push({message->data(), message->size()});
}

} // namespace kelmar
