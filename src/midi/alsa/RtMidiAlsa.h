#pragma once

#include <rtmidi/RtMidi.h>

#include <memory>
#include <utility>

namespace kelmar {

// Builds an RtMidi object on the ALSA API only; null where there is no
// sequencer (RtMidi throws then instead of falling back).
template <typename T, typename... Args>
std::unique_ptr<T> makeAlsa(Args&&... args)
{
    try {
        return std::make_unique<T>(RtMidi::LINUX_ALSA, std::forward<Args>(args)...);
    } catch (const RtMidiError&) {
        return nullptr;
    }
}

} // namespace kelmar
