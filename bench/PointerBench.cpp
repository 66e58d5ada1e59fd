// One pointer event over a performance picture, through the real widget
// path: a QMouseEvent sent to PerformanceImage(0), the area's handler, the
// pair operation and the message layer, down to the bytes a recording
// device is handed. Reports the median and the 99th percentile of single
// events as counters (microseconds).
//
// And one pointer sample through MousePerformance alone, classic against
// Extended Play, down to the same recording device.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <vector>

#include "app/MainWindow.h"
#include "app/PlayMenu.h"
#include "performance/widgets/BigPicture.h"
#include "performance/MousePerformance.h"
#include "performance/widgets/PerformanceAreas.h"
#include "performance/widgets/PerformancePicture.h"
#include "support/RecordingMidiRig.h"

namespace kelmar {
namespace {

using Clock = std::chrono::steady_clock;

double percentile(std::vector<double>& samples, double fraction)
{
    const auto k = static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1));
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(k), samples.end());
    return samples[k];
}

// Moves over `picture`, each to another place, timing each event from
// the widget to the bytes the recording device is handed.
// Area 0 in the Big Picture at 1,000 x 700: its picture.
QWidget* bigPicture(MainWindow& window)
{
    window.showBigPicture(0);
    window.bigPicture()->resize(1000, 700);
    return window.bigPicture()->picture();
}

void movesOver(benchmark::State& state, test::RecordingMidiRig& midi, QWidget* picture)
{
    constexpr std::size_t ClearEvery = 8192;
    midi.device->sent.reserve(2 * ClearEvery + 2);
    midi.device->sentTo.reserve(2 * ClearEvery + 2);
    const int width = picture->width();
    const int height = picture->height();
    std::vector<double> micros;
    micros.reserve(1 << 20);
    int k = 0;
    for (auto _ : state) {
        const QPointF at((k * 7) % width + 0.5, (k * 3) % height + 0.5);
        ++k;
        QMouseEvent event(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        const auto start = Clock::now();
        QCoreApplication::sendEvent(picture, &event);
        const auto end = Clock::now();
        if (micros.size() < micros.capacity())
            micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        if (midi.device->sent.size() >= ClearEvery) {
            state.PauseTiming();
            midi.clear();
            state.ResumeTiming();
        }
    }
    if (midi.device->sent.empty() && k > 0) {
        state.SkipWithError("nothing reached the device");
        return;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["p50_us"] = percentile(micros, 0.50);
    state.counters["p99_us"] = percentile(micros, 0.99);
    state.counters["max_us"] = *std::max_element(micros.begin(), micros.end());
}

// Argument: the list position picked in WidthCombo(0) under "Pitch":
// 1 Velocity (pair 1, one message), 2 Pan (pair 2, two messages).
void BM_PointerMoveToDevice(benchmark::State& state)
{
    test::RecordingMidiRig midi;
    MainWindow window(midi.layer);
    window.areas().fillAxisLists();
    window.show();
    QCoreApplication::processEvents();
    window.areas().area(0).WidthCombo->setCurrentIndex(static_cast<int>(state.range(0)));
    movesOver(state, midi, window.areas().area(0).PerformanceImage);
}
BENCHMARK(BM_PointerMoveToDevice)->Arg(1)->Arg(2)->ArgName("width")->Unit(benchmark::kMicrosecond);

// What a pointer move costs the window's thread in all, as a player's
// mouse brings them (200 a second, the event loop running between them):
// the event, the MIDI, the readout and the painting. CPU time is the
// thread's, so the waits between moves do not count; run it on the X
// display to count what the window system adds (QT_QPA_PLATFORM=xcb).
// Argument: 0 the classic rules, 1 Extended Play, 2 Extended Play over
// the Big Picture at 1,000 x 700, whose caption follows the readout.
void BM_PointerMovePainted(benchmark::State& state)
{
    test::RecordingMidiRig midi;
    MainWindow window(midi.layer);
    window.areas().fillAxisLists();
    if (state.range(0) >= 1)
        window.play().setExtended(true);
    window.show();
    QWidget* picture = state.range(0) == 2 ? bigPicture(window) : window.areas().area(0).PerformanceImage;
    QCoreApplication::processEvents();
    int k = 0;
    for (auto _ : state) {
        const QPointF at((k * 7) % picture->width() + 0.5, (k * 13) % picture->height() + 0.5);
        ++k;
        QMouseEvent event(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(picture, &event);
        QEventLoop loop; // what the move left to do, until the next one
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
        if (midi.device->sent.size() >= 8192) {
            state.PauseTiming();
            midi.clear();
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PointerMovePainted)->Arg(0)->Arg(1)->Arg(2)->ArgName("extended")->Iterations(2000)->Unit(benchmark::kMicrosecond);

// Extended Play, One Note per Area, pair 1: a move over area 0's picture
// in the main window (argument 0) against one over the Big Picture at
// 1,000 x 700 (argument 1), its band guides drawn.
void BM_PointerMoveBigPicture(benchmark::State& state)
{
    test::RecordingMidiRig midi;
    MainWindow window(midi.layer);
    window.areas().fillAxisLists();
    window.play().setExtended(true);
    window.show();
    QWidget* picture = state.range(0) == 1 ? bigPicture(window) : window.areas().area(0).PerformanceImage;
    QCoreApplication::processEvents();
    movesOver(state, midi, picture);
}
BENCHMARK(BM_PointerMoveBigPicture)->Arg(0)->Arg(1)->ArgName("big")->Unit(benchmark::kMicrosecond);

// Argument: 0 classic pair 1 (Pitch / Velocity, one note-on per sample);
// 1 Extended Play on the same cell in C major, One Note per Area (a note-off
// and a note-on per sample); 2 the same, Held Until Silenced (a note-on per
// sample). Every sample lands in new bands, so each one sends.
void BM_PerformanceSample(benchmark::State& state)
{
    constexpr std::size_t ClearEvery = 8192;
    test::RecordingMidiRig midi;
    midi.device->sent.reserve(2 * ClearEvery + 2);
    midi.device->sentTo.reserve(2 * ClearEvery + 2);
    MousePerformance performance(midi.layer);
    const auto mode = state.range(0);
    if (mode > 0) {
        performance.setExtended(true);
        performance.setScale(ScaleKind::Major);
        performance.setNoteMode(mode == 1 ? NoteMode::OneNotePerArea : NoteMode::HeldUntilSilenced);
    }
    PointerSample sample;
    sample.width = 138; // the picture's size on screen, in pixels
    sample.height = 102;
    sample.pitchText = "63";
    sample.velText = "120";
    sample.vLimitMinText = "VLimitMin"; // the boxes' start texts
    sample.vLimitMaxText = "VLimitMax";
    sample.hLimitMinText = "HLMin";
    sample.hLimitMaxText = "HLMax";

    int k = 0;
    for (auto _ : state) {
        sample.x = (k * 7) % 138 + 0.5;
        sample.y = (k * 5) % 102 + 0.5;
        ++k;
        benchmark::DoNotOptimize(performance.pointerMoved(0, sample));
        if (midi.device->sent.size() >= ClearEvery) {
            state.PauseTiming();
            midi.clear();
            state.ResumeTiming();
        }
    }
    if (midi.device->sent.empty() && k > 0) {
        state.SkipWithError("nothing reached the device");
        return;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PerformanceSample)->Arg(0)->Arg(1)->Arg(2)->ArgName("extended")->Unit(benchmark::kNanosecond);

} // namespace
} // namespace kelmar
