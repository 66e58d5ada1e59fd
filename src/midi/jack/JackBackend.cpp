#include "midi/jack/JackBackend.h"

namespace kelmar {

// Placeholder until the backend is written.
JackBackend::JackBackend(std::string clientName) : clientName_(std::move(clientName)) {}
JackBackend::~JackBackend() = default;
std::vector<std::string> JackBackend::outputNames() { return {}; }
std::vector<std::string> JackBackend::inputNames() { return {}; }
OpenResult<MidiOutputDevice> JackBackend::openOutput(const std::string&) { return {nullptr, "not built yet"}; }
OpenResult<MidiInputDevice> JackBackend::openInput(const std::string&, MidiInputQueue&) { return {nullptr, "not built yet"}; }

} // namespace kelmar
