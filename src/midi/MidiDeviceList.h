#pragma once

#include <vector>

#include "midi/MidiDeviceCatalogue.h"

namespace kelmar {

// The list of devices a port numbers its DeviceIndex against: read from the
// catalogue when DeviceCount is asked (and on first use), and kept until
// then, so the numbers stay what the caller just listed.
class MidiDeviceList {
public:
    using Reader = std::vector<MidiDeviceEntry> (MidiDeviceCatalogue::*)() const;

    MidiDeviceList(const MidiDeviceCatalogue& catalogue, Reader read) : catalogue_(catalogue), read_(read) {}

    // Reads the list afresh; returns how many devices it holds.
    int refresh()
    {
        devices_ = (catalogue_.*read_)();
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

private:
    const MidiDeviceCatalogue& catalogue_;
    Reader read_;
    std::vector<MidiDeviceEntry> devices_;
    bool listed_ = false;
};

} // namespace kelmar
