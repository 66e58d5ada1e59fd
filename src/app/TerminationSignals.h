#pragma once

#include <QObject>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

class QSocketNotifier;

namespace kelmar {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the UI thread, so a
// session manager or a terminal ending the program closes the MIDI devices
// as File > Exit would. The signal handler only writes to a pipe.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void terminationRequested();

private:
    void onReadable();

    QSocketNotifier* notifier_ = nullptr;
};

// Bounds the program's end once its devices are closed: declared first in
// main(), so that it goes last, and told by leaving() when main() starts
// letting everything go. Letting go that takes longer than TeardownLimit (a
// library call held up by a JACK server that does not answer, in a
// destructor that waits for it) ends the process there. When a MIDI backend
// had to leave a thread to itself, the process ends without its exit
// handlers, which that thread's library may hold up. Otherwise main()
// returns as usual.
class ProgramEnd {
public:
    static constexpr std::chrono::milliseconds TeardownLimit{500};

    ProgramEnd() = default;
    ~ProgramEnd();
    ProgramEnd(const ProgramEnd&) = delete;
    ProgramEnd& operator=(const ProgramEnd&) = delete;

    // Starts the bound; returns `status`, the one the process ends with.
    int leaving(int status);

private:
    std::mutex mutex_;
    std::condition_variable finished_;
    bool done_ = false;
    int status_ = 0;
    std::thread watchdog_;
};

} // namespace kelmar
