#pragma once

#include <string>

struct xcb_connection_t;

namespace kelmar {

class Translation;

// Whether the program can show its windows, decided before anything else
// starts: without a display Qt aborts the program, and an abort while the
// JACK client is being opened can leave JACK's shared lock held for every
// JACK program of the user.
//
// Only the X display is checked here, by connecting to it; where Qt is
// told to use another platform (QT_QPA_PLATFORM or -platform naming
// wayland, offscreen, ...) or a Wayland session is running, Qt decides.
//
// The connection made for the check stays open until release(): an X
// server without clients resets itself, and a reset between the check and
// Qt's own connection makes that one fail.
class DisplayCheck {
public:
    DisplayCheck() = default;
    ~DisplayCheck() { release(); }
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    // Empty when a display can be reached, else a one-line reason for the
    // user in the language of `translation`. `argc`/`argv` are the
    // program's arguments (for -platform).
    std::string problem(int argc, char** argv, const Translation& translation);
    // Closes the check's connection (once Qt has its own).
    void release();

private:
    xcb_connection_t* connection_ = nullptr;
};

} // namespace kelmar
