#include "support/JackServer.h"

#include <jack/jack.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/sem.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <thread>

extern char** environ;

namespace kelmar::test {

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto StartLimit = 10s;
constexpr auto StopLimit = 5s;
constexpr auto PollStep = 5ms;
constexpr auto ActivationGrace = 100ms;

template <typename Done>
bool pollUntil(Done done, Clock::duration limit)
{
    const auto deadline = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(PollStep);
    }
    return true;
}

// Full path of `program` found on PATH; empty when it is not there.
std::string findProgram(const std::string& program)
{
    const char* path = std::getenv("PATH");
    std::string_view dirs = path ? path : "/usr/bin:/bin";
    while (!dirs.empty()) {
        const auto colon = dirs.find(':');
        const auto candidate = std::filesystem::path(dirs.substr(0, colon)) / program;
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate.string();
        dirs = colon == std::string_view::npos ? std::string_view{} : dirs.substr(colon + 1);
    }
    return {};
}

// In the child between fork and exec: makes `fd` (or /dev/null) its `target`.
void redirect(int fd, int target, int nullMode)
{
    const int from = fd >= 0 ? fd : ::open("/dev/null", nullMode);
    if (from >= 0)
        ::dup2(from, target);
}

// Where a started program's standard streams go (-1: /dev/null), and a
// descriptor it keeps open until it ends (-1: none).
struct ChildFiles {
    int input = -1;
    int output = -1;
    int errors = -1;
    int kept = -1;
};

// Starts `argv`; -1 when it could not be started. The program gets SIGTERM
// should this process die first, so that no server or client outlives a
// crashed or timed-out test.
pid_t spawn(const std::vector<std::string>& argv, ChildFiles files)
{
    const std::string program = findProgram(argv.at(0));
    if (program.empty())
        return -1;
    std::vector<char*> args;
    for (const auto& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    // Child: only async-signal-safe calls from here on.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != parent)
        ::_exit(127);
    redirect(files.input, STDIN_FILENO, O_RDONLY);
    redirect(files.output, STDOUT_FILENO, O_WRONLY);
    redirect(files.errors, STDERR_FILENO, O_WRONLY);
    if (files.kept >= 0)
        ::fcntl(files.kept, F_SETFD, 0);
    ::execve(program.c_str(), args.data(), environ);
    ::_exit(127);
}

// jackd's messages go to the file KELMAR_JACKD_LOG names, if set (for
// looking into a failing test), else nowhere.
int openServerLog()
{
    const char* path = std::getenv("KELMAR_JACKD_LOG");
    return path && *path ? ::open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644) : -1;
}

// Appends what a non-blocking pipe holds now.
void readAvailable(int fd, std::string& text)
{
    std::array<char, 4096> chunk{};
    ssize_t n = 0;
    while (fd >= 0 && (n = ::read(fd, chunk.data(), chunk.size())) > 0)
        text.append(chunk.data(), static_cast<std::size_t>(n));
}

bool exited(pid_t pid, int* exitCode = nullptr)
{
    int status = 0;
    if (::waitpid(pid, &status, WNOHANG) != pid)
        return false;
    if (exitCode)
        *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return true;
}

// Sends `signal`, waits (bounded) for the end, kills if need be; reaps.
// False when it had to be killed.
bool terminate(pid_t pid, int signal)
{
    ::kill(pid, signal);
    if (pollUntil([pid] { return exited(pid); }, StopLimit))
        return signal != SIGKILL;
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return false;
}

// jackd servers of one user share state in /dev/shm: a metadata database
// that a server removes when it stops, even while another still uses it
// (which then dies of SIGBUS), and a table of at most eight servers. So
// only one test server runs at a time on the machine: each JackServer holds
// this lock, and so does its jackd, until it has ended.
constexpr auto LockLimit = 240s;

int lockServers()
{
    const std::string path = "/tmp/kelmar-jack-server-" + std::to_string(::getuid()) + ".lock";
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    if (pollUntil([fd] { return ::flock(fd, LOCK_EX | LOCK_NB) == 0; }, LockLimit))
        return fd;
    ::close(fd);
    return -1;
}

// A server name no other server has had: this process and this moment.
// (libjack keeps per-process state about a server; a later server under
// the same name in the same process does not always get along with it.)
std::string uniqueName()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
    return "kelmar-test-" + std::to_string(::getpid()) + "-" + std::to_string(micros % 1'000'000'000);
}

// JACK2's programs share locks that stay held when a program dies holding
// them, after which every JACK client and jackd waits for them forever:
// - the Berkeley DB environment of the metadata database in
//   /dev/shm/jack_db-<uid>, which jack_client_open opens (a client killed
//   inside it, e.g. in __env_ref_increment, leaves its mutex locked);
// - the System V semaphore 0x282929 guarding /dev/shm/jack-shm-registry,
//   which jackd takes with SEM_UNDO, so it stays held only when its creator
//   died before setting it up.
// Says what is held and how to repair it; empty when nothing is. A client
// that opens on a server that is not there yet (the probe, jack_lsp)
// passes only the database, and returns at once unless it is held.
constexpr key_t JackRegistrySemaphore = 0x282929;
constexpr auto LockProbeLimit = 5s;

std::string heldJackLocks()
{
    std::vector<std::string> held;
    const int semaphore = ::semget(JackRegistrySemaphore, 0, 0);
    if (semaphore >= 0 && !pollUntil([&] { return ::semctl(semaphore, 0, GETVAL) != 0; }, 1s))
        held.push_back("the semaphore guarding /dev/shm/jack-shm-registry (System V key 0x282929, see `ipcs -s`)");
    const pid_t probe = spawn({"jack_lsp"}, {});
    if (probe > 0 && !pollUntil([probe] { return exited(probe); }, LockProbeLimit)) {
        terminate(probe, SIGKILL);
        held.push_back("the metadata database in /dev/shm/jack_db-" + std::to_string(::getuid())
                       + " (a JACK client did not open within 5 s)");
    }
    if (held.empty())
        return {};
    std::string text = "JACK2's shared lock is held by a program that is gone: ";
    for (std::size_t i = 0; i < held.size(); ++i)
        text += (i > 0 ? "; " : "") + held[i];
    return text + ". Every JACK client and jackd would wait for it forever, so no server was started. "
                  "To repair, with no jackd or other JACK program running: rm -rf /dev/shm/jack_db-"
        + std::to_string(::getuid()) + " /dev/shm/jack-shm-registry; ipcrm -S 0x282929";
}

// The test PipeWire: the dummy JACK server's rate and period, fixed; a
// dummy driver that runs the graph without a sound card (JACK clients ask
// to be run even while nothing is linked to them); what JACK clients need
// (client nodes, links, metadata). No session manager, no D-Bus.
// PipeWire does not wait for a late client: the driver starts the next
// period on time, and what the late one was to pass on is lost. So the
// daemon's graph thread runs at real-time priority where the system
// allows it, as PipeWire's JACK library does for its clients' threads.
constexpr const char* PipeWireConfig = R"(context.properties = {
    core.daemon = true
    core.name = pipewire-0
    support.dbus = false
    default.clock.rate = 48000
    default.clock.allowed-rates = [ 48000 ]
    default.clock.quantum = 256
    default.clock.min-quantum = 256
    default.clock.max-quantum = 256
}
context.spa-libs = {
    support.* = support/libspa-support
}
context.modules = [
    { name = libpipewire-module-rt args = { rlimits.enabled = true rtportal.enabled = false rtkit.enabled = false }
      flags = [ ifexists nofail ] }
    { name = libpipewire-module-protocol-native }
    { name = libpipewire-module-metadata }
    { name = libpipewire-module-spa-node-factory }
    { name = libpipewire-module-client-node }
    { name = libpipewire-module-access }
    { name = libpipewire-module-link-factory }
]
context.objects = [
    { factory = metadata args = { metadata.name = default } }
    { factory = spa-node-factory
        args = {
            factory.name = support.node.driver
            node.name = Dummy-Driver
            node.group = pipewire.dummy
            priority.driver = 20000
        }
    }
]
)";
constexpr const char* PipeWireConfigFile = "kelmar-pipewire.conf";

// Where this process's libjack was loaded from.
std::string loadedLibjack()
{
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&jack_client_open), &info) == 0 || !info.dli_fname)
        return {};
    return info.dli_fname;
}

// A fresh runtime folder holding PipeWire's configuration, which this
// process and the programs it starts use from now on; empty, with
// `failure` set, when that cannot be.
std::string preparePipeWire(std::string& failure)
{
    const std::string libjack = loadedLibjack();
    if (libjack.find("pipewire") == std::string::npos) {
        failure = "KELMAR_TEST_SERVER=pipewire, but this program runs with " + libjack
            + ", not PipeWire's libjack; run it through pw-jack.";
        return {};
    }
    std::string dir = (std::filesystem::temp_directory_path() / "kelmar-pipewire-XXXXXX").string();
    if (!::mkdtemp(dir.data())) {
        failure = "could not make a runtime folder for PipeWire";
        return {};
    }
    std::ofstream(dir + "/" + PipeWireConfigFile) << PipeWireConfig;
    ::setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    ::unsetenv("PIPEWIRE_RUNTIME_DIR");
    ::unsetenv("PIPEWIRE_REMOTE");
    return dir;
}

void silently(const char*) {}

// libjack reports every failed attempt to reach a server on stderr; while
// polling a server that is still starting, those reports are only noise.
class QuietJackErrors {
public:
    QuietJackErrors() { jack_set_error_function(&silently); }
    ~QuietJackErrors() { jack_set_error_function(nullptr); }
    QuietJackErrors(const QuietJackErrors&) = delete;
    QuietJackErrors& operator=(const QuietJackErrors&) = delete;
};

// A client of the tests' own that only looks at the server.
class Probe {
public:
    Probe() : client_(jack_client_open("kelmar-probe", JackNoStartServer, nullptr)) {}
    ~Probe()
    {
        if (client_)
            jack_client_close(client_);
    }
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;
    jack_client_t* get() const { return client_; }

private:
    jack_client_t* client_;
};

} // namespace

ServerKind serverKind()
{
    const char* kind = std::getenv("KELMAR_TEST_SERVER");
    return kind && std::string_view(kind) == "pipewire" ? ServerKind::PipeWire : ServerKind::Jackd;
}

const char* serverKindName()
{
    return serverKind() == ServerKind::PipeWire ? "PipeWire" : "JACK2";
}

void pointAtNoServer()
{
    const std::string none = "kelmar-none-" + std::to_string(::getpid());
    ::setenv("JACK_DEFAULT_SERVER", none.c_str(), 1);
    if (serverKind() == ServerKind::PipeWire) { // PipeWire's socket lives in the runtime folder
        ::setenv("XDG_RUNTIME_DIR", (std::filesystem::temp_directory_path() / none).c_str(), 1);
        ::unsetenv("PIPEWIRE_RUNTIME_DIR");
        ::unsetenv("PIPEWIRE_REMOTE");
    }
}

JackServer::Peer::Peer(const std::vector<std::string>& argv, PeerOptions options)
    : endsWithInput_(options.endsWithInput)
{
    std::array<int, 2> input{-1, -1};
    std::array<int, 2> output{-1, -1};
    if (options.endsWithInput && ::pipe2(input.data(), O_CLOEXEC) != 0)
        return;
    if (options.captureOutput && ::pipe2(output.data(), O_CLOEXEC) != 0)
        output = {-1, -1};
    // stderr goes to an unnamed file: a pipe nobody reads could fill and
    // hold the program up.
    if (options.captureErrors)
        errorsFd_ = ::memfd_create("peer-stderr", MFD_CLOEXEC);
    pid_ = spawn(argv, {.input = input[0], .output = output[1], .errors = errorsFd_});
    for (const int childEnd : {input[0], output[1]})
        if (childEnd >= 0)
            ::close(childEnd);
    inputFd_ = input[1];
    outputFd_ = output[0];
    if (outputFd_ >= 0)
        ::fcntl(outputFd_, F_SETFL, O_NONBLOCK);
}

JackServer::Peer::~Peer()
{
    stop();
    for (const int fd : {outputFd_, errorsFd_})
        if (fd >= 0)
            ::close(fd);
}

bool JackServer::Peer::running()
{
    if (pid_ > 0 && !reaped_ && exited(pid_, &exitCode_))
        reaped_ = true;
    return pid_ > 0 && !reaped_;
}

int JackServer::Peer::exitCode()
{
    running();
    return exitCode_;
}

void JackServer::Peer::stop()
{
    // A program that dies without closing its JACK client holds up the
    // server's shutdown for seconds.
    if (inputFd_ >= 0)
        ::close(inputFd_);
    inputFd_ = -1;
    if (endsWithInput_ && pollUntil([this] { return !running(); }, StopLimit))
        return;
    reap(SIGINT);
}

void JackServer::Peer::reap(int signal)
{
    if (!running())
        return;
    terminate(pid_, signal);
    reaped_ = true;
}

const std::string& JackServer::Peer::output()
{
    readAvailable(outputFd_, output_);
    return output_;
}

const std::string& JackServer::Peer::errors()
{
    errors_.clear();
    std::array<char, 4096> chunk{};
    ssize_t n = 0;
    while (errorsFd_ >= 0 && (n = ::pread(errorsFd_, chunk.data(), chunk.size(), static_cast<off_t>(errors_.size()))) > 0)
        errors_.append(chunk.data(), static_cast<std::size_t>(n));
    return errors_;
}

JackServer::JackServer(Scheduling scheduling, int periodFrames, int clientTimeoutMs)
    : kind_(serverKind())
    , scheduling_(scheduling)
    , periodFrames_(periodFrames)
    , clientTimeoutMs_(clientTimeoutMs)
    , name_(uniqueName())
{
    if (kind_ == ServerKind::PipeWire) {
        runtimeDir_ = preparePipeWire(failure_);
    } else {
        lockFd_ = lockServers();
        ::setenv("JACK_DEFAULT_SERVER", name_.c_str(), 1);
    }
    start();
}

JackServer::~JackServer()
{
    stop();
    if (lockFd_ >= 0)
        ::close(lockFd_);
    if (!runtimeDir_.empty()) {
        std::error_code error;
        std::filesystem::remove_all(runtimeDir_, error);
    }
}

bool JackServer::start()
{
    if (running())
        return true;
    const int log = openServerLog();
    const pid_t pid = kind_ == ServerKind::PipeWire ? spawnPipeWire(log) : spawnJackd(log);
    if (log >= 0)
        ::close(log);
    if (pid <= 0) {
        if (!failure_.empty())
            std::fprintf(stderr, "%s\n", failure_.c_str());
        return false;
    }
    bool gone = false;
    const bool up = pollUntil([&] { return (gone = exited(pid)) || answers(); }, StartLimit);
    if (!up || gone) {
        if (!gone)
            terminate(pid, SIGKILL);
        failure_ = std::string(serverKindName()) + (gone ? " ended at its start" : " did not answer in time");
        return false;
    }
    failure_.clear();
    pid_ = pid;
    return true;
}

pid_t JackServer::spawnJackd(int log)
{
    if (lockFd_ < 0) {
        failure_ = "another test's jackd kept the machine-wide lock too long";
        return -1;
    }
    failure_ = heldJackLocks();
    if (!failure_.empty())
        return -1;
    const std::string rate = std::to_string(SampleRate);
    const std::string frames = std::to_string(periodFrames_);
    // Synchronous mode with a generous client timeout: on a loaded machine
    // jackd's asynchronous mode can, after an overrun, stop running a
    // client altogether.
    std::vector<std::string> argv = {"jackd", "-n", name_, "-r"};
    if (scheduling_ == Scheduling::Realtime)
        argv = {"jackd", "-n", name_, "-R", "-P", "70"};
    argv.insert(argv.end(), {"-S", "-t", std::to_string(clientTimeoutMs_), "-d", "dummy", "-r", rate, "-p", frames});
    return spawn(argv, {.output = log, .errors = log, .kept = lockFd_});
}

pid_t JackServer::spawnPipeWire(int log)
{
    if (runtimeDir_.empty())
        return -1; // failure_ says why
    return spawn({"pipewire", "-c", runtimeDir_ + "/" + PipeWireConfigFile}, {.output = log, .errors = log});
}

void JackServer::stop()
{
    stopPeers();
    if (running())
        halt(SIGTERM);
    if (stale_ && start()) // once: a clean stop now removes the stale entry
        halt(SIGTERM);
}

void JackServer::crash()
{
    if (running())
        halt(SIGKILL);
    stopPeers();
}

void JackServer::halt(int signal)
{
    // jackd keeps a machine-wide table of at most eight running servers; one
    // that was killed stays in it until a server of the same name starts.
    stale_ = !terminate(pid_, signal) && kind_ == ServerKind::Jackd;
    pid_ = -1;
    if (kind_ == ServerKind::Jackd)
        removeLeftovers();
}

JackServer::Peer& JackServer::startPeer(const std::vector<std::string>& argv, PeerOptions options)
{
    peers_.push_back(std::make_unique<Peer>(argv, options));
    return *peers_.back();
}

bool JackServer::waitForPort(const std::string& port, std::chrono::milliseconds limit) const
{
    if (!pollUntil([&] { return portExists(port); }, limit))
        return false;
    // A client registers its ports before it activates, and JACK2 refuses to
    // connect the ports of a client that is not active yet; there is no call
    // that tells, so give it some periods (more than enough on a loaded machine).
    std::this_thread::sleep_for(ActivationGrace);
    return true;
}

bool JackServer::waitForPortGone(const std::string& port, std::chrono::milliseconds limit) const
{
    return pollUntil([&] { return !portExists(port); }, limit);
}

void JackServer::suspend()
{
    if (running())
        ::kill(pid_, SIGSTOP);
}

void JackServer::resume()
{
    if (running())
        ::kill(pid_, SIGCONT);
}

bool JackServer::answers() const
{
    const QuietJackErrors quiet;
    return Probe().get() != nullptr;
}

bool JackServer::portExists(const std::string& port) const
{
    const Probe probe;
    return probe.get() && jack_port_by_name(probe.get(), port.c_str()) != nullptr;
}

void JackServer::stopPeers()
{
    // Last started, first stopped.
    while (!peers_.empty())
        peers_.pop_back();
}

void JackServer::removeLeftovers() const
{
    // A killed jackd leaves its semaphores and shared memory segments behind
    // in /dev/shm, named after the server, as do clients that outlive it.
    const std::string semaphores = "jack_sem." + std::to_string(::getuid()) + "_" + name_ + "_";
    const std::string segments = "jack_" + name_ + "_";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/shm", error)) {
        const std::string file = entry.path().filename().string();
        if (file.starts_with(semaphores) || file.starts_with(segments))
            std::filesystem::remove(entry.path(), error);
    }
}

} // namespace kelmar::test
