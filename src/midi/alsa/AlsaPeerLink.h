#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

class RtMidi;

namespace kelmar {

// Keeps an open RtMidi port linked to its peer port by the peer's name
// while the peer comes and goes (a synthesizer restarted, a keyboard
// plugged in again). A thread of its own lists the ports every Interval:
// when the peer's name is gone, the link counts as lost and `lost` runs
// once; when the name is there again, the port is opened to it afresh.
// The name compared leaves out the numbers the sequencer gives a client at
// each start ("Synth:Port 130:0" and "Synth:Port 131:0" are one peer). A
// peer gone and back between two looks is not noticed (RtMidi cannot ask
// whether the subscription still stands).
// Every use of the RtMidi object, the link's and its owner's, is under
// `mutex`.
class AlsaPeerLink {
public:
    static constexpr std::chrono::milliseconds Interval{1000};

    AlsaPeerLink(RtMidi& rtmidi, std::mutex& mutex, std::string peer, std::string ownPortName,
                 std::function<void()> lost = {});
    // Stops the thread; nothing is opened or told after this returns.
    ~AlsaPeerLink();
    AlsaPeerLink(const AlsaPeerLink&) = delete;
    AlsaPeerLink& operator=(const AlsaPeerLink&) = delete;

    bool linked() const { return linked_.load(std::memory_order_acquire); }

    // A port's name as RtMidi lists it, without its trailing
    // "client:port" numbers.
    static std::string stableName(const std::string& portName);

private:
    void run();
    void check();

    RtMidi& rtmidi_;
    std::mutex& rtmidiMutex_;
    const std::string peer_; // stable name
    const std::string ownPortName_;
    std::function<void()> lost_;
    std::atomic<bool> linked_{true};
    std::mutex mutex_;
    std::condition_variable stop_;
    bool stopping_ = false;
    std::thread thread_; // last: starts once the rest is set up
};

} // namespace kelmar
