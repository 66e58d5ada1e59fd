#include "midi/MidiInputQueue.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include "midi/PortError.h"

namespace kelmar {

MidiInputQueue::MidiInputQueue()
    : wakeFd_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
{
}

MidiInputQueue::~MidiInputQueue()
{
    if (wakeFd_ >= 0)
        ::close(wakeFd_);
}

void MidiInputQueue::pushEvent(std::span<const std::uint8_t> bytes) noexcept
{
    if (!accepting_.load(std::memory_order_acquire))
        return;
    bool queued = false;
    bool overflow = false;
    splitIncoming(bytes, [&](const InputMessage& m) {
        if (ring_.push(m))
            queued = true;
        else
            overflow = true;
    });
    if (overflow)
        errors_.fetch_or(1u << PortErrorOverflow);
    if (queued || overflow)
        wake();
}

void MidiInputQueue::reportError(int code) noexcept
{
    if (code < 0 || code >= 32)
        return;
    errors_.fetch_or(1u << code);
    wake();
}

void MidiInputQueue::clear() noexcept
{
    while (ring_.front())
        ring_.pop();
}

void MidiInputQueue::acknowledgeWake() noexcept
{
    std::uint64_t count = 0;
    if (wakeFd_ >= 0)
        [[maybe_unused]] auto n = ::read(wakeFd_, &count, sizeof count);
    wakePending_.store(false, std::memory_order_release);
}

std::uint32_t MidiInputQueue::takeErrors() noexcept
{
    return errors_.exchange(0);
}

void MidiInputQueue::wake() noexcept
{
    if (wakePending_.exchange(true, std::memory_order_acq_rel))
        return;
    const std::uint64_t one = 1;
    if (wakeFd_ >= 0)
        [[maybe_unused]] auto n = ::write(wakeFd_, &one, sizeof one);
}

} // namespace kelmar
