#pragma once

#include <atomic>
#include <mutex>
#include <string>

namespace kelmar {

// FluidSynth's log and the engine's own problems. While the engine starts,
// FluidSynth's errors are caught here (the last one kept, for the report on
// what failed), so that failed attempts stay quiet; outside the start-up
// only its errors reach the terminal. FluidSynth has one log for the whole
// process, so one engine at a time catches it. Safe to use from any thread.
class FluidSynthLog {
public:
    FluidSynthLog() = default;
    FluidSynthLog(const FluidSynthLog&) = delete;
    FluidSynthLog& operator=(const FluidSynthLog&) = delete;

    // From now on FluidSynth's errors are kept here; its other messages dropped.
    void catchMessages();
    // From now on FluidSynth's errors go to standard error; its warnings and
    // information (missing instruments, memory locking, ...) are chatter.
    static void releaseMessages();
    // The error FluidSynth logged last since the previous take ("" if none).
    std::string takeLogged();

    // A problem met while starting, told on standard error and kept.
    void noteProblem(std::string problem);
    // A problem that leaves the engine unable to play.
    void noteFailure(std::string problem);

    std::string lastError() const;
    std::string failure() const;
    bool hasFailed() const { return failed_.load(std::memory_order_acquire); }

private:
    static void logToStandardError(int level, const char* message, void* data);
    static void keep(int level, const char* message, void* data);

    mutable std::mutex mutex_;
    std::string logged_;
    std::string lastError_;
    std::string failure_;
    std::atomic<bool> failed_{false}; // failure_ is set
};

} // namespace kelmar
