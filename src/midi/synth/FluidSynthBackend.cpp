#include "midi/synth/FluidSynthBackend.h"

namespace kelmar {

// Placeholder until the backend is written.
FluidSynthBackend::FluidSynthBackend(Audio audio, std::string soundFont) : audio_(audio), soundFont_(std::move(soundFont)) {}
std::string FluidSynthBackend::defaultSoundFont() { return "/usr/share/sounds/sf2/default-GM.sf2"; }
void FluidSynthBackend::render(std::span<float>, std::span<float>) {}
std::string FluidSynthBackend::audioDriver() const { return {}; }
int FluidSynthBackend::sampleRate() const { return 48000; }
FluidSynthBackend::~FluidSynthBackend() = default;
std::vector<std::string> FluidSynthBackend::outputNames() { return {DeviceLabel}; }
std::vector<std::string> FluidSynthBackend::inputNames() { return {}; }
OpenResult<MidiOutputDevice> FluidSynthBackend::openOutput(const std::string&) { return {nullptr, "not built yet"}; }
OpenResult<MidiInputDevice> FluidSynthBackend::openInput(const std::string&, MidiInputQueue&) { return {nullptr, "not built yet"}; }

} // namespace kelmar
