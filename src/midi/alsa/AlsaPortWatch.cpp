#include "midi/alsa/AlsaPortWatch.h"

namespace kelmar {

AlsaPortWatch::AlsaPortWatch(Lister list, std::function<void()> changed, std::chrono::milliseconds interval)
    : list_(std::move(list))
    , changed_(std::move(changed))
    , interval_(interval)
    , thread_([this] { run(); })
{
}

AlsaPortWatch::~AlsaPortWatch()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stop_.notify_one();
    thread_.join();
}

void AlsaPortWatch::run()
{
    std::vector<std::string> last = list_();
    std::unique_lock lock(mutex_);
    while (!stop_.wait_for(lock, interval_, [this] { return stopping_; })) {
        lock.unlock();
        std::vector<std::string> now = list_();
        if (now != last) {
            last = std::move(now);
            changed_();
        }
        lock.lock();
    }
}

} // namespace kelmar
