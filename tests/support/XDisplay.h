#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <chrono>
#include <memory>
#include <string>

#include "support/JackServer.h"

namespace kelmar::test {

// A virtual X display (Xvfb) of the tests' own, driven with xdotool as a
// person would drive a real one: pointer moves and clicks, keys, windows
// found by their titles, and screenshots.
class XDisplay {
public:
    // Starts Xvfb on a free display number and makes DISPLAY name it.
    XDisplay();
    ~XDisplay();
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    bool running() const { return server_ && server_->pid() > 0; }
    const std::string& name() const { return name_; }

    // The id of the visible window whose title is exactly `title`, once it
    // is there; 0 if it does not appear in time.
    unsigned long waitForWindow(const std::string& title, std::chrono::milliseconds limit = std::chrono::seconds(10));
    QRect geometry(unsigned long window);
    void focus(unsigned long window);

    void moveTo(QPoint at);
    void click(QPoint at, int button = 1);
    // xdotool key names, e.g. "alt+f", "Return".
    void key(const std::string& keys);
    void type(const std::string& text);

    QImage screenshot();
    // Saves the region to a PNG file (for the documentation).
    bool saveScreenshot(const QRect& region, const std::string& path);

private:
    std::string name_;
    std::unique_ptr<JackServer::Peer> server_;
};

// Runs a shell command; its standard output, or "" if it failed.
std::string runCommand(const std::string& command);

} // namespace kelmar::test
