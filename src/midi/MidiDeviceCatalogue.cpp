#include "midi/MidiDeviceCatalogue.h"

namespace kelmar {

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

} // namespace kelmar
