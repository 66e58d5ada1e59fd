// Records a take while it plays, for the tests that kill it or keep its
// file from growing. Message i is control change 20 on channel (i / 128) % 16
// with the value i % 128, one every 5 ms.
//   take_child kill PATH          plays until killed; says "started" first
//   take_child limit PATH BYTES   its files may not grow beyond BYTES; plays
//                                 until told the take failed, then stops and
//                                 says what it was told
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

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const std::string mode = argc > 2 ? argv[1] : "";
    if (mode == "limit" && argc == 4) {
        std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails instead
        const rlimit limit{std::stoul(argv[3]), RLIM_INFINITY};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 2;
    } else if (mode != "kill") {
        return 2;
    }
    kelmar::test::RecordingMidiRig rig;
    kelmar::TakeRecorder recorder;
    std::atomic<int> told{0};
    recorder.setFailureListener([&](const std::string&) { ++told; });
    rig.out.setTap(&recorder);
    const std::string started = recorder.start(argv[2], {});
    std::printf("started%s\n", started.c_str());
    std::fflush(stdout);
    for (int i = 0; started.empty() && (mode == "kill" || (told == 0 && i < 4000)); ++i) {
        rig.layer.SendMidi(0xB0 + (i / 128) % 16, 20, i % 128);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const std::string stopped = recorder.stop();
    rig.out.setTap(nullptr);
    std::printf("told %d: %s\n", told.load(), stopped.c_str());
    return 0;
}
