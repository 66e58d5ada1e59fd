#pragma once

#include <fluidsynth/types.h>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "midi/MidiMessage.h"

namespace kelmar {

// One FluidSynth synthesizer with its settings and, if asked, its audio
// driver. Creating it is cheap: the audio driver is started and the
// soundfont loaded on a thread of its own, so a large soundfont never holds
// up the window. Messages sent before that start-up has finished are kept
// and played, in order, as soon as it has; afterwards they go straight to
// FluidSynth. A soundfont that cannot be loaded leaves the engine silent,
// and no audio driver leaves it playing only through render(); neither
// throws or blocks. Safe to use from the UI thread while audio runs.
class FluidSynthEngine {
public:
    // Driver: play through the first audio driver that starts.
    // RenderOnly: no audio driver; sound comes out of render() only.
    enum class Output { Driver, RenderOnly };

    static constexpr int SampleRate = 48000;

    FluidSynthEngine(std::string soundFont, Output output);
    ~FluidSynthEngine();
    FluidSynthEngine(const FluidSynthEngine&) = delete;
    FluidSynthEngine& operator=(const FluidSynthEngine&) = delete;

    // False if FluidSynth could not create a synthesizer at all; such an
    // engine ignores messages and renders silence.
    bool hasSynth() const { return synth_ != nullptr; }

    // Plays one short message; system messages are ignored.
    void send(const MidiBytes& message);

    // Waits for the start-up, then renders stereo audio into both spans
    // (as many frames as the shorter one holds; the rest is zeroed). While
    // an audio driver plays the synthesizer, this only writes silence.
    void render(std::span<float> left, std::span<float> right);

    // True once the audio driver has been tried and the soundfont loaded
    // (or found missing).
    bool isReady() const { return ready_.load(std::memory_order_acquire); }
    void waitUntilReady() const;

    bool soundFontLoaded() const { return soundFontLoaded_.load(std::memory_order_acquire); }
    // Name of the audio driver that started; "" while none has.
    std::string audioDriver() const;
    int sampleRate() const;
    // The last problem met while starting (soundfont or audio), readable;
    // empty if there was none.
    std::string lastError() const;

private:
    struct FluidDeleter {
        void operator()(fluid_settings_t* settings) const;
        void operator()(fluid_synth_t* synth) const;
        void operator()(fluid_audio_driver_t* driver) const;
    };

    static void logToStandardError(int level, const char* message, void* data);
    static void logToEngine(int level, const char* message, void* data);

    void configure();
    void startUp(Output output);
    void startAudioDriver();
    bool tryAudioDriver(const char* name);
    void loadSoundFont();
    void playPending();
    void play(const MidiBytes& message);
    void noteProblem(std::string problem);
    std::string takeLogged();

    std::string soundFont_;
    std::unique_ptr<fluid_settings_t, FluidDeleter> settings_;
    std::unique_ptr<fluid_synth_t, FluidDeleter> synth_;
    std::unique_ptr<fluid_audio_driver_t, FluidDeleter> driver_;
    std::atomic<int> driverIndex_{-1};
    bool sdlAudioStarted_ = false;

    mutable std::mutex pendingMutex_;
    mutable std::condition_variable readyChanged_;
    std::vector<MidiBytes> pending_;
    std::atomic<bool> ready_{false};
    std::atomic<bool> soundFontLoaded_{false};

    mutable std::mutex errorMutex_;
    std::string logged_;
    std::string lastError_;

    // Declared last: it uses everything above and is joined first.
    std::thread starter_;
};

} // namespace kelmar
