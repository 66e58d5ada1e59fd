#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "midi/MidiMessage.h"

class RtMidiIn;
class RtMidiOut;

namespace kelmar {

class MidiInputQueue;

// The program's own ALSA sequencer ports, "midi_out" and "midi_in" of a
// client named after the program, for `aconnect` and patchbays; they
// exist as long as the backend, chosen device or not. They follow the
// rule of the JACK ports: midi_out carries what is played while an ALSA
// port is the chosen output (the chosen port's device copies each message
// it took to it), and what arrives at midi_in is taken while an ALSA port
// is the chosen input, into that input's queue. The chosen port's thread
// and midi_in's thread put messages into that queue one at a time, as
// the queue takes one producer at a time.
class AlsaOwnPorts {
public:
    // Opens both ports; a port the sequencer refuses is left out.
    explicit AlsaOwnPorts(const std::string& clientName);
    ~AlsaOwnPorts();
    AlsaOwnPorts(const AlsaOwnPorts&) = delete;
    AlsaOwnPorts& operator=(const AlsaOwnPorts&) = delete;

    bool hasOutput() const { return out_ != nullptr; }
    bool hasInput() const { return in_ != nullptr; }

    // Sends a message to every connection of midi_out, never waiting: a
    // peer that does not keep up loses it. Any thread.
    void send(const MidiBytes& message);

    // From now on, messages of midi_in and those given to push() go into
    // `queue`; returns the attachment's token for detach().
    std::uint64_t attach(MidiInputQueue& queue);
    // Ends the attachment `token`, if it is still the current one.
    void detach(std::uint64_t token);
    // Puts a received message into the attached queue; dropped if none.
    void push(std::span<const std::uint8_t> bytes);

private:
    static void onMessage(double, std::vector<unsigned char>* message, void* self);

    std::mutex outMutex_; // RtMidi's output is for one thread at a time
    std::unique_ptr<RtMidiOut> out_;
    std::mutex queueMutex_;
    MidiInputQueue* queue_ = nullptr; // under queueMutex_
    std::uint64_t attachment_ = 0;    // under queueMutex_
    std::unique_ptr<RtMidiIn> in_;    // last: its thread stops first
};

} // namespace kelmar
