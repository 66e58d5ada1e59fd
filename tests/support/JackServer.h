#pragma once

#include <sys/types.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace kelmar::test {

// How JackServer runs an external client program.
struct PeerOptions {
    // Keep what it writes to stdout (else it is discarded).
    bool captureOutput = false;
    // Keep what it writes to stderr, for saying why it failed (else discarded).
    bool captureErrors = false;
    // It ends cleanly when its input ends (fluidsynth's shell), not on
    // SIGINT (JACK's example clients). Its stdin stays open until stopped.
    bool endsWithInput = false;
};

// The server the JACK tests run against: JACK2's jackd, or PipeWire when
// KELMAR_TEST_SERVER=pipewire. For PipeWire the test program itself must
// run with PipeWire's libjack (as `pw-jack` runs it), so that its own
// clients reach PipeWire too; JackServer fails to start when it does not.
enum class ServerKind { Jackd, PipeWire };
ServerKind serverKind();
// "JACK2" or "PipeWire", for messages and benchmark labels.
const char* serverKindName();
// Points this process's JACK clients, and the programs it starts, at no
// server at all.
void pointAtNoServer();

// A JACK server of the tests' own, 48 kHz with 256-frame periods:
// - JACK2: jackd with the dummy driver (no real-time scheduling,
//   synchronous mode) under a name of its own, which this process's JACK
//   clients and the programs it starts reach through JACK_DEFAULT_SERVER.
//   Before it starts jackd it checks that no JACK program killed at the
//   wrong moment left JACK's shared lock held (every client and jackd
//   would hang); if one did, it does not start and failure() says what to
//   remove.
// - PipeWire: a `pipewire` daemon with a private configuration (a dummy
//   driver runs the graph; no session manager, no D-Bus) in a fresh
//   XDG_RUNTIME_DIR of its own, which this process and the programs it
//   starts use from then on.
// It also runs the external client programs a test needs (jack_midi_dump,
// fluidsynth, ...). The destructor stops those programs first, then the
// server. The server's messages are discarded unless KELMAR_JACKD_LOG
// names a file to append them to.
//
// jackd servers of one user cannot safely run side by side (one stopping
// breaks the others), so a jackd JackServer waits for a machine-wide lock
// and holds it for its whole life: test processes that each have one take
// turns. Create at most one per process at a time.
class JackServer {
public:
    static constexpr int SampleRate = 48000;
    static constexpr int PeriodFrames = 256;

    // An external program running as a client of the server.
    class Peer {
    public:
        // Starts `argv` (looked up on PATH).
        Peer(const std::vector<std::string>& argv, PeerOptions options);
        ~Peer();
        Peer(const Peer&) = delete;
        Peer& operator=(const Peer&) = delete;

        pid_t pid() const { return pid_; }
        // True until the program has exited.
        bool running();
        // Its exit code once it has exited by itself; -1 while it runs or
        // when it was ended by a signal.
        int exitCode();
        // Asks it to end as it ends cleanly (closing its JACK client), and
        // kills it if it has not after a bounded wait.
        void stop();
        // Everything it has written to stdout (stderr) so far.
        const std::string& output();
        const std::string& errors();

    private:
        void reap(int signal);

        pid_t pid_ = -1;
        bool endsWithInput_ = false;
        bool reaped_ = false;
        int exitCode_ = -1;
        int inputFd_ = -1;
        int outputFd_ = -1;
        int errorsFd_ = -1;
        std::string output_;
        std::string errors_;
    };

    // How jackd schedules its clients' process threads. Realtime (SCHED_FIFO,
    // as on a musician's desktop; where the system refuses it, jackd goes on
    // without) lets deadline benchmarks tell a client's own overruns from a
    // busy machine's; tests use Plain, which any machine allows.
    enum class Scheduling { Plain, Realtime };

    // Starts the server and waits until it answers; see running(). A jackd
    // server runs periods of `periodFrames` (PipeWire's keep PeriodFrames)
    // and waits `clientTimeoutMs` for a client's cycle (a killed client
    // holds up every cycle that long until the server lets it go).
    explicit JackServer(Scheduling scheduling = Scheduling::Plain, int periodFrames = PeriodFrames,
                        int clientTimeoutMs = 2000);
    ~JackServer();
    JackServer(const JackServer&) = delete;
    JackServer& operator=(const JackServer&) = delete;

    const std::string& name() const { return name_; }
    // True while the server runs and answers.
    bool running() const { return pid_ > 0; }
    // Why the server did not start, when it is known; else empty.
    const std::string& failure() const { return failure_; }

    // Starts the server (again, after stop); true once it answers.
    bool start();
    // Stops the programs started here, then the server (SIGTERM; SIGKILL
    // if it has not ended after a bounded wait), and removes what clients
    // still open at that moment leave behind in shared memory. A server
    // that had to be killed, here or by crash(), is started and stopped
    // once more, which takes its entry out of JACK's table of servers.
    void stop();
    // Kills the server abruptly (SIGKILL), as a crash would, then the
    // programs started here.
    void crash();

    // Starts an external client program; see Peer. The server owns it.
    Peer& startPeer(const std::vector<std::string>& argv, PeerOptions options = {});

    // Polls the server until a port with this full name exists ("client:port"), or is gone.
    bool waitForPort(const std::string& port, std::chrono::milliseconds limit = std::chrono::seconds(5)) const;
    bool waitForPortGone(const std::string& port, std::chrono::milliseconds limit = std::chrono::seconds(5)) const;

    // Stops the server's process where it stands (SIGSTOP), as a hung or
    // overloaded server stands still, and lets it go on (SIGCONT). While it
    // is suspended, every JACK request of any client waits for it.
    void suspend();
    void resume();

private:
    // The one place each kind of server is started; the server's pid, or -1.
    pid_t spawnJackd(int log);
    pid_t spawnPipeWire(int log);
    void halt(int signal);
    bool answers() const;
    bool portExists(const std::string& port) const;
    void stopPeers();
    void removeLeftovers() const;

    const ServerKind kind_;
    const Scheduling scheduling_;
    const int periodFrames_;
    const int clientTimeoutMs_;
    std::string name_;
    std::string runtimeDir_; // PipeWire's socket and configuration
    std::string failure_;
    int lockFd_ = -1; // only one jackd test server on the machine at a time
    pid_t pid_ = -1;
    bool stale_ = false; // killed without leaving JACK's table of servers
    std::vector<std::unique_ptr<Peer>> peers_;
};

} // namespace kelmar::test
