#pragma once

#include <fluidsynth/types.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <thread>

#include "midi/AudioHost.h"
#include "midi/MidiMessage.h"
#include "midi/synth/FluidSynthAudioDriver.h"
#include "midi/synth/FluidSynthLog.h"
#include "midi/synth/ShadowChannels.h"
#include "midi/synth/SynthMessageQueue.h"
#include "midi/synth/SynthRenderer.h"

namespace kelmar {

// One FluidSynth synthesizer with its settings and, if asked, its audio
// driver. Creating the engine is cheap: a thread of its own loads
// FluidSynth, creates the synthesizer, starts the audio driver and loads
// the soundfont, so neither a large soundfont nor FluidSynth's set-up holds
// up the window.
//
// Playing through an audio host (the program's JACK client) or an audio
// driver that calls the engine (JACK, PulseAudio, ALSA), messages go to the
// audio thread as a standalone synthesizer takes its MIDI input: send()
// puts them on a lock-free ring that the audio callback empties into FluidSynth at the start of each period, before it
// renders it; a message sent between two periods sounds in the next. The
// callback never waits for a lock another thread holds. Only what needs
// samples read goes through the engine's thread first: a programme change
// (its samples are loaded there, on a shadow channel, before the audio
// thread selects the programme), a bank select (mirrored on that shadow
// channel), and the drum channel's first note (the kit is selected then,
// not with the soundfont); while such a message waits there, those sent
// after it wait behind it, so that everything plays in the order sent.
// Messages sent during the start-up wait on the engine's thread too and
// are played first. Without such a driver (render() only, or SDL2, which
// renders by itself) the engine's thread plays every message itself.
//
// The engine's own job is its thread and the start-up; its parts do the
// rest: SynthMessageQueue (the queues and their back-pressure),
// ShadowChannels (programmes and drum kits loaded off the audio thread),
// SynthRenderer (playing and rendering on the audio thread, and resting)
// and FluidSynthLog (FluidSynth's log and the problems met).
//
// send() queues at most QueueCapacity messages on either path (see
// OutputBackpressure.h for what happens past that). A missing FluidSynth
// or a soundfont that cannot be loaded leaves the engine silent with
// failure() saying why; no audio driver leaves it playing only through
// render(); none of these throws or blocks. Safe to use from any thread
// while audio runs; render() from one thread at a time.
class FluidSynthEngine {
public:
    // Driver: play through the first audio driver that starts.
    // RenderOnly: no audio driver; sound comes out of render() only.
    enum class Output { Driver, RenderOnly };

    static constexpr int SampleRate = 48000;
    // Voices sounding at once; past that FluidSynth ends the least audible.
    static constexpr int Polyphony = 128;
    // Output below this level (about -100 dBFS) counts as silence.
    static constexpr float QuietLevel = SynthRenderer::QuietLevel;
    // How long the output must stay silent, with no key or pedal held and
    // no message played, before the synthesizer stops being run.
    static constexpr int QuietFrames = SynthRenderer::QuietFrames;
    static_assert(QuietFrames == SampleRate, "one second");
    // FluidSynth's "synth.gain" (its default 0.2 is quiet): as loud as sixteen
    // notes at velocity 127 together allow without clipping (they peak near
    // -1.5 dBFS with TimGM6mb, the default soundfont). A piano note at
    // velocity 100 then peaks near -21.5 dBFS; -12 dBFS would put those
    // sixteen notes some 9 dB above full scale.
    static constexpr double Gain = 0.65;
    // Messages that may wait for the engine's thread.
    static constexpr std::size_t QueueCapacity = SynthMessageQueue::Capacity;

    // The FluidSynth library file to load: libfluidsynth.so.3, unless the
    // environment's KELMAR_FLUIDSYNTH_LIBRARY names another (read once).
    // That variable is a test and diagnosis knob: it lets tests make
    // FluidSynth fail to load.
    static const std::string& defaultLibrary();

    // With a `host`, Output::Driver plays through the host when it can (the
    // program's own JACK client), else through the first audio driver that
    // starts.
    FluidSynthEngine(std::string soundFont, Output output, std::string library = defaultLibrary(),
                     std::shared_ptr<AudioHost> host = nullptr);
    ~FluidSynthEngine(); // plays what was sent before it returns
    FluidSynthEngine(const FluidSynthEngine&) = delete;
    FluidSynthEngine& operator=(const FluidSynthEngine&) = delete;

    // False once FluidSynth has turned out to be missing or unable to create
    // a synthesizer; such an engine ignores messages and renders silence.
    bool hasSynth() const { return !synthFailed_.load(std::memory_order_acquire); }

    // Queues one short message for the engine's thread; system messages are
    // ignored. Never waits for FluidSynth; with the queue full it waits
    // while the engine's thread keeps taking messages (or making progress
    // with its start-up) and returns false, the message dropped, once that
    // thread has done neither for backpressure::StallLimit.
    bool send(const MidiBytes& message);

    // Waits for the start-up and for every message sent before the call to
    // be played, then renders stereo audio into both spans (as many frames
    // as the shorter one holds; the rest is zeroed). While an audio host or
    // driver plays the synthesizer, this only writes silence.
    void render(std::span<float> left, std::span<float> right);

    // True once the audio driver has been tried and the soundfont loaded
    // (or found missing).
    bool isReady() const { return ready_.load(std::memory_order_acquire); }
    void waitUntilReady() const;
    // Waits at most `bound` until FluidSynth has been loaded and has created
    // the synthesizer, or failed to; true if that is known by then.
    bool waitUntilStarted(std::chrono::milliseconds bound) const;
    // Why the engine cannot play (FluidSynth missing or unable to create a
    // synthesizer, or the soundfont not loaded), readable; empty while no
    // such failure is known.
    std::string failure() const { return log_.failure(); }
    bool hasFailed() const { return log_.hasFailed(); }
    // Waits until every message sent before the call has been played (by
    // the audio thread, where it plays them: at most a few periods).
    void waitUntilPlayed() const { queue_.waitUntilPlayed(); }

    bool soundFontLoaded() const { return soundFontLoaded_.load(std::memory_order_acquire); }
    // Name of the audio driver that started; "" while none has.
    std::string audioDriver() const;
    int sampleRate() const;
    // The last problem met while starting (soundfont or audio), readable;
    // empty if there was none.
    std::string lastError() const { return log_.lastError(); }
    // True while the synthesizer is left unrun because all is silent (see
    // QuietFrames); it runs again with the next message.
    bool isResting() const { return renderer_.isResting(); }
    // True once messages go straight to the audio driver's thread.
    bool playsInAudioThread() const { return direct_.load(std::memory_order_acquire); }
    // Frames of the last period the audio driver asked for; 0 before any.
    int periodFrames() const { return renderer_.periodFrames(); }
    // Periods the audio driver has begun to ask for (1 for the first).
    std::uint64_t periodsBegun() const { return renderer_.periodsBegun(); }
    // The last period in which the audio thread played messages (0: none
    // yet), and the peak level the synthesizer rendered in that period.
    using AppliedPeriod = SynthRenderer::AppliedPeriod;
    AppliedPeriod lastAppliedPeriod() const { return renderer_.lastAppliedPeriod(); }

private:
    struct FluidDeleter {
        void operator()(fluid_settings_t* settings) const;
        void operator()(fluid_synth_t* synth) const;
    };

    void run(Output output);
    void attachToHost();
    bool createSynth();
    void startAudioDriver();
    void loadSoundFont();
    void markStarted();
    void markReady();
    void handOver(const MidiBytes& message);
    void play(const MidiBytes& message);

    std::string soundFont_;
    std::string library_;
    std::unique_ptr<fluid_settings_t, FluidDeleter> settings_;
    std::unique_ptr<fluid_synth_t, FluidDeleter> synth_;
    FluidSynthAudioDriver driver_; // started by the engine's thread, stopped by the destructor
    const std::shared_ptr<AudioHost> host_;
    std::atomic<int> hostRate_{0}; // the host's rate once it calls the engine

    FluidSynthLog log_;
    SynthMessageQueue queue_;
    ShadowChannels shadows_;
    // Held by the engine's thread around its own FluidSynth calls once the
    // audio driver runs (a programme's samples being read); the audio
    // thread only tries it, and leaves the ring for the next period when
    // it is taken.
    std::mutex synthMutex_;
    SynthRenderer renderer_{queue_, synthMutex_};
    // The audio driver calls the engine: the audio thread plays messages.
    std::atomic<bool> direct_{false};

    mutable std::mutex readyMutex_;
    mutable std::condition_variable readyChanged_;
    std::atomic<bool> ready_{false};
    std::atomic<bool> started_{false}; // synthesizer created, or failed to be
    std::atomic<bool> soundFontLoaded_{false};
    std::atomic<bool> synthFailed_{false};

    // Declared last: it uses everything above and is joined first.
    std::thread thread_;
};

} // namespace kelmar
