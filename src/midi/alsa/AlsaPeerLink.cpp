#include "midi/alsa/AlsaPeerLink.h"

#include <rtmidi/RtMidi.h>

#include <cctype>

namespace kelmar {

AlsaPeerLink::AlsaPeerLink(RtMidi& rtmidi, std::mutex& mutex, std::string peer, std::string ownPortName,
                           std::function<void()> lost)
    : rtmidi_(rtmidi)
    , rtmidiMutex_(mutex)
    , peer_(stableName(peer))
    , ownPortName_(std::move(ownPortName))
    , lost_(std::move(lost))
    , thread_([this] { run(); })
{
}

AlsaPeerLink::~AlsaPeerLink()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stop_.notify_one();
    thread_.join();
}

std::string AlsaPeerLink::stableName(const std::string& portName)
{
    const std::size_t space = portName.find_last_of(' ');
    if (space == std::string::npos)
        return portName;
    const std::string numbers = portName.substr(space + 1);
    const std::size_t colon = numbers.find(':');
    const auto digits = [](const std::string& text) {
        if (text.empty())
            return false;
        for (const char c : text)
            if (!std::isdigit(static_cast<unsigned char>(c)))
                return false;
        return true;
    };
    if (colon == std::string::npos || !digits(numbers.substr(0, colon)) || !digits(numbers.substr(colon + 1)))
        return portName;
    return portName.substr(0, space);
}

void AlsaPeerLink::run()
{
    std::unique_lock lock(mutex_);
    while (!stop_.wait_for(lock, Interval, [this] { return stopping_; })) {
        lock.unlock();
        check();
        lock.lock();
    }
}

// Lists the ports; on the peer's absence the link is lost (told once), on
// its return opened again. RtMidi throws only for what the sequencer
// refuses; that leaves the link as it was, to be tried at the next look.
void AlsaPeerLink::check()
{
    bool toldLost = false;
    {
        const std::lock_guard lock(rtmidiMutex_);
        try {
            int found = -1;
            const unsigned int count = rtmidi_.getPortCount();
            for (unsigned int i = 0; i < count && found < 0; ++i)
                if (stableName(rtmidi_.getPortName(i)) == peer_)
                    found = static_cast<int>(i);
            if (found < 0) {
                toldLost = linked_.exchange(false, std::memory_order_acq_rel);
            } else if (!linked()) {
                rtmidi_.closePort();
                rtmidi_.openPort(static_cast<unsigned int>(found), ownPortName_);
                linked_.store(rtmidi_.isPortOpen(), std::memory_order_release);
            }
        } catch (const RtMidiError&) {
        }
    }
    if (toldLost && lost_)
        lost_();
}

} // namespace kelmar
