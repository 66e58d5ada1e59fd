// One send to a JACK output from the calling thread (the UI thread in the
// program) when the JACK server stands still (SIGSTOP) and the output's ring
// is full, against the same send to a server that runs: a stalled server
// must cost the sender no more than a working one.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <thread>

#include "midi/OutputBackpressure.h"
#include "midi/jack/JackBackend.h"
#include "midi/jack/JackClient.h"
#include "support/JackReceiver.h"
#include "support/JackServer.h"

namespace {

using namespace std::chrono_literals;

constexpr std::uint64_t Batch = 1024;
const kelmar::MidiBytes Note{{0x90, 60, 100}, 3};

// A server, a receiver, and our output open on the receiver.
struct StallRig {
    StallRig() : output(jack.openOutput(receiver.inputPort())) {}
    ~StallRig() { resume(); }

    bool ready() const { return server.running() && receiver.ok() && output.device; }
    void suspend()
    {
        server.suspend();
        suspended = true;
    }
    void resume()
    {
        if (suspended)
            server.resume();
        suspended = false;
    }

    kelmar::test::JackServer server;
    kelmar::test::JackReceiver receiver;
    kelmar::JackBackend jack{"Kelmar"};
    kelmar::OpenResult<kelmar::MidiOutputDevice> output;
    bool suspended = false;
};

void BM_JackSendStalled(benchmark::State& state)
{
    StallRig rig;
    if (!rig.ready()) {
        state.SkipWithError("no JACK server or receiver");
        return;
    }
    rig.suspend();
    std::this_thread::sleep_for(kelmar::backpressure::StallLimit + 100ms);
    for (std::size_t i = 0; i < kelmar::JackClient::OutputCapacity; ++i)
        rig.output.device->send(Note);
    const std::uint64_t before = rig.output.device->dropped();
    for (auto _ : state)
        rig.output.device->send(Note);
    state.counters["dropped"] = static_cast<double>(rig.output.device->dropped() - before);
    state.SetItemsProcessed(state.iterations());
}

void BM_JackSendLive(benchmark::State& state)
{
    StallRig rig;
    if (!rig.ready()) {
        state.SkipWithError("no JACK server or receiver");
        return;
    }
    // Each batch is let out before the next, so the ring never fills.
    std::uint64_t sent = 0;
    const std::uint64_t first = rig.receiver.arrived();
    for (auto _ : state) {
        rig.output.device->send(Note);
        if (++sent % Batch == 0) {
            state.PauseTiming();
            const auto deadline = std::chrono::steady_clock::now() + 10s;
            while (rig.receiver.arrived() < first + sent && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(20us);
            rig.receiver.clear();
            state.ResumeTiming();
        }
    }
    state.counters["dropped"] = static_cast<double>(rig.output.device->dropped());
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_JackSendStalled)->Iterations(200 * Batch)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_JackSendLive)->Iterations(200 * Batch)->Unit(benchmark::kNanosecond);
