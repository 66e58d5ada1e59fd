// Sending MIDI through JACK, on a JACK server of the benchmark's own
// (48 kHz, 256-frame periods) with a receiver client connected: the cost of
// one SendMidi through the message layer and the JACK backend, side by side
// with RtMidi's own JACK output sending the same bytes, and how long
// all-notes-off sweeps take until the receiver holds every message.
// JACK2's dummy server by default; PipeWire with
//   KELMAR_TEST_SERVER=pipewire pw-jack build/bench/kelmar_bench --benchmark_filter=Jack
// (the label names the server).
#include <benchmark/benchmark.h>

#include <RtMidi.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "midi/MidiDeviceCatalogue.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiMessageLayer.h"
#include "midi/MidiOutputPort.h"
#include "midi/jack/JackBackend.h"
#include "support/JackReceiver.h"
#include "support/JackServer.h"

namespace {

using namespace std::chrono_literals;

constexpr int SweepMessages = 2048;
// Sends between two waits for the receiver: well below what either output
// can hold (RtMidi's JACK ring takes about 2,300 three-byte messages and
// spins while it is full), so the figures are the cost of a send alone.
// Each wait lasts about a period, so the send benchmarks run a fixed number
// of batches rather than as many as the timer would ask for.
constexpr std::uint64_t Batch = 1024;
constexpr std::uint64_t SendIterations = 200 * Batch;

// Waits until the receiver has been handed `target` events in all.
bool waitForArrivals(const kelmar::test::JackReceiver& receiver, std::uint64_t target)
{
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (receiver.arrived() < target) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(20us);
    }
    return true;
}

// Waits until the receiver has begun `count` more periods.
void waitForPeriods(const kelmar::test::JackReceiver& receiver, std::uint64_t count)
{
    const std::uint64_t target = receiver.cycles() + count;
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (receiver.cycles() < target && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(100us);
}

// The server, a receiver, and the program's ports and message layer over a
// catalogue holding only the JACK backend, with the output open on the receiver.
struct JackRig {
    JackRig()
    {
        catalogue.addBackend(std::make_unique<kelmar::JackBackend>("Kelmar"));
        if (!server.running() || !receiver.ok())
            return;
        const auto names = layer.ListMidiOutDevices(); // position 0 is the default output
        const auto found = std::find(names.begin(), names.end(), receiver.inputPort());
        if (found != names.end())
            layer.OpenMidiOut(static_cast<int>(found - names.begin()));
    }

    bool ready() const { return out.IsOpen() == 1; }

    kelmar::test::JackServer server;
    kelmar::test::JackReceiver receiver;
    kelmar::MidiDeviceCatalogue catalogue;
    kelmar::MidiOutputPort out{catalogue};
    kelmar::MidiInputPort in{catalogue};
    kelmar::MidiMessageLayer layer{out, in};
};

// Runs `send` once per iteration, letting the receiver take each batch
// (untimed) so that no output ever fills up.
template <typename Send>
void sendInBatches(benchmark::State& state, kelmar::test::JackReceiver& receiver, Send send)
{
    std::uint64_t sent = 0;
    const std::uint64_t before = receiver.arrived();
    for (auto _ : state) {
        send();
        if (++sent % Batch == 0) {
            state.PauseTiming();
            if (!waitForArrivals(receiver, before + sent)) {
                state.SkipWithError("the receiver did not get every message");
                break;
            }
            receiver.clear();
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_JackSendMidi(benchmark::State& state)
{
    JackRig rig;
    if (!rig.ready()) {
        state.SkipWithError("no JACK server or receiver");
        return;
    }
    state.SetLabel(kelmar::test::serverKindName());
    sendInBatches(state, rig.receiver, [&] { rig.layer.SendMidi(0x90, 60, 100); });
}

void BM_RtMidiJackSendMessage(benchmark::State& state)
{
    kelmar::test::JackServer server;
    kelmar::test::JackReceiver receiver;
    try {
        RtMidiOut rtmidi(RtMidi::UNIX_JACK, "RtMidiBench");
        unsigned int port = 0;
        while (port < rtmidi.getPortCount() && rtmidi.getPortName(port) != receiver.inputPort())
            ++port;
        if (!server.running() || !receiver.ok() || port == rtmidi.getPortCount()) {
            state.SkipWithError("no JACK server or receiver");
            return;
        }
        rtmidi.openPort(port, "out");
        state.SetLabel(kelmar::test::serverKindName());
        waitForPeriods(receiver, 2); // the new connection is in the graph the server runs
        const unsigned char message[] = {0x90, 60, 100};
        sendInBatches(state, receiver, [&] { rtmidi.sendMessage(message, sizeof message); });
    } catch (const RtMidiError& error) {
        state.SkipWithError(error.getMessage().c_str());
    }
}

// Sweeps (state.range(0) of them, back to back) until the receiver holds
// all their messages; "periods" counts the JACK periods that began from
// the first send until the last message arrived. A period carries at most
// JackClient::MaxPeriodEvents of them, so a sweep needs at least three.
void BM_JackSweepsDelivered(benchmark::State& state)
{
    JackRig rig;
    if (!rig.ready()) {
        state.SkipWithError("no JACK server or receiver");
        return;
    }
    state.SetLabel(kelmar::test::serverKindName());
    const auto sweeps = state.range(0);
    std::uint64_t periods = 0;
    for (auto _ : state) {
        const std::uint64_t target = rig.receiver.arrived() + static_cast<std::uint64_t>(sweeps * SweepMessages);
        const std::uint64_t firstCycle = rig.receiver.cycles();
        for (int64_t s = 0; s < sweeps; ++s)
            rig.layer.AllNotesOffSweep();
        if (!waitForArrivals(rig.receiver, target)) {
            state.SkipWithError("the receiver did not get every message");
            break;
        }
        periods += rig.receiver.cycles() - firstCycle;
        state.PauseTiming();
        rig.receiver.clear();
        state.ResumeTiming();
    }
    state.counters["periods"] = benchmark::Counter(static_cast<double>(periods), benchmark::Counter::kAvgIterations);
    state.counters["period_ms"] = 1e3 * kelmar::test::JackServer::PeriodFrames / kelmar::test::JackServer::SampleRate;
    state.SetItemsProcessed(state.iterations() * sweeps * SweepMessages);
}

} // namespace

BENCHMARK(BM_JackSendMidi)->Iterations(SendIterations)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_RtMidiJackSendMessage)->Iterations(SendIterations)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_JackSweepsDelivered)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond)->UseRealTime();
