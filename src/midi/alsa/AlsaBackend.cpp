#include "midi/alsa/AlsaBackend.h"

#include <rtmidi/RtMidi.h>

namespace kelmar {

// Placeholder until the backend is written.
AlsaBackend::AlsaBackend(std::string clientName) : clientName_(std::move(clientName)) {}
AlsaBackend::~AlsaBackend() = default;
std::vector<std::string> AlsaBackend::outputNames() { return {}; }
std::vector<std::string> AlsaBackend::inputNames() { return {}; }
OpenResult<MidiOutputDevice> AlsaBackend::openOutput(const std::string&) { return {nullptr, "not built yet"}; }
OpenResult<MidiInputDevice> AlsaBackend::openInput(const std::string&, MidiInputQueue&) { return {nullptr, "not built yet"}; }

} // namespace kelmar
