// The built-in synthesizer against the audio periods of a JACK server of
// the benchmark's own (JACK2's dummy driver, 256 frames at 48 kHz: 5.33 ms
// periods), with its audio driver playing into a probe client:
// - BM_SynthPeriodsLate: from send() of a note on to the first period the
//   synthesizer renders that carries it, in periods past the first period
//   that begins after the send (0: on time). Each note is sent at a random
//   point between two periods. rest=1 lets the engine rest before each note.
//   programs_client=1 (in both benchmarks) plays through the program's own
//   JACK client as the engine's audio host, as the program does where a
//   JACK server runs; 0 through FluidSynth's JACK driver.
//   Counters: median, p90 and max of the lateness, in periods, counted by
//   the probe's periods (a period counts as begun once the probe, which
//   runs after the synthesizer, has begun it; notes sent while a period
//   began are left out). The iteration time is what send() costs. (The
//   server's clock, jack_get_cycle_times, is no measure here: under load
//   its estimated period starts drift from the dummy driver's real ones.)
// - BM_SynthFastPlayerXruns: a fast player's load (6,000 note ons with
//   their note offs, pans and programme changes from another thread, 128
//   voices busy) while the synthesizer plays; counter xruns: the server's
//   xruns during the load, read back through the probe's xrun callback.
//   Args: new=1 changes to programmes whose samples are not loaded yet
//   (else among three loaded ones); busy=1 keeps both cores busy with
//   spinning threads of normal priority, as a window and its X server do.
// The server runs its clients' process threads in real time where the
// system allows it, as on a musician's desktop, so that an xrun is the
// synthesizer's own and not the busy machine's.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>
#include <thread>
#include <vector>

#include "midi/MidiMessage.h"
#include "midi/jack/JackBackend.h"
#include "midi/synth/FluidSynthEngine.h"
#include "support/JackAudioProbe.h"
#include "support/JackServer.h"

namespace kelmar {
namespace {

using namespace std::chrono_literals;

constexpr const char* SoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr const char* SynthClient = "Kelmar synthesizer";
constexpr auto Period = std::chrono::microseconds(1'000'000 * test::JackServer::PeriodFrames / test::JackServer::SampleRate);
// A period counts as carrying the note from this peak on (-100 dBFS);
// silence between notes is below a fifth of it. (A higher threshold
// misses the first period of soft notes, whose sample rises slowly; the
// note played, 60, sounds from its 11th frame on.)
constexpr float Loud = 1e-5F;

MidiBytes shortMessage(int status, int data1, int data2 = 0)
{
    return {{static_cast<std::uint8_t>(status), static_cast<std::uint8_t>(data1), static_cast<std::uint8_t>(data2)},
            static_cast<std::uint8_t>(messageLength(static_cast<std::uint8_t>(status)))};
}

// The server, the engine playing through JACK and the probe listening to it.
struct DeadlineRig {
    explicit DeadlineRig(bool throughProgramsClient)
    {
        if (!server.running())
            return;
        std::shared_ptr<AudioHost> host;
        if (throughProgramsClient) {
            jack = std::make_unique<JackBackend>("Kelmar");
            jack->openInBackground();
            host = jack->audioHost();
        }
        engine = std::make_unique<FluidSynthEngine>(SoundFont, FluidSynthEngine::Output::Driver,
                                                    FluidSynthEngine::defaultLibrary(), host);
        engine->waitUntilReady();
        if (engine->audioDriver() != "jack" || !engine->soundFontLoaded())
            return;
        probe = std::make_unique<test::JackAudioProbe>();
        ready = probe->ok() && probe->listenTo(throughProgramsClient ? "Kelmar" : SynthClient);
    }

    // Waits for the start of a period, then `into` of the way into it.
    void waitIntoPeriod(double into) const
    {
        const std::uint64_t now = probe->cycles();
        while (probe->cycles() == now)
            std::this_thread::sleep_for(50us);
        std::this_thread::sleep_for(std::chrono::duration<double, std::micro>(into * static_cast<double>(Period.count())));
    }

    // Waits (bounded) until the probe has heard a silent period.
    void waitForSilence() const
    {
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        while (probe->lastPeak() >= Loud / 5 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(1ms);
    }

    test::JackServer server{test::JackServer::Scheduling::Realtime};
    std::unique_ptr<JackBackend> jack; // outlives the engine that plays through it
    std::unique_ptr<FluidSynthEngine> engine;
    std::unique_ptr<test::JackAudioProbe> probe;
    bool ready = false;
};

double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0.0;
    std::ranges::sort(values);
    const auto index = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

void BM_SynthPeriodsLate(benchmark::State& state)
{
    const bool rest = state.range(0) == 1;
    DeadlineRig rig(state.range(1) == 1);
    if (!rig.ready) {
        state.SkipWithError("no JACK server, or the synthesizer did not play through JACK");
        return;
    }
    // No reverb or chorus: a note ends as soon as all sound is off.
    rig.engine->send(shortMessage(0xB0, 91, 0));
    rig.engine->send(shortMessage(0xB0, 93, 0));
    std::mt19937 random(7);
    std::uniform_real_distribution<double> phase(0.1, 0.9);
    std::vector<double> late;
    constexpr int Note = 60;
    for (auto _ : state) {
        state.PauseTiming();
        rig.engine->send(shortMessage(0xB0, 120, 0)); // all sound off
        rig.waitForSilence();
        if (rest) {
            const auto deadline = std::chrono::steady_clock::now() + 3s;
            while (!rig.engine->isResting() && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(5ms);
        }
        rig.waitIntoPeriod(phase(random));
        const std::uint64_t before = rig.probe->cycles();
        rig.probe->arm(Loud);
        state.ResumeTiming();
        rig.engine->send(shortMessage(0x90, Note, 100));
        state.PauseTiming();
        const bool between = rig.probe->cycles() == before; // no period began during the send, as the probe saw
        const auto deadline = std::chrono::steady_clock::now() + 2s;
        while (rig.probe->loudCycle() == 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(100us);
        const std::uint64_t loud = rig.probe->loudCycle();
        if (loud == 0) {
            state.SkipWithError("the note was never heard");
            break;
        }
        if (between)
            late.push_back(static_cast<double>(loud) - static_cast<double>(before + 1));
        rig.engine->send(shortMessage(0x80, Note, 0));
        state.ResumeTiming();
    }
    state.counters["median_periods"] = percentile(late, 0.5);
    state.counters["p90_periods"] = percentile(late, 0.9);
    state.counters["max_periods"] = late.empty() ? 0.0 : *std::ranges::max_element(late);
    state.counters["notes"] = static_cast<double>(late.size());
    state.SetLabel(std::string(test::serverKindName()) + (rest ? ", after a rest" : ""));
}
BENCHMARK(BM_SynthPeriodsLate)->ArgsProduct({{0}, {0, 1}})->ArgNames({"rest", "programs_client"})->Iterations(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SynthPeriodsLate)->ArgsProduct({{1}, {0, 1}})->ArgNames({"rest", "programs_client"})->Iterations(12)->Unit(benchmark::kMicrosecond);

// Threads that spin at normal priority until destroyed.
class BusyCores {
public:
    explicit BusyCores(int count)
    {
        for (int i = 0; i < count; ++i)
            threads_.emplace_back([this] {
                while (!stop_.load(std::memory_order_relaxed)) {
                }
            });
    }
    ~BusyCores()
    {
        stop_.store(true, std::memory_order_relaxed);
        for (std::thread& thread : threads_)
            thread.join();
    }
    BusyCores(const BusyCores&) = delete;
    BusyCores& operator=(const BusyCores&) = delete;

private:
    std::atomic<bool> stop_{false};
    std::vector<std::thread> threads_;
};

// 6,000 note ons at about 750 a second, each with a pan, every 50th with a
// programme change, and note offs 128 notes behind, so that 128 voices
// stay busy.
void BM_SynthFastPlayerXruns(benchmark::State& state)
{
    const bool newProgrammes = state.range(0) == 1;
    const bool busy = state.range(1) == 1;
    DeadlineRig rig(state.range(2) == 1);
    if (!rig.ready) {
        state.SkipWithError("no JACK server, or the synthesizer did not play through JACK");
        return;
    }
    // The programmes the load uses are loaded before it starts.
    for (int channel = 0; channel < 8; ++channel)
        for (const int programme : {0, 19, 48, 0})
            rig.engine->send(shortMessage(0xC0 | channel, programme));
    rig.engine->waitUntilPlayed();
    rig.probe->waitForCycles(20);
    constexpr int Notes = 6000;
    constexpr int Behind = 128;
    int xruns = 0;
    for (auto _ : state) {
        const BusyCores cores(busy ? static_cast<int>(std::thread::hardware_concurrency()) : 0);
        const int before = rig.probe->xruns();
        std::thread player([&rig, newProgrammes] {
            auto next = std::chrono::steady_clock::now();
            for (int i = 0; i < Notes + Behind; ++i) {
                if (i < Notes) {
                    const int channel = i % 8;
                    if (i % 50 == 0) {
                        const int loaded = (i / 50) % 2 == 0 ? 19 : 48;
                        rig.engine->send(shortMessage(0xC0 | channel, newProgrammes ? (i / 50) % 128 : loaded));
                    }
                    rig.engine->send(shortMessage(0xB0 | channel, 10, (i * 37) % 128));
                    rig.engine->send(shortMessage(0x90 | channel, 36 + (i * 7) % 60, 80 + i % 40));
                }
                if (i >= Behind) {
                    const int j = i - Behind;
                    rig.engine->send(shortMessage(0x80 | (j % 8), 36 + (j * 7) % 60, 0));
                }
                next += 1333us;
                std::this_thread::sleep_until(next);
            }
        });
        player.join();
        rig.probe->waitForCycles(40);
        xruns += rig.probe->xruns() - before;
    }
    state.counters["xruns"] = benchmark::Counter(xruns, benchmark::Counter::kAvgIterations);
    state.SetLabel(test::serverKindName());
}
BENCHMARK(BM_SynthFastPlayerXruns)->ArgsProduct({{0, 1}, {0, 1}, {0, 1}})->ArgNames({"new", "busy", "programs_client"})->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kelmar
