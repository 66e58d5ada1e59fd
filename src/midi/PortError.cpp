#include "midi/PortError.h"

namespace kelmar {

bool isPortWarning(int code)
{
    return code == PortErrorNone || code == PortErrorOverflow;
}

std::string portErrorText(int code, const std::string& deviceName)
{
    const std::string device = deviceName.empty() ? std::string("the MIDI input") : "\"" + deviceName + "\"";
    switch (code) {
    case PortErrorNone:
        return "No error.";
    case PortErrorOpenFailed:
        return "The MIDI input " + device + " could not be opened.";
    case PortErrorDeviceLost:
        return "The MIDI input " + device + " is no longer there; no more MIDI comes in from it.";
    case PortErrorServerGone:
        return "The JACK server has shut down; MIDI input and output through JACK have stopped.";
    case PortErrorOverflow:
        return "Incoming MIDI arrived faster than it could be handled; some messages were dropped.";
    default:
        return "MIDI input error " + std::to_string(code) + ".";
    }
}

} // namespace kelmar
