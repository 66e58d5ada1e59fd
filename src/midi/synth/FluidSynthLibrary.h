#pragma once

#include <fluidsynth.h>

#include <string>

namespace kelmar {

// The functions of FluidSynth that the synthesizer calls.
#define KELMAR_FLUIDSYNTH_FUNCTIONS(X) \
    X(fluid_set_log_function)          \
    X(new_fluid_settings)              \
    X(delete_fluid_settings)           \
    X(fluid_settings_setnum)           \
    X(fluid_settings_setint)           \
    X(fluid_settings_setstr)           \
    X(fluid_settings_getnum)           \
    X(new_fluid_synth)                 \
    X(delete_fluid_synth)              \
    X(new_fluid_audio_driver)          \
    X(new_fluid_audio_driver2)         \
    X(delete_fluid_audio_driver)       \
    X(fluid_synth_sfload)              \
    X(fluid_synth_noteon)              \
    X(fluid_synth_noteoff)             \
    X(fluid_synth_key_pressure)        \
    X(fluid_synth_cc)                  \
    X(fluid_synth_program_change)      \
    X(fluid_synth_channel_pressure)    \
    X(fluid_synth_pitch_bend)          \
    X(fluid_synth_set_channel_type)    \
    X(fluid_synth_process)

// libfluidsynth, loaded at run time, and its functions. FluidSynth is
// loaded by the first engine, on the engine's thread, rather than linked
// into the program: libfluidsynth brings some forty libraries with it
// (sound servers, SDL2, sound file codecs), and loading them before main()
// cost the start several milliseconds of main-thread time.
class FluidSynthLibrary {
public:
    // libfluidsynth.so.3, unless the environment's KELMAR_FLUIDSYNTH_LIBRARY
    // names another (read once).
    static const std::string& defaultFile();

    // Loads `file` the first time it is asked for (a loaded library then
    // stays loaded) and returns the outcome, never changed afterwards. Safe
    // from any thread. The process uses one FluidSynth: a second library
    // file that loads is refused.
    static const FluidSynthLibrary& load(const std::string& file);

    // The library in use: the first that loaded. Only for objects FluidSynth
    // made, which exist only once a library is loaded.
    static const FluidSynthLibrary& inUse();

    bool isLoaded() const { return handle_ != nullptr; }
    // Why it is not loaded.
    const std::string& error() const { return error_; }
    // Any other function of the library or of those it brought in; null if
    // there is none of that name.
    void* symbol(const char* name) const;

#define KELMAR_DECLARE(name) decltype(&::name) name = nullptr;
    KELMAR_FLUIDSYNTH_FUNCTIONS(KELMAR_DECLARE)
#undef KELMAR_DECLARE

private:
    void open(const std::string& file);
    void refuse(std::string why);

    void* handle_ = nullptr;
    std::string error_;
};

} // namespace kelmar
