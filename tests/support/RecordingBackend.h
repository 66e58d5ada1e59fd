#pragma once

#include <memory>
#include <string>
#include <vector>

#include "midi/MidiBackend.h"
#include "midi/MidiInputQueue.h"

namespace kelmar::test {

// A backend whose outputs record every message they are given and whose
// inputs let a test feed bytes in as a device would. Stands in for a
// device only where no real one can be used.
class RecordingBackend : public MidiBackend {
public:
    explicit RecordingBackend(std::vector<std::string> outputs = {"Recorder A", "Recorder B"},
                              std::vector<std::string> inputs = {"Keyboard A", "Keyboard B"});

    std::vector<std::string> outputNames() override { return outputs_; }
    std::vector<std::string> inputNames() override { return inputs_; }
    // Devices come and go: the lists from now on.
    void setNames(std::vector<std::string> outputs, std::vector<std::string> inputs)
    {
        outputs_ = std::move(outputs);
        inputs_ = std::move(inputs);
    }
    OpenResult<MidiOutputDevice> openOutput(const std::string& name) override;
    OpenResult<MidiInputDevice> openInput(const std::string& name, MidiInputQueue& queue) override;

    // Every message sent to any output of this backend, in order.
    std::vector<MidiBytes> sent;
    // Name of the output each message in `sent` went to.
    std::vector<std::string> sentTo;
    // Outputs opened so far, in order.
    std::vector<std::string> opened;
    // Names that refuse to open.
    std::vector<std::string> refuse;
    // While set, outputs take nothing: what they are sent is dropped and counted.
    bool stalled = false;

    // Feeds one event into the open input (if any), as its device thread would.
    void receive(std::vector<std::uint8_t> bytes);
    bool inputOpen() const { return queue_ != nullptr; }
    std::string openInputName;

    std::vector<std::vector<std::uint8_t>> sentBytes() const;

private:
    friend class RecordingInput;
    std::vector<std::string> outputs_;
    std::vector<std::string> inputs_;
    MidiInputQueue* queue_ = nullptr;
};

} // namespace kelmar::test
