#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "midi/MidiDeviceCatalogue.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiMessageLayer.h"
#include "midi/MidiOutputPort.h"
#include "midi/MidiMessage.h"
#include "midi/synth/FluidSynthBackend.h"
#include "midi/synth/FluidSynthEngine.h"

namespace kelmar {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::array<const char*, 2> SoundFonts = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
};

// The message layer, the output port and the built-in synthesizer as the
// program wires them, with the synthesizer's device open. Audio is pulled
// here instead of by an audio driver.
class SynthRig {
public:
    SynthRig()
        : out_(catalogue_)
        , in_(catalogue_)
        , layer_(out_, in_)
    {
        auto backend = std::make_unique<FluidSynthBackend>(FluidSynthBackend::Audio::None);
        synth_ = backend.get();
        catalogue_.addBackend(std::move(backend));
        catalogue_.setMapper(synth_, FluidSynthBackend::DeviceLabel, "Default output");
        layer_.OpenMidiOut(1); // the synthesizer itself, first in the list
        pull(); // returns once the soundfont is in
    }

    bool isOpen() const { return out_.IsOpen() == 1; }
    MidiMessageLayer& layer() { return layer_; }

    // Stops every voice and lets the synthesizer catch up, as its audio thread would.
    void settle()
    {
        layer_.SendMidi(0xB0, 120, 0); // all sound off
        pull();
    }

    void pull()
    {
        synth_->render(left_, right_);
    }

private:
    MidiDeviceCatalogue catalogue_;
    FluidSynthBackend* synth_ = nullptr;
    MidiOutputPort out_;
    MidiInputPort in_;
    MidiMessageLayer layer_;
    std::vector<float> left_ = std::vector<float>(256);
    std::vector<float> right_ = std::vector<float>(256);
};

// One note on and its note off, each a SendMidi through layer, port and
// device onto the engine's queue (the engine's thread plays them). Every 64
// pairs the voices are cleared (untimed), so the synthesizer never runs out
// of voices.
void BM_SynthSendMidiNotePair(benchmark::State& state)
{
    SynthRig rig;
    if (!rig.isOpen()) {
        state.SkipWithError("the synthesizer did not open");
        return;
    }
    int pairs = 0;
    for (auto _ : state) {
        rig.layer().SendMidi(0x90, 60, 100);
        rig.layer().SendMidi(0x90, 60, 0);
        if (++pairs % 64 == 0) {
            state.PauseTiming();
            rig.settle();
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_SynthSendMidiNotePair);

// The 2,048 velocity-0 note ons of AllNotesOffSweep into the synthesizer,
// until the engine's thread has played them all.
void BM_SynthAllNotesOffSweep(benchmark::State& state)
{
    SynthRig rig;
    if (!rig.isOpen()) {
        state.SkipWithError("the synthesizer did not open");
        return;
    }
    for (auto _ : state) {
        rig.layer().AllNotesOffSweep();
        rig.pull(); // returns once every message sent has been played
    }
    state.SetItemsProcessed(2048 * state.iterations());
}
BENCHMARK(BM_SynthAllNotesOffSweep)->Unit(benchmark::kMicrosecond);

double millisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Start-up of the synthesizer: from creating the backend to openOutput
// returning (open_ms, what holds up the window) and to the soundfont being
// in (ready_ms; the iteration time). device=1 also starts an audio driver.
void BM_SynthStartup(benchmark::State& state)
{
    const char* soundFont = SoundFonts[static_cast<std::size_t>(state.range(0))];
    const auto audio = state.range(1) == 1 ? FluidSynthBackend::Audio::Device : FluidSynthBackend::Audio::None;
    if (!std::filesystem::exists(soundFont)) {
        state.SkipWithError("soundfont not installed");
        return;
    }
    double openMs = 0.0;
    double readyMs = 0.0;
    std::vector<float> left(1);
    std::vector<float> right(1);
    for (auto _ : state) {
        const auto start = Clock::now();
        FluidSynthBackend synth(audio, soundFont);
        const auto device = synth.openOutput(FluidSynthBackend::DeviceLabel);
        const auto opened = Clock::now();
        synth.render(left, right); // returns once the start-up has finished
        const auto ready = Clock::now();
        openMs += millisecondsBetween(start, opened);
        readyMs += millisecondsBetween(start, ready);
        state.SetIterationTime(millisecondsBetween(start, ready) / 1000.0);
        benchmark::DoNotOptimize(device.device.get());
    }
    state.counters["open_ms"] = benchmark::Counter(openMs, benchmark::Counter::kAvgIterations);
    state.counters["ready_ms"] = benchmark::Counter(readyMs, benchmark::Counter::kAvgIterations);
    state.SetLabel(std::filesystem::path(soundFont).filename().string());
}
BENCHMARK(BM_SynthStartup)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"soundfont", "device"})
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

MidiBytes shortMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2 = 0)
{
    return {{status, data1, data2}, static_cast<std::uint8_t>(messageLength(status))};
}

// From send() to the engine's thread having played the message: a note on
// and its note off handed over and played, one pair at a time.
void BM_SynthEngineHandOver(benchmark::State& state)
{
    FluidSynthEngine engine(SoundFonts[0], FluidSynthEngine::Output::RenderOnly);
    engine.waitUntilReady();
    if (!engine.soundFontLoaded()) {
        state.SkipWithError("soundfont not loaded");
        return;
    }
    for (auto _ : state) {
        engine.send(shortMessage(0x90, 60, 100));
        engine.send(shortMessage(0x90, 60, 0));
        engine.waitUntilPlayed();
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_SynthEngineHandOver)->Unit(benchmark::kMicrosecond);

// A programme change to a programme not yet in use, played: with samples
// loaded on demand this is where they are read, on the engine's thread.
// send_us is what the sender pays; the iteration time is until it is played.
void BM_SynthProgramChange(benchmark::State& state)
{
    const char* soundFont = SoundFonts[static_cast<std::size_t>(state.range(0))];
    if (!std::filesystem::exists(soundFont)) {
        state.SkipWithError("soundfont not installed");
        return;
    }
    FluidSynthEngine engine(soundFont, FluidSynthEngine::Output::RenderOnly);
    engine.waitUntilReady();
    int next = 1;
    double sendUs = 0.0;
    for (auto _ : state) {
        const auto start = Clock::now();
        engine.send(shortMessage(0xC0, static_cast<std::uint8_t>(next)));
        sendUs += std::chrono::duration<double, std::micro>(Clock::now() - start).count();
        engine.waitUntilPlayed();
        next = next % 127 + 1; // programme 0 stays in use on the other channels
    }
    state.counters["send_us"] = benchmark::Counter(sendUs, benchmark::Counter::kAvgIterations);
    state.SetLabel(std::filesystem::path(soundFont).filename().string());
}
BENCHMARK(BM_SynthProgramChange)->DenseRange(0, 1)->ArgName("soundfont")->Unit(benchmark::kMillisecond);

// One 256-frame period (5.3 ms at 48 kHz) of a silent synthesizer: running
// (the sustain pedal is down, so it may not rest) or resting.
void BM_SynthSilentPeriod(benchmark::State& state)
{
    const bool resting = state.range(0) == 1;
    FluidSynthEngine engine(SoundFonts[0], FluidSynthEngine::Output::RenderOnly);
    std::vector<float> left(256);
    std::vector<float> right(256);
    engine.send(shortMessage(0xB0, 64, resting ? 0 : 127));
    for (int i = 0; i < 2 * FluidSynthEngine::QuietFrames / 256; ++i)
        engine.render(left, right);
    if (engine.isResting() != resting) {
        state.SkipWithError("the engine is not in the state measured");
        return;
    }
    for (auto _ : state)
        engine.render(left, right);
    state.SetLabel(resting ? "resting" : "running");
}
BENCHMARK(BM_SynthSilentPeriod)->DenseRange(0, 1)->ArgName("resting");

} // namespace
} // namespace kelmar
