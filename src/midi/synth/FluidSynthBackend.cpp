#include "midi/synth/FluidSynthBackend.h"

#include <algorithm>

#include "midi/synth/FluidSynthEngine.h"

namespace kelmar {

namespace {

// One opened output. It shares the engine, so it stays usable even if the
// backend goes first; closing it leaves the engine running for the others.
class FluidSynthOutput : public MidiOutputDevice {
public:
    explicit FluidSynthOutput(std::shared_ptr<FluidSynthEngine> engine)
        : engine_(std::move(engine))
    {
    }

    void send(const MidiBytes& message) override { engine_->send(message); }
    bool isOpen() const override { return true; }

private:
    std::shared_ptr<FluidSynthEngine> engine_;
};

} // namespace

FluidSynthBackend::FluidSynthBackend(Audio audio, std::string soundFont)
    : audio_(audio)
    , soundFont_(std::move(soundFont))
{
}

FluidSynthBackend::~FluidSynthBackend() = default;

std::string FluidSynthBackend::defaultSoundFont()
{
    return "/usr/share/sounds/sf2/default-GM.sf2";
}

std::vector<std::string> FluidSynthBackend::outputNames()
{
    return {DeviceLabel};
}

std::vector<std::string> FluidSynthBackend::inputNames()
{
    return {};
}

OpenResult<MidiOutputDevice> FluidSynthBackend::openOutput(const std::string& name)
{
    if (name != DeviceLabel)
        return {nullptr, "The built-in synthesizer has no output named \"" + name + "\"."};
    auto shared = engine();
    if (!shared)
        return {nullptr, "The built-in synthesizer (FluidSynth) could not be started."};
    return {std::make_unique<FluidSynthOutput>(std::move(shared)), {}};
}

OpenResult<MidiInputDevice> FluidSynthBackend::openInput(const std::string&, MidiInputQueue&)
{
    return {nullptr, "The built-in synthesizer has no MIDI inputs."};
}

void FluidSynthBackend::render(std::span<float> left, std::span<float> right)
{
    if (const auto shared = engine()) {
        shared->render(left, right);
        return;
    }
    std::ranges::fill(left, 0.0F);
    std::ranges::fill(right, 0.0F);
}

std::string FluidSynthBackend::audioDriver() const
{
    return engine_ ? engine_->audioDriver() : std::string();
}

int FluidSynthBackend::sampleRate() const
{
    return engine_ ? engine_->sampleRate() : FluidSynthEngine::SampleRate;
}

std::shared_ptr<FluidSynthEngine> FluidSynthBackend::engine()
{
    if (!engine_) {
        const auto output = audio_ == Audio::Device ? FluidSynthEngine::Output::Driver : FluidSynthEngine::Output::RenderOnly;
        engine_ = std::make_shared<FluidSynthEngine>(soundFont_, output);
    }
    // The engine creates its synthesizer in the background; only a failure
    // already known refuses the open.
    return engine_->hasSynth() ? engine_ : nullptr;
}

} // namespace kelmar
