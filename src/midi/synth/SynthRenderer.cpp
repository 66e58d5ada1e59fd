#include "midi/synth/SynthRenderer.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>

#include "midi/MidiCodes.h"
#include "midi/synth/FluidSynthLibrary.h"
#include "midi/synth/SynthMessageQueue.h"

namespace kelmar {

using namespace midi;

namespace {

const FluidSynthLibrary& fluid() { return FluidSynthLibrary::inUse(); }

float peakOf(const float* samples, int frames)
{
    float peak = 0.0F;
    for (int i = 0; i < frames; ++i)
        peak = std::max(peak, std::fabs(samples[i]));
    return peak;
}

} // namespace

bool SynthRenderer::isWhole(const MidiBytes& message)
{
    return message.size != 0 && message.size >= messageLength(message.data[0]);
}

void SynthRenderer::apply(const MidiBytes& message)
{
    fluid_synth_t* synth = synth_;
    if (!synth || !isWhole(message))
        return;
    const int channel = message.data[0] & 0x0F;
    const int data1 = message.data[1] & 0x7F;
    const int data2 = message.data[2] & 0x7F;
    switch (message.data[0] & 0xF0) {
    case NoteOff:
        fluid().fluid_synth_noteoff(synth, channel, data1);
        break;
    case NoteOn: // velocity 0 is a note off
        data2 == 0 ? fluid().fluid_synth_noteoff(synth, channel, data1) : fluid().fluid_synth_noteon(synth, channel, data1, data2);
        break;
    case KeyPressure:
        fluid().fluid_synth_key_pressure(synth, channel, data1, data2);
        break;
    case ControlChange:
        fluid().fluid_synth_cc(synth, channel, data1, data2);
        break;
    case ProgramChange:
        fluid().fluid_synth_program_change(synth, channel, data1);
        break;
    case ChannelPressure:
        fluid().fluid_synth_channel_pressure(synth, channel, data1);
        break;
    case PitchBend:
        fluid().fluid_synth_pitch_bend(synth, channel, data1 | (data2 << 7));
        break;
    default: // system messages
        return;
    }
    held_.track(message);
    holding_.store(held_.any(), std::memory_order_relaxed);
    activity_.fetch_add(1, std::memory_order_release);
}

void SynthRenderer::renderAudio(std::uint32_t frames, float* left, float* right) noexcept
{
    std::fill_n(left, frames, 0.0F);
    std::fill_n(right, frames, 0.0F);
    if (hosted())
        renderPeriod(static_cast<int>(frames), left, right);
}

// FluidSynth's drivers hand over zeroed buffers, but a resting synthesizer
// writes nothing, so they are cleared here too rather than trusting every
// driver with that.
int SynthRenderer::renderForDriver(void* data, int frames, int, float*[], int outCount, float* out[])
{
    if (outCount < 2 || frames < 0)
        return FLUID_FAILED;
    for (int i = 0; i < outCount; ++i)
        std::fill_n(out[i], frames, 0.0F);
    static_cast<SynthRenderer*>(data)->renderPeriod(frames, out[0], out[1]);
    return FLUID_OK;
}

void SynthRenderer::renderPeriod(int frames, float* left, float* right) noexcept
{
    periodFrames_.store(frames, std::memory_order_relaxed);
    const std::uint64_t period = periodsBegun_.fetch_add(1, std::memory_order_acq_rel) + 1;
    const bool applied = applyHandedOver();
    lastPeak_ = 0.0F;
    renderBlock(frames, left, right);
    if (applied) {
        appliedPeak_.store(lastPeak_, std::memory_order_relaxed);
        appliedPeriod_.store(period, std::memory_order_release);
    }
}

// Plays every message on the ring, unless the engine's thread is using the
// synthesizer (reading a programme's samples): then they wait for the next
// period, in order.
bool SynthRenderer::applyHandedOver() noexcept
{
    SynthMessageQueue::AudioRing& ring = queue_.toAudio();
    if (ring.empty())
        return false;
    const std::unique_lock synthLock(synthLock_, std::try_to_lock);
    if (!synthLock.owns_lock())
        return false;
    std::uint64_t count = 0;
    while (const MidiBytes* message = ring.front()) {
        apply(*message);
        ring.pop();
        ++count;
    }
    queue_.noteProgress();
    queue_.notePlayed(count);
    return true;
}

// Once the output has stayed below QuietLevel for QuietFrames with no key or
// pedal held and no message played, the synthesizer is left alone: a silent
// FluidSynth still runs its reverb and chorus on every period. Whatever it
// still had to play lies below -100 dBFS, so nothing audible is cut. Any
// message wakes it at the next block, since FluidSynth hands part of each
// message's work to the rendering (voice updates wait in a queue of its own
// until then); a held key or pedal keeps it running, because a note may
// start silent (its envelope's delay) and grow later.
void SynthRenderer::renderBlock(int frames, float* left, float* right) noexcept
{
    const std::uint64_t activity = activity_.load(std::memory_order_acquire);
    if (activity != activitySeen_ || holding_.load(std::memory_order_relaxed)) {
        activitySeen_ = activity;
        quietFrames_ = 0;
    }
    if (quietFrames_ >= QuietFrames) {
        resting_.store(true, std::memory_order_relaxed);
        return;
    }
    resting_.store(false, std::memory_order_relaxed);
    float* dry[] = {left, right};
    float* effects[] = {left, right, left, right}; // reverb, chorus: mixed in
    fluid().fluid_synth_process(synth_, frames, 4, effects, 2, dry);
    const float peak = std::max(peakOf(left, frames), peakOf(right, frames));
    lastPeak_ = peak;
    quietFrames_ = peak < QuietLevel ? std::min(quietFrames_ + frames, QuietFrames) : 0;
}

SynthRenderer::AppliedPeriod SynthRenderer::lastAppliedPeriod() const noexcept
{
    AppliedPeriod applied;
    applied.period = appliedPeriod_.load(std::memory_order_acquire);
    applied.peak = appliedPeak_.load(std::memory_order_relaxed);
    return applied;
}

} // namespace kelmar
