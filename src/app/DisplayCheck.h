#pragma once

#include <string>

namespace kelmar {

// Whether the program can show its windows, decided before anything else
// starts: without a display Qt aborts the program, and an abort while the
// JACK client is being opened can leave JACK's shared lock held for every
// JACK program of the user.
//
// Only the X display is checked here, by connecting to it; where Qt is
// told to use another platform (QT_QPA_PLATFORM or -platform naming
// wayland, offscreen, ...) or a Wayland session is running, Qt decides.
class DisplayCheck {
public:
    // Empty when a display can be reached, else a one-line reason for the
    // user. `argc`/`argv` are the program's arguments (for -platform).
    static std::string problem(int argc, char** argv);
};

} // namespace kelmar
