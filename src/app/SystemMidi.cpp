#include "app/SystemMidi.h"

#include "midi/alsa/AlsaBackend.h"
#include "midi/jack/JackBackend.h"
#include "midi/jack/JackControl.h"
#include "midi/synth/FluidSynthBackend.h"

namespace kelmar {

std::unique_ptr<MidiDeviceCatalogue> SystemMidi::createCatalogue(Sound sound)
{
    auto catalogue = std::make_unique<MidiDeviceCatalogue>();
    auto synth = std::make_unique<FluidSynthBackend>(sound == Sound::On ? FluidSynthBackend::Audio::Device
                                                                         : FluidSynthBackend::Audio::None);
    MidiBackend* synthBackend = synth.get();
    const std::string synthName = synth->outputNames().front();
    catalogue->addBackend(std::move(synth));
    catalogue->setMapper(synthBackend, synthName, "Default output");
    auto jack = std::make_unique<JackBackend>();
    jack->openInBackground();
    catalogue->addBackend(std::move(jack));
    catalogue->addBackend(std::make_unique<AlsaBackend>());
    return catalogue;
}

bool SystemMidi::threadsLeftRunning() noexcept
{
    return JackControl::anyLeftRunning();
}

} // namespace kelmar
