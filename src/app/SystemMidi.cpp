#include "app/SystemMidi.h"

#include "midi/alsa/AlsaBackend.h"
#include "midi/jack/JackBackend.h"
#include "midi/jack/JackControl.h"
#include "midi/synth/FluidSynthAudioDriver.h"
#include "midi/synth/FluidSynthBackend.h"

namespace kelmar {

std::unique_ptr<MidiDeviceCatalogue> SystemMidi::createCatalogue(Sound sound)
{
    // Before the backends' threads start, which read the environment.
    FluidSynthAudioDriver::prepareEnvironment();
    auto catalogue = std::make_unique<MidiDeviceCatalogue>();
    // JACK first: where a JACK server runs, the synthesizer plays through
    // the program's own JACK client, which the server wakes anyway.
    auto jack = std::make_unique<JackBackend>();
    jack->openInBackground();
    const bool audio = sound == Sound::On;
    auto synth = std::make_unique<FluidSynthBackend>(
        audio ? FluidSynthBackend::Audio::Device : FluidSynthBackend::Audio::None,
        FluidSynthBackend::defaultSoundFont(), FluidSynthEngine::defaultLibrary(), audio ? jack->audioHost() : nullptr);
    MidiBackend* synthBackend = synth.get();
    const std::string synthName = synth->outputNames().front();
    catalogue->addBackend(std::move(synth));
    catalogue->setMapper(synthBackend, synthName, "Default output");
    catalogue->addBackend(std::move(jack));
    catalogue->addBackend(std::make_unique<AlsaBackend>());
    return catalogue;
}

bool SystemMidi::threadsLeftRunning() noexcept
{
    return JackControl::anyLeftRunning();
}

} // namespace kelmar
