#pragma once

#include <QObject>

#include <memory>
#include <string>
#include <vector>

#include "midi/MidiBackend.h"

namespace kelmar {

// A device as the ports list it: which backend has it, and its name there.
// A device that was chosen and has gone away stays listed, not present,
// until another is chosen (see MidiDeviceList::keep).
struct MidiDeviceEntry {
    // What a device that is not present has after its name in the lists.
    static constexpr const char* AbsentMark = " (not present)";

    MidiBackend* backend = nullptr;
    std::string name;
    bool present = true;

    bool sameDevice(const MidiDeviceEntry& other) const { return backend == other.backend && name == other.name; }
    std::string listedName() const { return present ? name : name + AbsentMark; }
};

// Every MIDI backend the program can reach, in list order, plus the default
// output (the mapper, device -1) that stands in front of the list.
class MidiDeviceCatalogue : public QObject {
    Q_OBJECT

public:
    void addBackend(std::unique_ptr<MidiBackend> backend);
    // The default output plays through `device` of `backend`; it is listed as `label`.
    void setMapper(MidiBackend* backend, std::string device, std::string label);

    // Fresh lists, asked of every backend now.
    std::vector<MidiDeviceEntry> outputs() const;
    std::vector<MidiDeviceEntry> inputs() const;
    const MidiDeviceEntry& mapper() const { return mapper_; }
    const std::string& mapperLabel() const { return mapperLabel_; }
    // What the backends have to say about devices they cannot list yet, one
    // sentence each; empty when all is well.
    std::string notice() const;

Q_SIGNALS:
    // The lists or the notice have changed by themselves (a server answered
    // late). Raised on a backend's thread; connections to objects of the
    // UI thread are queued.
    void listsChanged();

private:
    std::vector<std::unique_ptr<MidiBackend>> backends_;
    MidiDeviceEntry mapper_;
    std::string mapperLabel_;
};

} // namespace kelmar
