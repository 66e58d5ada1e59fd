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

} // namespace kelmar
