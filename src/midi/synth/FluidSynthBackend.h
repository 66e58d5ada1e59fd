#pragma once

#include <chrono>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "midi/MidiBackend.h"
#include "midi/synth/FluidSynthEngine.h"

namespace kelmar {


// The built-in General MIDI synthesizer: FluidSynth with the system's GM
// soundfont. One engine serves every output opened on it (the default
// output and the synthesizer itself); it starts in the background with the
// backend (or, if the soundfont was missing then, with the first open or
// render that finds it) and runs until the backend and every opened output
// are gone. It has no inputs.
//
// An open is refused, with the reason, when the soundfont is missing or is
// no soundfont (checked at once, from the file's first bytes), or when
// FluidSynth cannot be loaded or cannot create a synthesizer. For the
// latter the open waits for the engine at most StartWait; the rest of the
// start-up (audio driver, soundfont) goes on in the background and what is
// sent meanwhile is played once it is up. A failure found only after the
// open returned makes the engine's outputs report themselves closed and
// every later open refuse with the reason. Without an audio driver the
// synthesizer sounds only through render() and audioDriver() is "".
class FluidSynthBackend : public MidiBackend {
public:
    // Device: play through the first audio driver that starts.
    // None: no audio driver; the owner pulls audio with render() (tests).
    enum class Audio { Device, None };

    static constexpr const char* DeviceLabel = "Built-in synthesizer";
    // Longest an open waits for FluidSynth to be loaded and to create the
    // synthesizer (some 30 ms normally).
    static constexpr std::chrono::milliseconds StartWait{250};

    // The system's GM soundfont, unless the environment's KELMAR_SOUNDFONT
    // names another file (read once). That variable is a test and
    // diagnosis knob: it lets tests make the soundfont missing or invalid.
    static const std::string& defaultSoundFont();
    // Why `file` cannot serve as the soundfont, readable; empty if it
    // exists and starts like a SoundFont 2 file (RIFF form "sfbk").
    static std::string soundFontProblem(const std::string& file);

    // With Audio::Device and a `host`, the synthesizer plays through the
    // host when it can (see FluidSynthEngine).
    explicit FluidSynthBackend(Audio audio, std::string soundFont = defaultSoundFont(),
                               std::string library = FluidSynthEngine::defaultLibrary(),
                               std::shared_ptr<AudioHost> host = nullptr);
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
    // Starts the engine unless it runs; false (with the reason in `problem`,
    // if given) when there is no usable soundfont.
    bool start(std::string* problem = nullptr);
    // The engine, started if need be; null (with the reason in `problem`,
    // if given) when there is no usable soundfont or the engine has failed.
    std::shared_ptr<FluidSynthEngine> engine(std::string* problem = nullptr);

    Audio audio_;
    std::string soundFont_;
    std::string library_;
    std::shared_ptr<AudioHost> host_;
    std::shared_ptr<FluidSynthEngine> engine_;
};

} // namespace kelmar
