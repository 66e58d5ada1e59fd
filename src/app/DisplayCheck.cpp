#include "app/DisplayCheck.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

#include "app/Translation.h"

namespace kelmar {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The platforms Qt will try, as the user named them; empty when Qt chooses.
std::string requestedPlatforms(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-platform" || arg == "--platform")
            return argv[i + 1];
    }
    return environment("QT_QPA_PLATFORM");
}

// Qt goes to the X display unless it is told otherwise or a Wayland
// session asks it to try Wayland first.
bool usesX(const std::string& platforms)
{
    if (!platforms.empty())
        return platforms == "xcb" || platforms.starts_with("xcb:");
    return environment("WAYLAND_DISPLAY").empty() && environment("XDG_SESSION_TYPE") != "wayland";
}

} // namespace

std::string DisplayCheck::problem(int argc, char** argv, const Translation& translation)
{
    const auto text = [&translation](const char* source) { return translation.text("kelmar::DisplayCheck", source); };
    if (!usesX(requestedPlatforms(argc, argv)))
        return {};
    const std::string display = environment("DISPLAY");
    if (display.empty())
        return text(QT_TRANSLATE_NOOP("kelmar::DisplayCheck", "kelmar: no display to show the window on (DISPLAY is "
                                                            "not set); start Kelmar on a graphical desktop."))
            .toStdString();
    release();
    connection_ = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(connection_) == 0)
        return {};
    release();
    return text(QT_TRANSLATE_NOOP("kelmar::DisplayCheck", "kelmar: cannot open the display \"%1\" (no X server answers "
                                                        "there); start Kelmar on a graphical desktop."))
        .arg(QString::fromStdString(display))
        .toStdString();
}

void DisplayCheck::release()
{
    if (connection_)
        xcb_disconnect(connection_);
    connection_ = nullptr;
}

} // namespace kelmar
