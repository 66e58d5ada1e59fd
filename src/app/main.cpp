#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "app/DisplayCheck.h"
#include "app/ErrorBox.h"
#include "app/MainWindow.h"
#include "app/ProgramEnd.h"
#include "app/SystemMidi.h"
#include "app/TerminationSignals.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiMessageLayer.h"
#include "midi/MidiOutputPort.h"

namespace {

// Qt ends the program with abort() when its platform cannot start (a
// display that goes away between the check below and Qt's own connection,
// a platform plugin that fails): say why and end with a plain failure instead.
void endOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "kelmar: cannot start the user interface.\n");
        std::_Exit(EXIT_FAILURE);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    // Before any JACK or FluidSynth work starts: without a display there
    // is nothing to do, and nothing must be left half-open.
    kelmar::DisplayCheck display;
    if (const std::string problem = display.problem(argc, argv); !problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return EXIT_FAILURE;
    }
    // Never let libjack start a server of its own: only use one that runs.
    qputenv("JACK_NO_START_SERVER", "1");
    kelmar::ProgramEnd end;
    // First, so that reaching the JACK server overlaps setting up the display.
    const auto catalogue = kelmar::SystemMidi::createCatalogue();
    const QtMessageHandler defaultHandler = qInstallMessageHandler(endOnFatal);
    QApplication app(argc, argv);
    qInstallMessageHandler(defaultHandler);
    display.release();
    QApplication::setApplicationName("kelmar");
    // PNG: Qt reads it without plugins (the SVG icon is for the desktop).
    QApplication::setWindowIcon(QIcon(":/kelmar/kelmar.png"));

    kelmar::MidiOutputPort out(*catalogue);
    kelmar::MidiInputPort in(*catalogue);
    kelmar::MidiMessageLayer midi(out, in);

    kelmar::MainWindow window(midi);
    bool ended = false;
    midi.setProgramEnd([&ended] {
        ended = true;
        QApplication::exit(0);
    });
    // Input errors and messages an output had to drop.
    kelmar::ErrorBox midiErrors(&window);
    midi.setErrorPresenter([&midiErrors](const std::string& text) { midiErrors.show(QString::fromStdString(text)); });
    kelmar::TerminationSignals termination;
    QObject::connect(&termination, &kelmar::TerminationSignals::terminationRequested, &window,
                     [&midi, &ended] {
                         if (!ended)
                             midi.CloseMidi();
                     });

    window.load();
    if (ended)
        return end.leaving(0);
    window.show();
    return end.leaving(QApplication::exec());
}
