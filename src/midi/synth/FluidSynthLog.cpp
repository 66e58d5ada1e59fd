#include "midi/synth/FluidSynthLog.h"

#include <fluidsynth.h>

#include <cstdio>
#include <utility>

#include "midi/synth/FluidSynthLibrary.h"

namespace kelmar {

namespace {

void setLogFunction(fluid_log_function_t function, void* data)
{
    for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
        FluidSynthLibrary::inUse().fluid_set_log_function(level, function, data);
}

} // namespace

void FluidSynthLog::catchMessages()
{
    setLogFunction(&FluidSynthLog::keep, this);
}

void FluidSynthLog::releaseMessages()
{
    setLogFunction(&FluidSynthLog::logToStandardError, nullptr);
}

std::string FluidSynthLog::takeLogged()
{
    const std::lock_guard lock(mutex_);
    return std::exchange(logged_, {});
}

void FluidSynthLog::noteProblem(std::string problem)
{
    std::fprintf(stderr, "kelmar: %s\n", problem.c_str());
    const std::lock_guard lock(mutex_);
    lastError_ = std::move(problem);
}

void FluidSynthLog::noteFailure(std::string problem)
{
    {
        const std::lock_guard lock(mutex_);
        failure_ = problem;
    }
    failed_.store(true, std::memory_order_release);
    noteProblem(std::move(problem));
}

std::string FluidSynthLog::lastError() const
{
    const std::lock_guard lock(mutex_);
    return lastError_;
}

std::string FluidSynthLog::failure() const
{
    const std::lock_guard lock(mutex_);
    return failure_;
}

void FluidSynthLog::logToStandardError(int level, const char* message, void*)
{
    if (level <= FLUID_ERR)
        std::fprintf(stderr, "fluidsynth: %s\n", message);
}

void FluidSynthLog::keep(int level, const char* message, void* data)
{
    if (level > FLUID_ERR)
        return;
    auto* log = static_cast<FluidSynthLog*>(data);
    const std::lock_guard lock(log->mutex_);
    log->logged_ = message;
}

} // namespace kelmar
