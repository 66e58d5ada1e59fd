#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace kelmar {

// Bounds the program's end once its devices are closed: declared first in
// main(), so that it goes last, and told by leaving() when main() starts
// letting everything go. Letting go that takes longer than TeardownLimit (a
// library call held up by a JACK server that does not answer, in a
// destructor that waits for it) ends the process there. When a MIDI backend
// had to leave a thread to itself, the process ends without its exit
// handlers, which that thread's library may hold up. Otherwise main()
// returns as usual.
class ProgramEnd {
public:
    static constexpr std::chrono::milliseconds TeardownLimit{500};

    ProgramEnd() = default;
    ~ProgramEnd();
    ProgramEnd(const ProgramEnd&) = delete;
    ProgramEnd& operator=(const ProgramEnd&) = delete;

    // Starts the bound; returns `status`, the one the process ends with.
    int leaving(int status);

private:
    std::mutex mutex_;
    std::condition_variable finished_;
    bool done_ = false;
    int status_ = 0;
    std::thread watchdog_;
};

} // namespace kelmar
