#include "midi/synth/FluidSynthAudioDriver.h"

#include <array>
#include <cstdlib>
#include <cstdint>
#include <string_view>

#include "midi/synth/FluidSynthLibrary.h"

namespace kelmar {

namespace {

const FluidSynthLibrary& fluid() { return FluidSynthLibrary::inUse(); }

struct AudioDriver {
    const char* name;
    // Whether FluidSynth lets this driver call our render function; the
    // others render by themselves, every period, silent or not.
    bool callback;
};

// Tried in this order; the first that starts plays the synthesizer.
// (Debian's FluidSynth has no native PipeWire driver; PipeWire systems
// answer as pulseaudio or jack.)
constexpr std::array<AudioDriver, 4> AudioDrivers = {{
    {"pulseaudio", true},
    {"jack", true},
    {"alsa", true},
    {"sdl2", false},
}};

// The audio latency asked of PulseAudio (PipeWire) and ALSA: 2 periods of
// 256 frames, 10.7 ms at 48 kHz, instead of FluidSynth's 16 x 64. JACK
// ignores these: its client renders the server's period, whatever its
// size, in the server's cycle (the README's "Sound" section has each).
constexpr int PeriodSize = 256;
constexpr int Periods = 2;

// Debian's FluidSynth wants the application to start SDL2's audio subsystem
// before its sdl2 driver can open. SDL2 is loaded as a dependency of
// libfluidsynth, so its two entry points are looked up there instead of
// linking SDL2 into the program for them.
constexpr std::uint32_t SdlInitAudio = 0x10;

template <typename Function>
Function* sdlFunction(const char* name)
{
    return reinterpret_cast<Function*>(fluid().symbol(name));
}

bool startSdlAudio()
{
    auto* init = sdlFunction<int(std::uint32_t)>("SDL_InitSubSystem");
    return init && init(SdlInitAudio) == 0;
}

void stopSdlAudio()
{
    if (auto* quit = sdlFunction<void(std::uint32_t)>("SDL_QuitSubSystem"))
        quit(SdlInitAudio);
}

// What the sound server is told this program plays (FluidSynth's own
// default); a role the user set is kept.
constexpr const char* MediaRoleVariable = "PULSE_PROP_media.role";
constexpr const char* MediaRole = "music";

} // namespace

void FluidSynthAudioDriver::prepareEnvironment()
{
    ::setenv(MediaRoleVariable, MediaRole, 0);
}

void FluidSynthAudioDriver::configure(fluid_settings_t* settings)
{
    // The role is in the environment already (prepareEnvironment): an empty
    // one keeps FluidSynth from setting it from the synthesizer's thread.
    fluid().fluid_settings_setstr(settings, "audio.pulseaudio.media-role", "");
    fluid().fluid_settings_setint(settings, "audio.period-size", PeriodSize);
    fluid().fluid_settings_setint(settings, "audio.periods", Periods);
    // JACK: connect to the system's playback ports if there are any (a
    // failed connection only leaves the ports unconnected); libjack never
    // starts a server because the program sets JACK_NO_START_SERVER.
    fluid().fluid_settings_setint(settings, "audio.jack.autoconnect", 1);
    fluid().fluid_settings_setstr(settings, "audio.jack.id", "Kelmar synthesizer");
}

std::string FluidSynthAudioDriver::start(fluid_settings_t* settings, fluid_synth_t* synth, Render render, void* data,
                                         const std::function<void()>& beforeEach,
                                         const std::function<std::string()>& takeLogged)
{
    std::string reasons;
    for (std::size_t i = 0; i < AudioDrivers.size(); ++i) {
        beforeEach();
        if (tryDriver(i, settings, synth, render, data)) {
            index_.store(static_cast<int>(i), std::memory_order_release);
            return {};
        }
        const std::string why = takeLogged();
        reasons += std::string(i == 0 ? "" : "; ") + AudioDrivers[i].name + ": " + (why.empty() ? "did not start" : why);
    }
    return reasons;
}

bool FluidSynthAudioDriver::tryDriver(std::size_t index, fluid_settings_t* settings, fluid_synth_t* synth, Render render,
                                      void* data)
{
    const AudioDriver& candidate = AudioDrivers[index];
    const bool sdl = std::string_view(candidate.name) == "sdl2";
    if (sdl && !startSdlAudio())
        return false;
    fluid().fluid_settings_setstr(settings, "audio.driver", candidate.name);
    driver_ = candidate.callback ? fluid().new_fluid_audio_driver2(settings, render, data)
                                 : fluid().new_fluid_audio_driver(settings, synth);
    if (sdl && !driver_)
        stopSdlAudio();
    sdlAudioStarted_ = sdl && driver_;
    return driver_ != nullptr;
}

void FluidSynthAudioDriver::stop()
{
    if (driver_) {
        fluid().delete_fluid_audio_driver(driver_);
        driver_ = nullptr;
    }
    if (sdlAudioStarted_) {
        stopSdlAudio();
        sdlAudioStarted_ = false;
    }
}

bool FluidSynthAudioDriver::callsEngine() const
{
    const int index = index_.load(std::memory_order_acquire);
    return index >= 0 && AudioDrivers[static_cast<std::size_t>(index)].callback;
}

std::string FluidSynthAudioDriver::name() const
{
    const int index = index_.load(std::memory_order_acquire);
    return index < 0 ? std::string() : std::string(AudioDrivers[static_cast<std::size_t>(index)].name);
}

} // namespace kelmar
