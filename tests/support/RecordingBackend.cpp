#include "support/RecordingBackend.h"

#include <algorithm>

namespace kelmar::test {

namespace {

class RecordingOutput : public MidiOutputDevice {
public:
    RecordingOutput(RecordingBackend& owner, std::string name) : owner_(owner), name_(std::move(name)) {}
    void send(const MidiBytes& message) override
    {
        if (owner_.stalled) {
            ++dropped_;
            return;
        }
        owner_.sent.push_back(message);
        owner_.sentTo.push_back(name_);
    }
    bool isOpen() const override { return true; }
    std::uint64_t dropped() const override { return dropped_; }

private:
    RecordingBackend& owner_;
    std::string name_;
    std::uint64_t dropped_ = 0;
};

} // namespace

class RecordingInput : public MidiInputDevice {
public:
    RecordingInput(RecordingBackend& owner, MidiInputQueue& queue) : owner_(owner) { owner_.queue_ = &queue; }
    ~RecordingInput() override
    {
        owner_.queue_ = nullptr;
        owner_.openInputName.clear();
    }
    bool isOpen() const override { return true; }

private:
    RecordingBackend& owner_;
};

RecordingBackend::RecordingBackend(std::vector<std::string> outputs, std::vector<std::string> inputs)
    : outputs_(std::move(outputs))
    , inputs_(std::move(inputs))
{
}

OpenResult<MidiOutputDevice> RecordingBackend::openOutput(const std::string& name)
{
    if (std::find(refuse.begin(), refuse.end(), name) != refuse.end())
        return {nullptr, "refused by the test"};
    opened.push_back(name);
    return {std::make_unique<RecordingOutput>(*this, name), {}};
}

OpenResult<MidiInputDevice> RecordingBackend::openInput(const std::string& name, MidiInputQueue& queue)
{
    if (std::find(refuse.begin(), refuse.end(), name) != refuse.end())
        return {nullptr, "refused by the test"};
    openInputName = name;
    return {std::make_unique<RecordingInput>(*this, queue), {}};
}

void RecordingBackend::receive(std::vector<std::uint8_t> bytes)
{
    if (queue_)
        queue_->pushEvent(bytes);
}

std::vector<std::vector<std::uint8_t>> RecordingBackend::sentBytes() const
{
    std::vector<std::vector<std::uint8_t>> out;
    for (const auto& m : sent)
        out.emplace_back(m.bytes().begin(), m.bytes().end());
    return out;
}

} // namespace kelmar::test
