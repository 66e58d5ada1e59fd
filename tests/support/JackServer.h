#pragma once

#include <sys/types.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace kelmar::test {

// How JackServer runs an external client program.
struct PeerOptions {
    // Keep what it writes to stdout (else it is discarded, as stderr always is).
    bool captureOutput = false;
    // It ends cleanly when its input ends (fluidsynth's shell), not on
    // SIGINT (JACK's example clients). Its stdin stays open until stopped.
    bool endsWithInput = false;
};

// A JACK server of the tests' own: jackd with the dummy driver (48 kHz,
// 256-frame periods, no real-time scheduling, synchronous mode) under a
// name of its own, which this process's JACK clients and the programs it
// starts reach through JACK_DEFAULT_SERVER. It also runs the external
// client programs a test needs (jack_midi_dump, fluidsynth, ...). The
// destructor stops those programs first, then the server. jackd's messages
// are discarded unless KELMAR_JACKD_LOG names a file to append them to.
//
// jackd servers of one user cannot safely run side by side (one stopping
// breaks the others), so a JackServer waits for a machine-wide lock and
// holds it for its whole life: test processes that each have one take
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
        // Everything it has written to stdout so far.
        const std::string& output();

    private:
        void reap(int signal);

        pid_t pid_ = -1;
        bool endsWithInput_ = false;
        bool reaped_ = false;
        int exitCode_ = -1;
        int inputFd_ = -1;
        int outputFd_ = -1;
        std::string output_;
    };

    // Starts the server and waits until it answers; see running().
    JackServer();
    ~JackServer();
    JackServer(const JackServer&) = delete;
    JackServer& operator=(const JackServer&) = delete;

    const std::string& name() const { return name_; }
    // True while jackd runs and answers.
    bool running() const { return pid_ > 0; }

    // Starts jackd under this server's name (again, after stop); true once it answers.
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
    void halt(int signal);
    bool answers() const;
    bool portExists(const std::string& port) const;
    void stopPeers();
    void removeLeftovers() const;

    std::string name_;
    int lockFd_ = -1; // only one test server on the machine at a time
    pid_t pid_ = -1;
    bool stale_ = false; // killed without leaving JACK's table of servers
    std::vector<std::unique_ptr<Peer>> peers_;
};

} // namespace kelmar::test
