// A program that records a take while it plays, for the tests that end it
// from outside or let its file stop growing.
//   take_child kill PATH          plays until killed; says "started" first
//   take_child limit PATH BYTES   its files may not grow beyond BYTES; plays
//                                 until told the take failed, then 50 more
//                                 messages, stops and says what it saw
// Message number i is control change 20 on channel (i / 128) % 16 with the
// value i % 128, one every 5 ms.
#include <QCoreApplication>

#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>
#include <thread>

#include "midi/take/TakeRecorder.h"
#include "support/RecordingMidiRig.h"

namespace {

void play(kelmar::MidiMessageLayer& layer, int i)
{
    layer.SendMidi(0xB0 + (i / 128) % 16, 20, i % 128);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const std::string mode = argv[1];
    if (mode == "limit" && argc == 4) {
        std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails instead
        const rlimit limit{std::stoul(argv[3]), RLIM_INFINITY};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 2;
    }
    kelmar::test::RecordingMidiRig rig;
    kelmar::TakeRecorder recorder;
    std::atomic<int> told{0};
    recorder.setFailureListener([&](const std::string&) { told.fetch_add(1); });
    rig.out.setTap(&recorder);
    const std::string started = recorder.start(argv[2], {});
    std::printf("started %s\n", started.c_str());
    std::fflush(stdout);
    if (!started.empty())
        return 1;
    int i = 0;
    if (mode == "kill") {
        for (;; ++i)
            play(rig.layer, i);
    }
    for (; told.load() == 0 && i < 2000; ++i)
        play(rig.layer, i);
    for (const int end = i + 50; i < end; ++i)
        play(rig.layer, i);
    const std::string stopped = recorder.stop();
    rig.out.setTap(nullptr);
    std::printf("told %d\nsent %d\nplayed %zu\nstopped %s\n", told.load(), i, rig.sent().size(), stopped.c_str());
    return 0;
}
