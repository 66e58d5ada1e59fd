// Recording a take: what it adds to one send (MidiMessageLayer::SendMidi
// through the output port to a recording device), recording against not
// recording in the same run; and the memory of a long take, whose writer
// writes for real into a file.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

#include "midi/take/TakeRecorder.h"
#include "support/RecordingMidiRig.h"

namespace kelmar {
namespace {

// Sends between pauses: fewer than the take's queue holds.
constexpr int Burst = 4096;

void waitUntilWritten(const TakeRecorder& recorder)
{
    while (recorder.queued() > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void send(test::RecordingMidiRig& rig, int i)
{
    rig.layer.SendMidi(0x90 | (i & 15), i & 127, 100);
}

// Argument: 1 while a take records, 0 without one. Every Burst sends, the
// clock stops while the device's record is cleared and the writer empties
// the queue, so that each timed send is queued rather than left out.
void BM_SendMidiWhileRecording(benchmark::State& state)
{
    const bool recording = state.range(0) != 0;
    test::RecordingMidiRig rig;
    rig.device->sent.reserve(Burst);
    rig.device->sentTo.reserve(Burst);
    TakeRecorder recorder(std::chrono::milliseconds(2));
    QTemporaryDir dir;
    if (recording) {
        if (!recorder.start(dir.filePath("bench.mid").toStdString(), {}).empty()) {
            state.SkipWithError("the take does not start");
            return;
        }
        rig.out.setTap(&recorder);
    }
    int i = 0;
    for (auto _ : state) {
        send(rig, i);
        if (++i == Burst) {
            state.PauseTiming();
            rig.clear();
            waitUntilWritten(recorder);
            i = 0;
            state.ResumeTiming();
        }
    }
    recorder.stop();
    rig.out.setTap(nullptr);
    state.counters["left_out"] = static_cast<double>(recorder.leftOut());
    state.SetItemsProcessed(state.iterations());
}

// Resident and peak resident memory of this process, in kB.
long statusKb(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    }
    return -1;
}

// A ten-minute take at 200 messages a second, played as fast as the writer
// (every 200 ms, as in the program) takes them: the resident memory after
// the first 20,000 messages against its peak over the remaining 100,000,
// and how long stop() waits for the writer's last batch.
void BM_LongTakeMemory(benchmark::State& state)
{
    constexpr int Messages = 120'000;
    constexpr int Warm = 20'000;
    for (auto _ : state) {
        test::RecordingMidiRig rig;
        rig.device->sent.reserve(Burst);
        rig.device->sentTo.reserve(Burst);
        TakeRecorder recorder;
        QTemporaryDir dir;
        const std::string path = dir.filePath("long.mid").toStdString();
        const long before = statusKb("VmRSS");
        if (!recorder.start(path, TakeRecorder::channelSetup(rig.layer.channels())).empty()) {
            state.SkipWithError("the take does not start");
            return;
        }
        rig.out.setTap(&recorder);
        long warm = 0;
        for (int i = 0; i < Messages; ++i) {
            send(rig, i);
            if (i % Burst == Burst - 1)
                rig.clear();
            while (recorder.queued() > TakeRecorder::QueueCapacity / 2)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            if (i == Warm) {
                warm = statusKb("VmRSS");
                std::ofstream("/proc/self/clear_refs") << "5"; // peak resident from here on
            }
        }
        const auto stopping = std::chrono::steady_clock::now();
        const std::string stopped = recorder.stop();
        const std::chrono::duration<double, std::micro> stopTook = std::chrono::steady_clock::now() - stopping;
        rig.out.setTap(nullptr);
        if (!stopped.empty())
            state.SkipWithError(stopped.c_str());
        const long peak = statusKb("VmHWM");
        state.counters["rss_at_20k_growth_kB"] = static_cast<double>(warm - before);
        state.counters["peak_over_last_100k_growth_kB"] = static_cast<double>(peak - warm);
        state.counters["file_kB"] = static_cast<double>(std::ifstream(path, std::ios::ate).tellg()) / 1024;
        state.counters["left_out"] = static_cast<double>(recorder.leftOut());
        state.counters["stop_us"] = stopTook.count();
    }
}

} // namespace
} // namespace kelmar

BENCHMARK(kelmar::BM_SendMidiWhileRecording)->Arg(0)->Arg(1)->Unit(benchmark::kNanosecond);
BENCHMARK(kelmar::BM_LongTakeMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
