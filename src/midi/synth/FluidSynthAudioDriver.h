#pragma once

#include <fluidsynth/types.h>

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>

namespace kelmar {

// The audio driver that plays a synthesizer: the first of pulseaudio, jack,
// alsa and sdl2 that starts. start() and stop() belong to one thread at a
// time; name() and isRunning() may be asked from any thread once start()
// has returned.
class FluidSynthAudioDriver {
public:
    // Called by the driver for each period; FluidSynth's fluid_audio_func_t.
    using Render = int (*)(void* data, int frames, int effectCount, float* effects[], int outCount, float* out[]);

    // The audio settings wanted of every driver, set before the synthesizer
    // is created from `settings`.
    static void configure(fluid_settings_t* settings);
    // Sets the process environment the drivers read. Call it before any
    // thread of the program starts: the environment is not thread-safe,
    // and FluidSynth's PulseAudio driver would otherwise add a variable
    // from the synthesizer's thread while the window's thread reads others.
    static void prepareEnvironment();

    FluidSynthAudioDriver() = default;
    ~FluidSynthAudioDriver() { stop(); }
    FluidSynthAudioDriver(const FluidSynthAudioDriver&) = delete;
    FluidSynthAudioDriver& operator=(const FluidSynthAudioDriver&) = delete;

    // Tries each driver in turn; those that can call `render` (with `data`)
    // do, the others run `synth` themselves. `beforeEach` is called before
    // every attempt, and `takeLogged` after a failed one for the error
    // FluidSynth logged. Returns "" once a driver plays, else why none did.
    std::string start(fluid_settings_t* settings, fluid_synth_t* synth, Render render, void* data,
                      const std::function<void()>& beforeEach, const std::function<std::string()>& takeLogged);
    void stop();

    bool isRunning() const { return driver_ != nullptr; }
    // True if the driver that started calls `render` (else it runs the
    // synthesizer itself).
    bool callsEngine() const;
    // Name of the driver that started; "" while none has.
    std::string name() const;

private:
    bool tryDriver(std::size_t index, fluid_settings_t* settings, fluid_synth_t* synth, Render render, void* data);

    fluid_audio_driver_t* driver_ = nullptr;
    std::atomic<int> index_{-1};
    bool sdlAudioStarted_ = false;
};

} // namespace kelmar
