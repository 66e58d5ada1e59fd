#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "midi/MidiBackend.h"

namespace kelmar {

class FluidSynthEngine;

// The built-in General MIDI synthesizer: FluidSynth with the system's GM
// soundfont. One engine serves every output opened on it (the default
// output and the synthesizer itself); it starts with the first open (or
// render) and runs until the backend and every opened output are gone.
// It has no inputs.
//
// The engine starts in the background, so the first open always succeeds
// at once; what is sent meanwhile is played once it is up. Later opens are
// refused if FluidSynth turned out to be unable to create a synthesizer
// (the reason went to the terminal). Without the soundfont it stays
// silent, without an audio driver it sounds only through render() and
// audioDriver() is "".
class FluidSynthBackend : public MidiBackend {
public:
    // Device: play through the first audio driver that starts.
    // None: no audio driver; the owner pulls audio with render() (tests).
    enum class Audio { Device, None };

    static constexpr const char* DeviceLabel = "Built-in synthesizer (FluidSynth)";
    static std::string defaultSoundFont();

    explicit FluidSynthBackend(Audio audio, std::string soundFont = defaultSoundFont());
    ~FluidSynthBackend() override;

    std::vector<std::string> outputNames() override;
    std::vector<std::string> inputNames() override;
    OpenResult<MidiOutputDevice> openOutput(const std::string& name) override;
    OpenResult<MidiInputDevice> openInput(const std::string& name, MidiInputQueue& queue) override;

    // Renders stereo audio from the engine (started on demand); with
    // Audio::None this is the only way sound is produced.
    void render(std::span<float> left, std::span<float> right);
    // The audio driver that started ("" while none has).
    std::string audioDriver() const;
    int sampleRate() const;

private:
    std::shared_ptr<FluidSynthEngine> engine();

    Audio audio_;
    std::string soundFont_;
    std::shared_ptr<FluidSynthEngine> engine_;
};

} // namespace kelmar
