#include "midi/PortError.h"

namespace kelmar {

bool isPortWarning(int code)
{
    return code == PortErrorNone || code == PortErrorOverflow;
}

std::string portErrorText(int code, const std::string& deviceName)
{
    // The subject of the sentences that name the device: "The MIDI input" alone
    // when the port has no device name.
    const std::string input = deviceName.empty() ? std::string("The MIDI input") : "The MIDI input \"" + deviceName + "\"";
    switch (code) {
    case PortErrorNone:
        return "No error.";
    case PortErrorOpenFailed:
        return input + " could not be opened.";
    case PortErrorDeviceLost:
        return input + " is no longer there; no MIDI comes in from it while it is gone.";
    case PortErrorServerGone:
        return "The JACK server has shut down; MIDI input and output through JACK have stopped.";
    case PortErrorOverflow:
        return "Incoming MIDI arrived faster than it could be handled; some messages were dropped.";
    default:
        return input + " reported error " + std::to_string(code) + ".";
    }
}

} // namespace kelmar
