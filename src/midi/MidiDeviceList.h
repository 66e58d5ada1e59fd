#pragma once

#include <algorithm>
#include <optional>
#include <vector>

#include "midi/MidiDeviceCatalogue.h"

namespace kelmar {

// The list of devices a port numbers its DeviceIndex against: read from the
// catalogue when DeviceCount is asked (and on first use), and kept until
// then, so the numbers stay what the caller just listed.
//
// A kept entry (the device chosen in the setup dialog) stays in the list
// while its backend does not list it, after the listed devices and marked
// not present, so that a device that is away for a moment keeps its choice.
class MidiDeviceList {
public:
    using Reader = std::vector<MidiDeviceEntry> (MidiDeviceCatalogue::*)() const;

    MidiDeviceList(const MidiDeviceCatalogue& catalogue, Reader read) : catalogue_(catalogue), read_(read) {}

    // Reads the list afresh; returns how many devices it holds.
    int refresh()
    {
        devices_ = (catalogue_.*read_)();
        if (kept_ && std::ranges::none_of(devices_, [this](const auto& d) { return d.sameDevice(*kept_); }))
            devices_.push_back({kept_->backend, kept_->name, false});
        listed_ = true;
        return static_cast<int>(devices_.size());
    }

    // The device at `index`, or null where there is none.
    const MidiDeviceEntry* at(int index)
    {
        if (!listed_)
            refresh();
        if (index < 0 || index >= static_cast<int>(devices_.size()))
            return nullptr;
        return &devices_[static_cast<std::size_t>(index)];
    }

    // Keeps the device now at `index` in the lists read from now on, present
    // or not; an index without a device keeps none.
    void keep(int index)
    {
        const MidiDeviceEntry* entry = at(index);
        kept_ = entry ? std::optional<MidiDeviceEntry>(*entry) : std::nullopt;
    }

private:
    const MidiDeviceCatalogue& catalogue_;
    Reader read_;
    std::vector<MidiDeviceEntry> devices_;
    std::optional<MidiDeviceEntry> kept_;
    bool listed_ = false;
};

} // namespace kelmar
