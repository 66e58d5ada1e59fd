#pragma once

#include <QObject>

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

// The program's way out once everything has been closed: declared first in
// main(), so that it goes last. When a MIDI backend had to leave a thread
// to itself (a request to a JACK server that does not answer), the process
// ends here at once, without the exit handlers, which that thread's
// library may hold up; otherwise main() returns as usual.
class LeaveWhenHeldUp {
public:
    LeaveWhenHeldUp() = default;
    ~LeaveWhenHeldUp();
    LeaveWhenHeldUp(const LeaveWhenHeldUp&) = delete;
    LeaveWhenHeldUp& operator=(const LeaveWhenHeldUp&) = delete;

    // The status main() returns; the process ends with it either way.
    int status(int code)
    {
        status_ = code;
        return code;
    }

private:
    int status_ = 0;
};

} // namespace kelmar
