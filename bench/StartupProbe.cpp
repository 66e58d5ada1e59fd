// Measures the program's start as a user sees it: the time from exec to the
// MIDI setup dialog being mapped on the X display, then, after Ok, the
// resident memory (anonymous + file pages; shared memory such as JACK's
// segment left out) and the CPU time used while idle for five seconds.
// Also printed: the CPU time the program used until the dialog was on screen
// (all threads, and its main thread alone), which varies less than the
// time itself on a busy machine.
// Usage: kelmar_startup_probe PROGRAM [RUNS [PEER TITLE]]   (DISPLAY must name an X server)
// With PEER, each run also starts PEER (another JACK client, such as
// jack-keyboard) right after, measured the same way to its first window
// called TITLE (no dialog to answer), and the ratios of the medians are
// printed: the program's time, memory and idle CPU over the peer's.
// KELMAR_PROBE_THREADS=1 also prints each thread's CPU time until the dialog
// shows and while idle;
// KELMAR_PROBE_VERBOSE=1 lets the program's own messages through to stderr;
// KELMAR_PROBE_STACKS=1 prints the program's stacks if the dialog never shows.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double dialogMs = -1;
    long anonKb = 0;
    long fileKb = 0;
    double startCpuMs = 0;     // CPU time of all threads until the dialog is on screen
    double startMainCpuMs = 0; // the same, main thread only
    double idleCpuMs = 0;      // summed over the threads, to the nanosecond
    double idleTicksMs = 0;    // the whole process, in clock ticks (10 ms)
    std::map<std::string, double> threadCpuMs; // idle CPU per thread name
    std::map<std::string, double> startThreadCpuMs; // CPU per thread until the dialog is on screen
    long residentKb() const { return anonKb + fileKb; }
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

// utime + stime of a process or thread from its stat file.
double cpuMsOf(const std::string& statPath)
{
    std::ifstream stat(statPath);
    std::string content((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    if (content.rfind(')') == std::string::npos)
        return 0;
    std::istringstream fields(content.substr(content.rfind(')') + 2));
    std::string skip;
    for (int i = 0; i < 11; ++i) // state .. cmajflt
        fields >> skip;
    long utime = 0;
    long stime = 0;
    fields >> utime >> stime;
    return 1000.0 * static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double cpuMs(pid_t pid)
{
    return cpuMsOf("/proc/" + std::to_string(pid) + "/stat");
}

// CPU time of every thread, keyed by "name/tid", to the nanosecond (the
// first field of schedstat) rather than in clock ticks.
std::map<std::string, double> threadCpuMs(pid_t pid)
{
    std::map<std::string, double> threads;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream commFile(task.path() / "comm");
        std::string name;
        std::getline(commFile, name);
        std::ifstream schedstat(task.path() / "schedstat");
        double ns = 0;
        schedstat >> ns;
        threads[name + "/" + task.path().filename().string()] = ns / 1e6;
    }
    return threads;
}

// What a start waits for: the first window called `title`; for the
// program, its setup dialog, which is answered with Ok to reach the window.
struct Target {
    const char* program;
    std::string title;
    bool answersDialog;
};

Sample measure(const Target& target, bool quietProgram)
{
    const char* program = target.program;
    Sample sample;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the X display %s\n", std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "(unset)");
        return sample;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (quietProgram) {
            const int null = open("/dev/null", O_WRONLY);
            if (null >= 0)
                dup2(null, STDERR_FILENO);
        }
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    const Window dialog = waitForMappedWindow(display, target.title, std::chrono::seconds(10));
    if (dialog) {
        sample.dialogMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        const std::string mainThread = std::string("/").append(std::to_string(pid));
        sample.startThreadCpuMs = threadCpuMs(pid);
        for (const auto& [thread, ms] : sample.startThreadCpuMs) {
            sample.startCpuMs += ms;
            if (thread.ends_with(mainThread))
                sample.startMainCpuMs = ms;
        }
        std::this_thread::sleep_for(std::chrono::seconds(1));
        // The key press closes the dialog, so xdotool's key release meets a
        // window that is gone and it reports failure; the main window being
        // mapped is what shows that Ok took effect.
        const std::string ok = "xdotool key --window " + std::to_string(dialog) + " Return 2>/dev/null";
        if (target.answersDialog
            && (std::system(ok.c_str()) == -1 || !waitForMappedWindow(display, "Kelmar", std::chrono::seconds(5))))
            std::fprintf(stderr, "the main window did not appear after Ok\n");
        std::this_thread::sleep_for(std::chrono::seconds(1));
        sample.anonKb = statusKb(pid, "RssAnon");
        sample.fileKb = statusKb(pid, "RssFile");
        const double before = cpuMs(pid);
        const auto threadsBefore = threadCpuMs(pid);
        std::this_thread::sleep_for(std::chrono::seconds(5));
        sample.idleTicksMs = cpuMs(pid) - before;
        for (const auto& [thread, ms] : threadCpuMs(pid)) {
            const auto earlier = threadsBefore.find(thread);
            sample.threadCpuMs[thread] = ms - (earlier == threadsBefore.end() ? 0 : earlier->second);
            sample.idleCpuMs += sample.threadCpuMs[thread];
        }
    }
    if (!dialog && std::getenv("KELMAR_PROBE_STACKS")) {
        const std::string stacks = "gdb -p " + std::to_string(pid) + " -batch -ex 'thread apply all bt' >&2";
        if (std::system(stacks.c_str()) != 0)
            std::fprintf(stderr, "could not list the program's threads\n");
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

struct Medians {
    double dialog = 0, startCpu = 0, startMainCpu = 0, resident = 0, anon = 0, file = 0, idle = 0;
};

class Runs {
public:
    void add(const Sample& s)
    {
        dialog_.push_back(s.dialogMs);
        startCpu_.push_back(s.startCpuMs);
        startMainCpu_.push_back(s.startMainCpuMs);
        resident_.push_back(static_cast<double>(s.residentKb()) / 1024.0);
        anon_.push_back(static_cast<double>(s.anonKb) / 1024.0);
        file_.push_back(static_cast<double>(s.fileKb) / 1024.0);
        idle_.push_back(s.idleCpuMs);
    }
    Medians medians() const
    {
        return {median(dialog_), median(startCpu_), median(startMainCpu_), median(resident_),
                median(anon_),   median(file_),     median(idle_)};
    }

private:
    std::vector<double> dialog_, startCpu_, startMainCpu_, resident_, anon_, file_, idle_;
};

void print(const char* what, int run, const Sample& s, bool perThread)
{
    std::printf("%s run %d: window on screen %.1f ms (CPU %.1f ms, main thread %.1f ms), resident %.1f MB (anon %.1f, "
                "file %.1f), idle CPU %.1f ms / 5 s (%.0f in ticks)\n",
                what, run, s.dialogMs, s.startCpuMs, s.startMainCpuMs, static_cast<double>(s.residentKb()) / 1024.0,
                static_cast<double>(s.anonKb) / 1024.0, static_cast<double>(s.fileKb) / 1024.0, s.idleCpuMs,
                s.idleTicksMs);
    if (perThread) {
        for (const auto& [thread, ms] : s.threadCpuMs) {
            const auto start = s.startThreadCpuMs.find(thread);
            std::printf("    thread %-28s start %6.1f ms, idle %6.1f ms\n", thread.c_str(),
                        start == s.startThreadCpuMs.end() ? 0.0 : start->second, ms);
        }
    }
}

void printMedians(const char* what, int runs, const Medians& m)
{
    std::printf("%s median of %d: window on screen %.1f ms (CPU %.1f ms, main thread %.1f ms), resident %.1f MB"
                " (anon %.1f, file %.1f), idle CPU %.1f ms / 5 s\n",
                what, runs, m.dialog, m.startCpu, m.startMainCpu, m.resident, m.anon, m.file, m.idle);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2 || argc == 4) {
        std::fprintf(stderr, "usage: %s PROGRAM [RUNS [PEER TITLE]]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
    XSetErrorHandler(ignoreXErrors);
    // KELMAR_PROBE_THREADS=1 also lists each thread's CPU time at start and idle.
    const char* listThreads = std::getenv("KELMAR_PROBE_THREADS");
    const bool perThread = listThreads && std::string(listThreads) == "1";
    // KELMAR_PROBE_VERBOSE=1 lets the program's messages through to stderr.
    const char* verboseSetting = std::getenv("KELMAR_PROBE_VERBOSE");
    const bool verbose = verboseSetting && std::string(verboseSetting) == "1";
    const Target program{argv[1], "MIDI Setup", true};
    const bool withPeer = argc > 4;
    const Target peer{withPeer ? argv[3] : "", withPeer ? argv[4] : "", false};
    Runs ours;
    Runs theirs;
    for (int i = 0; i < runs; ++i) {
        const Sample s = measure(program, !verbose);
        if (s.dialogMs < 0) {
            std::fprintf(stderr, "run %d: the setup dialog did not appear\n", i + 1);
            return 1;
        }
        print("kelmar", i + 1, s, perThread);
        ours.add(s);
        if (!withPeer)
            continue;
        const Sample p = measure(peer, !verbose);
        if (p.dialogMs < 0) {
            std::fprintf(stderr, "run %d: %s showed no window \"%s\"\n", i + 1, peer.program, peer.title.c_str());
            return 1;
        }
        print(peer.title.c_str(), i + 1, p, perThread);
        theirs.add(p);
    }
    const Medians m = ours.medians();
    printMedians("kelmar", runs, m);
    if (!withPeer)
        return 0;
    const Medians q = theirs.medians();
    printMedians(peer.title.c_str(), runs, q);
    std::printf("kelmar / %s: start-up %.2f x, resident memory %.2f x, idle CPU %.2f x\n", peer.title.c_str(),
                m.dialog / q.dialog, m.resident / q.resident, q.idle > 0 ? m.idle / q.idle : 0.0);
    return 0;
}
