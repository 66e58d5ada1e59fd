// Measures the program's start as a user sees it: the time from exec to the
// MIDI setup dialog being mapped on the X display, then, after Ok, the
// resident memory (anonymous + file pages; shared memory such as JACK's
// segment left out) and the CPU time used while idle for five seconds.
// Usage: kelmar_startup_probe PROGRAM [RUNS]   (DISPLAY must name an X server)
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double dialogMs = -1;
    long residentKb = 0;
    double idleCpuMs = 0;
};

// Windows may be gone by the time their name is asked; that is no error here.
int ignoreXErrors(Display*, XErrorEvent*)
{
    return 0;
}

std::string windowName(Display* display, Window window)
{
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return {};
    std::string result(name);
    XFree(name);
    return result;
}

// Waits for a window called `title` to be mapped anywhere on the display.
Window waitForMappedWindow(Display* display, const std::string& title, std::chrono::seconds limit)
{
    const auto deadline = Clock::now() + limit;
    while (Clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && windowName(display, event.xmap.window) == title)
                return event.xmap.window;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return 0;
}

long statusKb(pid_t pid, const std::string& field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    }
    return 0;
}

double cpuMs(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string content((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(content.substr(content.rfind(')') + 2));
    std::string skip;
    for (int i = 0; i < 11; ++i) // state .. cmajflt
        fields >> skip;
    long utime = 0;
    long stime = 0;
    fields >> utime >> stime;
    return 1000.0 * static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

Sample measure(const char* program)
{
    Sample sample;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return sample;
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    const Window dialog = waitForMappedWindow(display, "MIDI Setup", std::chrono::seconds(10));
    if (dialog) {
        sample.dialogMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        std::this_thread::sleep_for(std::chrono::seconds(1));
        const std::string ok = "xdotool key --window " + std::to_string(dialog) + " Return";
        if (std::system(ok.c_str()) == 0)
            waitForMappedWindow(display, "Kelmar", std::chrono::seconds(5));
        std::this_thread::sleep_for(std::chrono::seconds(1));
        sample.residentKb = statusKb(pid, "RssAnon") + statusKb(pid, "RssFile");
        const double before = cpuMs(pid);
        std::this_thread::sleep_for(std::chrono::seconds(5));
        sample.idleCpuMs = cpuMs(pid) - before;
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    return sample;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
    XSetErrorHandler(ignoreXErrors);
    std::vector<double> dialog, resident, idle;
    for (int i = 0; i < runs; ++i) {
        const Sample s = measure(argv[1]);
        if (s.dialogMs < 0) {
            std::fprintf(stderr, "run %d: the setup dialog did not appear\n", i + 1);
            return 1;
        }
        std::printf("run %d: dialog on screen %.1f ms, resident %.1f MB, idle CPU %.1f ms / 5 s\n", i + 1,
                    s.dialogMs, s.residentKb / 1024.0, s.idleCpuMs);
        dialog.push_back(s.dialogMs);
        resident.push_back(static_cast<double>(s.residentKb) / 1024.0);
        idle.push_back(s.idleCpuMs);
    }
    std::printf("median of %d: dialog on screen %.1f ms, resident %.1f MB, idle CPU %.1f ms / 5 s\n", runs,
                median(dialog), median(resident), median(idle));
    return 0;
}
