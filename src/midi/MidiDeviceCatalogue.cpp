#include "midi/MidiDeviceCatalogue.h"

#include "midi/alsa/AlsaBackend.h"
#include "midi/jack/JackBackend.h"
#include "midi/jack/JackControl.h"
#include "midi/synth/FluidSynthBackend.h"

namespace kelmar {

std::unique_ptr<MidiDeviceCatalogue> MidiDeviceCatalogue::createSystem()
{
    auto catalogue = std::make_unique<MidiDeviceCatalogue>();
    auto synth = std::make_unique<FluidSynthBackend>(FluidSynthBackend::Audio::Device);
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

void MidiDeviceCatalogue::addBackend(std::unique_ptr<MidiBackend> backend)
{
    backend->setListsChanged([this] { Q_EMIT listsChanged(); });
    backends_.push_back(std::move(backend));
}

void MidiDeviceCatalogue::setMapper(MidiBackend* backend, std::string device, std::string label)
{
    mapper_ = {backend, std::move(device)};
    mapperLabel_ = std::move(label);
}

std::vector<MidiDeviceEntry> MidiDeviceCatalogue::outputs() const
{
    std::vector<MidiDeviceEntry> list;
    for (const auto& backend : backends_)
        for (auto& name : backend->outputNames())
            list.push_back({backend.get(), std::move(name)});
    return list;
}

std::vector<MidiDeviceEntry> MidiDeviceCatalogue::inputs() const
{
    std::vector<MidiDeviceEntry> list;
    for (const auto& backend : backends_)
        for (auto& name : backend->inputNames())
            list.push_back({backend.get(), std::move(name)});
    return list;
}

} // namespace kelmar

namespace kelmar {

std::string MidiDeviceCatalogue::notice() const
{
    std::string text;
    for (const auto& backend : backends_) {
        const std::string said = backend->notice();
        if (!said.empty())
            text += (text.empty() ? "" : " ") + said;
    }
    return text;
}

bool MidiDeviceCatalogue::threadsLeftRunning() noexcept
{
    return JackControl::anyLeftRunning();
}

} // namespace kelmar
