#include "app/TerminationSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace kelmar {

namespace {

// The write end of the pipe the handler writes to; a signal handler can
// reach nothing but a plain global.
volatile std::sig_atomic_t writeEnd = -1;
int pipeEnds[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    if (writeEnd >= 0)
        [[maybe_unused]] const auto written = ::write(writeEnd, &byte, 1);
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent)
{
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    writeEnd = pipeEnds[1];
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::onReadable);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
    writeEnd = -1;
    for (int& end : pipeEnds) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
}

void TerminationSignals::onReadable()
{
    char buffer[16];
    while (::read(pipeEnds[0], buffer, sizeof buffer) > 0) {
    }
    Q_EMIT terminationRequested();
}

} // namespace kelmar
