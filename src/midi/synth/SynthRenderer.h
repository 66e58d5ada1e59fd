#pragma once

#include <fluidsynth/types.h>

#include <atomic>
#include <cstdint>
#include <mutex>

#include "midi/AudioHost.h"
#include "midi/MidiMessage.h"
#include "midi/synth/HeldNotes.h"

namespace kelmar {

class SynthMessageQueue;

// Real-time part of the synthesizer: plays messages into FluidSynth and
// renders its sound, leaving it unrun while all is silent (resting).
//
// Threads: the audio thread (the host's or the audio driver's) calls
// renderAudio() or renderForDriver() once per period; they empty the
// queue's ring into the synthesizer, then render. apply() runs on the one
// thread that plays messages: the engine's thread until the audio thread
// plays them, the audio thread after. render() runs on whichever renders
// when no audio thread does, one thread at a time. useSynth() and
// playThroughHost() belong to the engine's thread, before any of that;
// the state readers to any thread.
//
// Rules on the audio thread: no lock is taken (the synthesizer's lock is
// only tried; while the engine's thread holds it the ring waits for the
// next period), nothing is allocated, nothing waits, and only what reads
// no samples is asked of FluidSynth: a programme's samples are read on the
// engine's thread first (ShadowChannels).
class SynthRenderer final : public AudioRenderer {
public:
    // Output below this level (about -100 dBFS) counts as silence.
    static constexpr float QuietLevel = 1e-5F;
    // How long the output must stay silent, with no key or pedal held and
    // no message played, before the synthesizer stops being run.
    static constexpr int QuietFrames = 48000; // one second at the engine's rate

    // The last period in which the audio thread played messages (0: none
    // yet), and the peak level the synthesizer rendered in that period.
    struct AppliedPeriod {
        std::uint64_t period = 0;
        float peak = 0.0F;
    };

    // Each period starts with the messages on `queue`'s ring, unless the
    // engine's thread holds `synthLock`.
    SynthRenderer(SynthMessageQueue& queue, std::mutex& synthLock) : queue_(queue), synthLock_(synthLock) {}
    SynthRenderer(const SynthRenderer&) = delete;
    SynthRenderer& operator=(const SynthRenderer&) = delete;

    // The synthesizer to run, set once it exists.
    void useSynth(fluid_synth_t* synth) noexcept { synth_ = synth; }
    // The host's calls render from now on.
    void playThroughHost() noexcept { hosted_.store(true, std::memory_order_release); }
    bool hosted() const noexcept { return hosted_.load(std::memory_order_acquire); }

    // True for a message as long as its status says (system messages too).
    static bool isWhole(const MidiBytes& message);
    // Plays a whole message; system messages are ignored. Real-time safe for
    // every message but a programme change to a programme no channel uses.
    void apply(const MidiBytes& message);

    // The host's call, once per period.
    void renderAudio(std::uint32_t frames, float* left, float* right) noexcept override;
    // The audio driver's call (FluidSynth's fluid_audio_func_t), with this
    // renderer as `data`.
    static int renderForDriver(void* data, int frames, int effectCount, float* effects[], int outCount, float* out[]);
    // Mixes `frames` of the synthesizer into left and right (which hold
    // silence); nothing while resting.
    void renderBlock(int frames, float* left, float* right) noexcept;

    bool isResting() const noexcept { return resting_.load(std::memory_order_relaxed); }
    int periodFrames() const noexcept { return periodFrames_.load(std::memory_order_relaxed); }
    std::uint64_t periodsBegun() const noexcept { return periodsBegun_.load(std::memory_order_acquire); }
    AppliedPeriod lastAppliedPeriod() const noexcept;

private:
    // One period for whichever audio thread calls: messages first, then the sound.
    void renderPeriod(int frames, float* left, float* right) noexcept;
    bool applyHandedOver() noexcept;

    SynthMessageQueue& queue_;
    std::mutex& synthLock_;
    fluid_synth_t* synth_ = nullptr;
    std::atomic<bool> hosted_{false};

    // Between the thread that plays messages and whichever renders: a count
    // of messages played and whether any key or pedal is held.
    std::atomic<std::uint64_t> activity_{0};
    std::atomic<bool> holding_{false};
    HeldNotes held_; // the thread that plays messages only

    std::atomic<int> periodFrames_{0};
    std::atomic<std::uint64_t> periodsBegun_{0};
    std::atomic<std::uint64_t> appliedPeriod_{0};
    std::atomic<float> appliedPeak_{0.0F};
    // The rendering thread only.
    float lastPeak_ = 0.0F; // of the last block rendered
    std::uint64_t activitySeen_ = 0;
    int quietFrames_ = 0;
    std::atomic<bool> resting_{false};
};

} // namespace kelmar
