#include "support/XDisplay.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <thread>

namespace kelmar::test {

namespace {

bool socketExists(int number)
{
    return std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(number));
}

int freeDisplayNumber()
{
    for (int n = 100 + static_cast<int>(::getpid() % 200);; ++n) {
        if (!socketExists(n) && !std::filesystem::exists("/tmp/.X" + std::to_string(n) + "-lock"))
            return n;
    }
}

std::string xdotool(const std::string& arguments)
{
    return runCommand("xdotool " + arguments);
}

} // namespace

std::string runCommand(const std::string& command)
{
    std::string output;
    FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        return output;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    return ::pclose(pipe) == 0 ? output : std::string();
}

XDisplay::XDisplay()
{
    const int number = freeDisplayNumber();
    name_ = std::string(":").append(std::to_string(number));
    // -noreset: an X server resets whenever its last client leaves, and a
    // program connecting during the reset is refused. Every xdotool call is
    // such a client; a desktop's session keeps its server from resetting.
    server_ = std::make_unique<JackServer::Peer>(
        std::vector<std::string>{"Xvfb", name_, "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"}, PeerOptions{});
    for (int i = 0; i < 200 && !socketExists(number); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    ::setenv("DISPLAY", name_.c_str(), 1);
}

XDisplay::~XDisplay()
{
    if (server_)
        server_->stop();
}

unsigned long XDisplay::waitForWindow(const std::string& title, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        const std::string found = xdotool("search --onlyvisible --name '^" + title + "$'");
        if (!found.empty())
            return std::stoul(found);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return 0;
}

QRect XDisplay::geometry(unsigned long window)
{
    // Lines of the form KEY=VALUE: WINDOW, X, Y, WIDTH, HEIGHT, SCREEN.
    std::istringstream shell(xdotool("getwindowgeometry --shell " + std::to_string(window)));
    std::map<std::string, int> values;
    std::string line;
    while (std::getline(shell, line)) {
        const auto eq = line.find('=');
        if (eq != std::string::npos)
            values[line.substr(0, eq)] = std::atoi(line.c_str() + eq + 1);
    }
    return {values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]};
}

void XDisplay::focus(unsigned long window)
{
    xdotool("windowfocus --sync " + std::to_string(window));
}

void XDisplay::moveTo(QPoint at)
{
    xdotool("mousemove " + std::to_string(at.x()) + " " + std::to_string(at.y()));
}

void XDisplay::click(QPoint at, int button)
{
    moveTo(at);
    xdotool("click " + std::to_string(button));
}

void XDisplay::key(const std::string& keys)
{
    xdotool("key " + keys);
}

void XDisplay::type(const std::string& text)
{
    xdotool("type '" + text + "'");
}

QImage XDisplay::screenshot()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("screen.png");
    runCommand("import -window root " + file.toStdString());
    return QImage(file);
}

bool XDisplay::saveScreenshot(const QRect& region, const std::string& path)
{
    return screenshot().copy(region).save(QString::fromStdString(path));
}

} // namespace kelmar::test
