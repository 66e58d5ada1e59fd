// MidiThru draining a full input queue: the cost of echoing incoming MIDI
// through the message layer, apart from any device.
#include <benchmark/benchmark.h>

#include <memory>

#include "midi/MidiDeviceCatalogue.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiMessageLayer.h"
#include "midi/MidiOutputPort.h"
#include "support/GeneralControlsStandIn.h"
#include "support/RecordingBackend.h"

namespace {

void BM_MidiThruDrains1000Messages(benchmark::State& state)
{
    kelmar::MidiDeviceCatalogue catalogue;
    auto backend = std::make_unique<kelmar::test::RecordingBackend>();
    auto* device = backend.get();
    catalogue.addBackend(std::move(backend));
    kelmar::MidiOutputPort out(catalogue);
    kelmar::MidiInputPort in(catalogue);
    kelmar::MidiMessageLayer layer(out, in);
    kelmar::test::GeneralControlsStandIn controls(layer);
    layer.setControls(&controls.handling);
    layer.OpenMidiOut(1);
    layer.OpenMidiIn(0);
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
        while (in.QueueCount() > 0) // MidiThru handles a bounded batch per call
            layer.MidiThru();
        benchmark::DoNotOptimize(device->sent.data());
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}

} // namespace

BENCHMARK(BM_MidiThruDrains1000Messages)->Unit(benchmark::kMicrosecond);
