#pragma once

#include <string>

namespace kelmar {

// Codes that the input port's PortError event carries.
enum PortErrorCode : int {
    PortErrorNone = 0,          // informational, never shown
    PortErrorOpenFailed = 1,    // the device could not be opened
    PortErrorDeviceLost = 2,    // the device went away while open
    PortErrorServerGone = 3,    // the MIDI server (JACK) shut down
    PortErrorOverflow = 8,      // incoming messages came faster than they were handled; warning, never shown
};

// Warnings are reported but not shown to the user.
bool isPortWarning(int code);

// Readable text for a code, as whole sentences, naming the device where
// there is one (deviceName may be empty).
std::string portErrorText(int code, const std::string& deviceName);

} // namespace kelmar
