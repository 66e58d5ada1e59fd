#include "midi/jack/JackControl.h"

#include <atomic>

namespace kelmar {

namespace {

// Threads that finish() left to themselves and that have not ended yet.
std::atomic<int> leftRunningCount{0};

} // namespace

std::shared_ptr<JackControl> JackControl::start()
{
    auto control = std::make_shared<JackControl>(Key{});
    control->thread_ = std::thread([self = control] { self->run(); });
    return control;
}

JackControl::~JackControl()
{
    // finish() has joined or detached the thread; it holds this object while it runs.
    if (thread_.joinable())
        thread_.detach();
}

void JackControl::post(std::function<void()> request)
{
    {
        std::lock_guard lock(mutex_);
        if (!ended_) {
            queue_.push_back(std::move(request));
            queued_.notify_one();
            return;
        }
    }
    request();
}

bool JackControl::heldUp() const
{
    std::lock_guard lock(mutex_);
    return heldUp_;
}

void JackControl::setOnCaughtUp(std::function<void()> caughtUp)
{
    std::lock_guard lock(listenerMutex_);
    caughtUp_ = std::move(caughtUp);
}

void JackControl::tellListener()
{
    std::lock_guard listening(listenerMutex_);
    if (caughtUp_)
        caughtUp_();
}

void JackControl::finish(Clock::duration limit)
{
    if (!thread_.joinable())
        return;
    std::unique_lock lock(mutex_);
    finishing_ = true;
    queued_.notify_one();
    const bool ended = thread_.get_id() != std::this_thread::get_id()
        && replied_.wait_for(lock, heldUp_ ? Clock::duration::zero() : limit, [this] { return ended_; });
    if (ended) {
        lock.unlock();
        thread_.join();
        return;
    }
    leftRunning_ = true;
    leftRunningCount.fetch_add(1);
    lock.unlock();
    thread_.detach();
}

bool JackControl::anyLeftRunning() noexcept
{
    return leftRunningCount.load() > 0;
}

void JackControl::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        queued_.wait(lock, [this] { return !queue_.empty() || finishing_; });
        if (queue_.empty())
            break;
        std::function<void()> request = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        request();
        request = nullptr; // what it held may post more (a client's last owner closes it here)
        lock.lock();
        if (queue_.empty() && heldUp_) {
            heldUp_ = false;
            lock.unlock();
            tellListener();
            lock.lock();
        }
    }
    ended_ = true;
    if (leftRunning_)
        leftRunningCount.fetch_sub(1);
    replied_.notify_all();
}

} // namespace kelmar
