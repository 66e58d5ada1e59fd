#include "app/ProgramEnd.h"

#include <unistd.h>

#include <cstdio>

#include "app/SystemMidi.h"

namespace kelmar {

int ProgramEnd::leaving(int status)
{
    status_ = status;
    watchdog_ = std::thread([this, status] {
        std::unique_lock lock(mutex_);
        if (!finished_.wait_for(lock, TeardownLimit, [this] { return done_; }))
            ::_exit(status);
    });
    return status;
}

ProgramEnd::~ProgramEnd()
{
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    finished_.notify_all();
    if (watchdog_.joinable())
        watchdog_.join();
    if (!SystemMidi::threadsLeftRunning())
        return;
    std::fflush(nullptr);
    ::_exit(status_);
}

} // namespace kelmar
