#include "midi/synth/FluidSynthEngine.h"

#include <fluidsynth.h>

#include <dlfcn.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <utility>

namespace kelmar {

namespace {

// Tried in this order; the first that starts plays the synthesizer.
// (Debian's FluidSynth has no native PipeWire driver; PipeWire systems
// answer as pulseaudio or jack.)
constexpr std::array<const char*, 4> AudioDrivers = {"pulseaudio", "jack", "alsa", "sdl2"};

// About 10 ms of output buffering at 48 kHz instead of FluidSynth's 16 x 64.
constexpr int PeriodSize = 256;
constexpr int Periods = 2;

// Longest block handed to fluid_synth_write_float at once.
constexpr std::size_t RenderChunk = 4096;

enum ChannelMessage : std::uint8_t {
    NoteOff = 0x80,
    NoteOn = 0x90,
    KeyPressure = 0xA0,
    ControlChange = 0xB0,
    ProgramChange = 0xC0,
    ChannelPressure = 0xD0,
    PitchBend = 0xE0,
};

void setLogFunction(fluid_log_function_t function, void* data)
{
    for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
        fluid_set_log_function(level, function, data);
}

// Debian's FluidSynth wants the application to start SDL2's audio subsystem
// before its sdl2 driver can open. SDL2 is already loaded as a dependency of
// libfluidsynth, so its two entry points are looked up at run time instead
// of linking SDL2 into the program for them.
constexpr std::uint32_t SdlInitAudio = 0x10;

template <typename Function>
Function* sdlFunction(const char* name)
{
    return reinterpret_cast<Function*>(dlsym(RTLD_DEFAULT, name));
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

} // namespace

void FluidSynthEngine::FluidDeleter::operator()(fluid_settings_t* settings) const { delete_fluid_settings(settings); }
void FluidSynthEngine::FluidDeleter::operator()(fluid_synth_t* synth) const { delete_fluid_synth(synth); }
void FluidSynthEngine::FluidDeleter::operator()(fluid_audio_driver_t* driver) const { delete_fluid_audio_driver(driver); }

FluidSynthEngine::FluidSynthEngine(std::string soundFont, Output output)
    : soundFont_(std::move(soundFont))
{
    setLogFunction(&logToStandardError, nullptr);
    settings_.reset(new_fluid_settings());
    if (settings_) {
        configure();
        synth_.reset(new_fluid_synth(settings_.get()));
    }
    if (!synth_) {
        noteProblem("FluidSynth could not create a synthesizer.");
        ready_.store(true, std::memory_order_release);
        return;
    }
    starter_ = std::thread([this, output] { startUp(output); });
}

FluidSynthEngine::~FluidSynthEngine()
{
    if (starter_.joinable())
        starter_.join();
    driver_.reset();
    if (sdlAudioStarted_)
        stopSdlAudio();
}

void FluidSynthEngine::configure()
{
    fluid_settings_t* settings = settings_.get();
    fluid_settings_setnum(settings, "synth.sample-rate", SampleRate);
    fluid_settings_setint(settings, "audio.period-size", PeriodSize);
    fluid_settings_setint(settings, "audio.periods", Periods);
    // JACK: connect to the system's playback ports if there are any (a
    // failed connection only leaves the ports unconnected); libjack never
    // starts a server because the program sets JACK_NO_START_SERVER.
    fluid_settings_setint(settings, "audio.jack.autoconnect", 1);
    fluid_settings_setstr(settings, "audio.jack.id", "Kelmar synthesizer");
}

// Runs on starter_: opens the audio output and loads the soundfont, with
// FluidSynth's messages caught so that failed attempts stay quiet, then
// plays what was sent meanwhile.
void FluidSynthEngine::startUp(Output output)
{
    setLogFunction(&logToEngine, this);
    if (output == Output::Driver)
        startAudioDriver();
    loadSoundFont();
    setLogFunction(&logToStandardError, nullptr);
    playPending();
}

void FluidSynthEngine::startAudioDriver()
{
    std::string reasons;
    for (std::size_t i = 0; i < AudioDrivers.size(); ++i) {
        takeLogged();
        if (tryAudioDriver(AudioDrivers[i])) {
            driverIndex_.store(static_cast<int>(i), std::memory_order_release);
            return;
        }
        const std::string why = takeLogged();
        reasons += std::string(i == 0 ? "" : "; ") + AudioDrivers[i] + ": " + (why.empty() ? "did not start" : why);
    }
    noteProblem("No audio output could be started (" + reasons + ").");
}

bool FluidSynthEngine::tryAudioDriver(const char* name)
{
    const bool sdl = std::string_view(name) == "sdl2";
    if (sdl && !startSdlAudio())
        return false;
    fluid_settings_setstr(settings_.get(), "audio.driver", name);
    driver_.reset(new_fluid_audio_driver(settings_.get(), synth_.get()));
    if (sdl && !driver_)
        stopSdlAudio();
    sdlAudioStarted_ = sdl && driver_;
    return driver_ != nullptr;
}

void FluidSynthEngine::loadSoundFont()
{
    takeLogged();
    if (fluid_synth_sfload(synth_.get(), soundFont_.c_str(), 1) == FLUID_FAILED) {
        const std::string why = takeLogged();
        noteProblem("The soundfont " + soundFont_ + " could not be loaded" + (why.empty() ? "." : ": " + why));
        return;
    }
    soundFontLoaded_.store(true, std::memory_order_release);
}

void FluidSynthEngine::playPending()
{
    const std::lock_guard lock(pendingMutex_);
    for (const MidiBytes& message : pending_)
        play(message);
    pending_ = {};
    ready_.store(true, std::memory_order_release);
    readyChanged_.notify_all();
}

void FluidSynthEngine::waitUntilReady() const
{
    std::unique_lock lock(pendingMutex_);
    readyChanged_.wait(lock, [this] { return isReady(); });
}

void FluidSynthEngine::send(const MidiBytes& message)
{
    if (!synth_)
        return;
    if (!isReady()) {
        const std::lock_guard lock(pendingMutex_);
        if (!isReady()) {
            pending_.push_back(message);
            return;
        }
    }
    play(message);
}

void FluidSynthEngine::play(const MidiBytes& message)
{
    if (message.size == 0 || message.size < messageLength(message.data[0]))
        return;
    fluid_synth_t* synth = synth_.get();
    const int channel = message.data[0] & 0x0F;
    const int data1 = message.data[1] & 0x7F;
    const int data2 = message.data[2] & 0x7F;
    switch (message.data[0] & 0xF0) {
    case NoteOff:
        fluid_synth_noteoff(synth, channel, data1);
        break;
    case NoteOn: // velocity 0 is a note off
        data2 == 0 ? fluid_synth_noteoff(synth, channel, data1) : fluid_synth_noteon(synth, channel, data1, data2);
        break;
    case KeyPressure:
        fluid_synth_key_pressure(synth, channel, data1, data2);
        break;
    case ControlChange:
        fluid_synth_cc(synth, channel, data1, data2);
        break;
    case ProgramChange:
        fluid_synth_program_change(synth, channel, data1);
        break;
    case ChannelPressure:
        fluid_synth_channel_pressure(synth, channel, data1);
        break;
    case PitchBend:
        fluid_synth_pitch_bend(synth, channel, data1 | (data2 << 7));
        break;
    default: // system messages
        break;
    }
}

void FluidSynthEngine::render(std::span<float> left, std::span<float> right)
{
    std::ranges::fill(left, 0.0F);
    std::ranges::fill(right, 0.0F);
    waitUntilReady();
    if (!synth_ || driver_)
        return;
    const std::size_t frames = std::min(left.size(), right.size());
    for (std::size_t done = 0; done < frames;) {
        const std::size_t chunk = std::min(frames - done, RenderChunk);
        fluid_synth_write_float(synth_.get(), static_cast<int>(chunk), left.data() + done, 0, 1, right.data() + done, 0, 1);
        done += chunk;
    }
}

std::string FluidSynthEngine::audioDriver() const
{
    const int index = driverIndex_.load(std::memory_order_acquire);
    return index < 0 ? std::string() : std::string(AudioDrivers[static_cast<std::size_t>(index)]);
}

int FluidSynthEngine::sampleRate() const
{
    double rate = SampleRate;
    if (settings_)
        fluid_settings_getnum(settings_.get(), "synth.sample-rate", &rate);
    return static_cast<int>(rate);
}

std::string FluidSynthEngine::lastError() const
{
    const std::lock_guard lock(errorMutex_);
    return lastError_;
}

void FluidSynthEngine::noteProblem(std::string problem)
{
    std::fprintf(stderr, "kelmar: %s\n", problem.c_str());
    const std::lock_guard lock(errorMutex_);
    lastError_ = std::move(problem);
}

std::string FluidSynthEngine::takeLogged()
{
    const std::lock_guard lock(errorMutex_);
    return std::exchange(logged_, {});
}

// Outside the start-up: only errors reach the terminal; FluidSynth's
// warnings and information (missing instruments, memory locking, ...) are chatter.
void FluidSynthEngine::logToStandardError(int level, const char* message, void*)
{
    if (level <= FLUID_ERR)
        std::fprintf(stderr, "fluidsynth: %s\n", message);
}

// During the start-up: keep the last error for the report on what failed.
void FluidSynthEngine::logToEngine(int level, const char* message, void* data)
{
    if (level > FLUID_ERR)
        return;
    auto* engine = static_cast<FluidSynthEngine*>(data);
    const std::lock_guard lock(engine->errorMutex_);
    engine->logged_ = message;
}

} // namespace kelmar
