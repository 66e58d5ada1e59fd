#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kelmar {

// Watches the sequencer's ports by listing them on a thread of its own at
// a short interval, and says when the list has changed. RtMidi offers no
// way to the sequencer's announcements, and a listing costs a few system
// calls, so polling once a second is the simple way.
class AlsaPortWatch {
public:
    // Lists every port the backend shows; called on the watch's thread only.
    using Lister = std::function<std::vector<std::string>()>;

    static constexpr std::chrono::milliseconds Interval{1000};

    // Lists once, then every `interval`; `changed` runs on the watch's
    // thread whenever a listing differs from the one before.
    AlsaPortWatch(Lister list, std::function<void()> changed, std::chrono::milliseconds interval = Interval);
    // Stops the thread; `changed` is not called after this returns.
    ~AlsaPortWatch();
    AlsaPortWatch(const AlsaPortWatch&) = delete;
    AlsaPortWatch& operator=(const AlsaPortWatch&) = delete;

private:
    void run();

    Lister list_;
    std::function<void()> changed_;
    const std::chrono::milliseconds interval_;
    std::mutex mutex_;
    std::condition_variable stop_;
    bool stopping_ = false;
    std::thread thread_; // last: starts once the rest is set up
};

} // namespace kelmar
