#pragma once

#include <QGuiApplication>
#include <QWidget>

namespace kelmar {

// Whether the window system lets a program place and raise its windows:
// X11 does; Wayland leaves both to the compositor (and Qt warns about each
// request), so there the program asks for neither.
inline bool windowsArePlaced()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Shows `window` in front of the others where the window system lets the
// program ask for it.
inline void bringToFront(QWidget* window)
{
    if (!windowsArePlaced())
        return;
    window->raise();
    window->activateWindow();
}

} // namespace kelmar
