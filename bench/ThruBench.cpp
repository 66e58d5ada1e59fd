// MidiThru draining a full input queue: the cost of echoing incoming MIDI
// through the message layer, apart from any device.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <memory>

#include "midi/MidiDeviceCatalogue.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiMessageLayer.h"
#include "midi/MidiOutputPort.h"
#include "support/GeneralControlsStandIn.h"
#include "support/RecordingMidiRig.h"

namespace {

// A message layer with a recording device as its output and its input, and
// the general controls' real handling for what thru moves.
struct ThruRig : kelmar::test::RecordingMidiRig {
    ThruRig()
    {
        layer.setControls(&controls.handling);
        layer.OpenMidiIn(0);
    }
    kelmar::test::GeneralControlsStandIn controls{layer};
};

void BM_MidiThruDrains1000Messages(benchmark::State& state)
{
    ThruRig rig;
    auto* device = rig.device;
    device->sent.reserve(1000);
    device->sentTo.reserve(1000);

    for (auto _ : state) {
        state.PauseTiming();
        device->sent.clear();
        device->sentTo.clear();
        // a mix of echoed notes, captured controllers and other channels
        for (int i = 0; i < 1000; ++i) {
            const std::uint8_t kind = static_cast<std::uint8_t>(i % 4);
            if (kind == 3)
                device->receive({0xB0, 10, static_cast<std::uint8_t>(i % 128)});
            else
                device->receive({static_cast<std::uint8_t>(0x90 + kind), static_cast<std::uint8_t>(i % 128), 100});
        }
        state.ResumeTiming();
        while (rig.in.QueueCount() > 0) // MidiThru handles a bounded batch per call
            rig.layer.MidiThru();
        benchmark::DoNotOptimize(device->sent.data());
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}

// One timing clock as a clock master sends it (24 a quarter note: 120 a
// second at 300 bpm), from the device thread's push through the wake-up,
// the input port's event and MidiThru to the output: what each clock costs
// the UI thread. The UI thread's share at 120 clocks a second is this time
// (CPU) times 120.
void BM_ThruOneClockThroughTheEventLoop(benchmark::State& state)
{
    ThruRig rig;
    auto* device = rig.device;
    device->sent.reserve(1 << 20);
    device->sentTo.reserve(1 << 20);

    for (auto _ : state) {
        const std::size_t before = device->sent.size();
        device->receive({0xF8});
        while (device->sent.size() == before)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (device->sent.size() > (1 << 19)) {
            state.PauseTiming();
            device->sent.clear();
            device->sentTo.clear();
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_MidiThruDrains1000Messages)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThruOneClockThroughTheEventLoop)->Unit(benchmark::kMicrosecond);
