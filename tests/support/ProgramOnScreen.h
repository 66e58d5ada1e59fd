#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QTemporaryDir>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "support/XDisplay.h"

namespace kelmar::test {

// Helpers for tests that drive the real program on an X display.

// Gives the programs this test starts `home` and `runtime` as their home
// and runtime folders, and the X display to show themselves on.
inline void useProgramHome(const QTemporaryDir& home, const QTemporaryDir& runtime)
{
    ::setenv("HOME", home.path().toLocal8Bit().constData(), 1);
    ::setenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit().constData(), 1);
    ::setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
}

// Starts the program, with `arguments`, as a client of the test's server,
// keeping its stderr.
inline JackServer::Peer& startProgram(JackServer& jack, std::vector<std::string> arguments = {})
{
    arguments.insert(arguments.begin(), KELMAR_PROGRAM);
    return jack.startPeer(arguments, {.captureErrors = true});
}

// What the program is doing, for a test that waited for it in vain: whether
// it still runs, its threads' stacks, and what it wrote to stderr.
inline std::string describeProgram(JackServer::Peer& program)
{
    std::string text = program.running() ? "the program runs; its threads:\n"
                                         : "the program has ended, exit code " + std::to_string(program.exitCode());
    if (program.running())
        text += runCommand("gdb -p " + std::to_string(program.pid())
                           + " -batch -ex 'thread apply all bt' 2>/dev/null | grep -E '^(Thread|#)'");
    return text + "\nits stderr:\n" + program.errors();
}

// The setup dialog's window once it shows; 0 (and a failure saying what the
// program is doing) if it does not.
inline unsigned long waitForSetupDialog(XDisplay& display, JackServer::Peer& program)
{
    const unsigned long dialog = display.waitForWindow("MIDI Setup");
    EXPECT_NE(dialog, 0u) << "the setup dialog did not appear; " << describeProgram(program);
    return dialog;
}

// Presses the setup dialog's Ok with the pointer (the place is the dialog's
// own, in pixels).
inline void pressOkInSetupDialog(XDisplay& display, unsigned long dialog)
{
    constexpr QPoint OkButton{367, 32};
    display.click(display.geometry(dialog).topLeft() + OkButton);
}

// Answers the real program's setup dialog as a person would: opens the
// output list with the pointer, types the start of a device's name, takes
// it with Return and presses Ok.
inline void chooseOutputInSetupDialog(XDisplay& display, unsigned long dialog, const std::string& typed)
{
    constexpr QPoint OutputList{240, 46};
    display.click(display.geometry(dialog).topLeft() + OutputList);
    display.type(typed);
    display.key("Return");
    pressOkInSetupDialog(display, dialog);
}

// The blue rectangle that holds the leftmost, then topmost, pure blue
// pixel on the screen: area 0's performance picture.
inline std::optional<QRect> findArea0Picture(const QImage& screen)
{
    auto blue = [&](int x, int y) {
        const QRgb pixel = screen.pixel(x, y);
        return qRed(pixel) == 0 && qGreen(pixel) == 0 && qBlue(pixel) == 255;
    };
    for (int x = 0; x < screen.width(); ++x) {
        for (int y = 0; y < screen.height(); ++y) {
            if (!blue(x, y))
                continue;
            int right = x;
            while (right + 1 < screen.width() && blue(right + 1, y))
                ++right;
            int bottom = y;
            while (bottom + 1 < screen.height() && blue(x, bottom + 1))
                ++bottom;
            return QRect(QPoint(x, y), QPoint(right, bottom));
        }
    }
    return std::nullopt;
}

} // namespace kelmar::test
