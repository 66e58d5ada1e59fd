#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <type_traits>
#include <utility>

namespace kelmar {

// The thread that makes the JACK requests which wait for the server's
// answer (opening and closing clients, activating, connecting and
// disconnecting), one after another in the order asked. Callers wait for
// an answer only up to a deadline: a server that does not answer (stopped,
// overloaded, its lock held by someone else) holds up this thread alone,
// and what was asked meanwhile runs, in order, once it answers.
//
// Once a caller's wait has timed out the thread counts as held up: until it
// has caught up with everything queued, nobody waits for it again (call()
// fails at once, await() does not wait), and on catching up it says so
// through the listener set with setOnCaughtUp().
//
// Requests own what they use (shared pointers, copies): one given up on may
// run long after its caller has gone.
class JackControl : public std::enable_shared_from_this<JackControl> {
    struct Key {
        explicit Key() = default;
    };

public:
    using Clock = std::chrono::steady_clock;

    // Where a request's result arrives.
    template <typename Result>
    struct Reply {
        std::optional<Result> value;
        bool taken = false;
        // Set when the caller gave up: runs on the thread with the late result.
        std::function<void(Result)> undo;
    };

    // Starts the thread.
    static std::shared_ptr<JackControl> start();
    explicit JackControl(Key) {}
    ~JackControl();
    JackControl(const JackControl&) = delete;
    JackControl& operator=(const JackControl&) = delete;

    // Queues `request` behind everything asked before. After finish() has
    // let the thread end, runs it on the calling thread instead.
    void post(std::function<void()> request);

    // Queues `work`; its result arrives in the returned reply.
    template <typename Work>
    auto ask(Work work) -> std::shared_ptr<Reply<std::invoke_result_t<Work&>>>;

    // Waits until `deadline` (not at all while the thread is held up) for
    // the reply, and takes its result. Empty when it has not come: then the
    // thread counts as held up, and `undo`, if given, runs with the result
    // once it comes (the reply can no longer be taken).
    template <typename Result>
    std::optional<Result> await(Reply<Result>& reply, Clock::time_point deadline,
                                std::function<void(Result)> undo = nullptr);

    // ask() and await() in one, failing at once while the thread is held up.
    template <typename Work, typename Undo>
    auto call(Work work, Clock::time_point deadline, Undo undo) -> std::optional<std::invoke_result_t<Work&>>;

    // True from a wait that timed out until the thread has caught up.
    bool heldUp() const;
    // `caughtUp` runs on the thread when it catches up after having been
    // held up, and whenever tellListener() is called. Null stops that; once
    // this returns, the old one no longer runs.
    void setOnCaughtUp(std::function<void()> caughtUp);
    // Runs that listener now, on the calling thread (a client whose peers'
    // ports have changed).
    void tellListener();

    // Lets the thread end once it has done what is queued, waiting for that
    // up to `limit` (not at all while it is held up). A thread that has not
    // ended by then is left to itself (detached); it keeps what its requests
    // use and ends once the server answers, or with the process.
    void finish(Clock::duration limit);

    // True while a thread left to itself by finish() is still running: the
    // process should then end without running libjack's exit handlers,
    // which a request in progress may hold up.
    static bool anyLeftRunning() noexcept;

private:
    void run();
    // Marks the thread held up; mutex_ held.
    void giveUp() noexcept { heldUp_ = true; }

    mutable std::mutex mutex_;
    std::condition_variable queued_;   // a request was queued, or finish() asked
    std::condition_variable replied_;  // a reply came, or the thread ended
    std::deque<std::function<void()>> queue_;
    bool heldUp_ = false;
    bool finishing_ = false;
    bool ended_ = false;
    bool leftRunning_ = false;
    std::mutex listenerMutex_;
    std::function<void()> caughtUp_;
    std::thread thread_;
};

template <typename Work>
auto JackControl::ask(Work work) -> std::shared_ptr<Reply<std::invoke_result_t<Work&>>>
{
    using Result = std::invoke_result_t<Work&>;
    auto reply = std::make_shared<Reply<Result>>();
    post([this, reply, work = std::move(work)]() mutable {
        Result value = work();
        std::unique_lock lock(mutex_);
        if (reply->undo) {
            auto undo = std::move(reply->undo);
            lock.unlock();
            undo(std::move(value));
            return;
        }
        reply->value = std::move(value);
        replied_.notify_all();
    });
    return reply;
}

template <typename Result>
std::optional<Result> JackControl::await(Reply<Result>& reply, Clock::time_point deadline,
                                         std::function<void(Result)> undo)
{
    std::unique_lock lock(mutex_);
    if (reply.taken)
        return std::nullopt;
    if (!heldUp_)
        replied_.wait_until(lock, deadline, [&] { return reply.value.has_value() || ended_; });
    if (reply.value) {
        reply.taken = true;
        return std::exchange(reply.value, std::nullopt);
    }
    giveUp();
    if (undo) {
        reply.taken = true;
        reply.undo = std::move(undo);
    }
    return std::nullopt;
}

template <typename Work, typename Undo>
auto JackControl::call(Work work, Clock::time_point deadline, Undo undo) -> std::optional<std::invoke_result_t<Work&>>
{
    using Result = std::invoke_result_t<Work&>;
    if (heldUp())
        return std::nullopt;
    auto reply = ask(std::move(work));
    return await<Result>(*reply, deadline, std::function<void(Result)>(std::move(undo)));
}

} // namespace kelmar
