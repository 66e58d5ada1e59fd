#pragma once

#include <memory>
#include <vector>

#include "midi/MidiDeviceCatalogue.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiMessageLayer.h"
#include "midi/MidiOutputPort.h"
#include "support/RecordingBackend.h"

namespace kelmar::test {

// A message layer whose output is open on a recording device, for the
// performance tests and benchmarks.
class RecordingMidiRig {
public:
    RecordingMidiRig()
    {
        auto backend = std::make_unique<RecordingBackend>();
        device = backend.get();
        catalogue.addBackend(std::move(backend));
        catalogue.setMapper(device, "Recorder A", "Default output");
        layer.OpenMidiOut(1); // "Recorder A"
    }

    std::vector<std::vector<std::uint8_t>> sent() const { return device->sentBytes(); }
    void clear()
    {
        device->sent.clear();
        device->sentTo.clear();
    }

    MidiDeviceCatalogue catalogue;
    RecordingBackend* device = nullptr;
    MidiOutputPort out{catalogue};
    MidiInputPort in{catalogue};
    MidiMessageLayer layer{out, in};
};

} // namespace kelmar::test
