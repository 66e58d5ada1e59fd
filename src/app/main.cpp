#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "app/CommandLine.h"
#include "app/DisplayCheck.h"
#include "app/DocumentMenu.h"
#include "app/ErrorBox.h"
#include "app/MainWindow.h"
#include "app/PlayMenu.h"
#include "app/ProgramEnd.h"
#include "app/SystemMidi.h"
#include "app/TerminationSignals.h"
#include "app/Translation.h"
#include "midi/MessageTranslation.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiMessageLayer.h"
#include "midi/MidiOutputPort.h"
#include "midi/setup/MidiSetupForm.h"

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

QStringList arguments(int argc, char* argv[])
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

// The status for output that did not all arrive (a full disk, a closed
// pipe) is a failure, not success.
int flushed(int status)
{
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? status : EXIT_FAILURE;
}

// The lists the setup dialog shows, outputs first, one name a line; no
// display is needed. JACK's ports are listed once its client opens (or
// its bounded wait ends).
int listDevices(int argc, char* argv[], kelmar::Translation& translation)
{
    qputenv("JACK_NO_START_SERVER", "1");
    kelmar::ProgramEnd end;
    const auto catalogue = kelmar::SystemMidi::createCatalogue(kelmar::SystemMidi::Sound::Off);
    const QCoreApplication app(argc, argv);
    translation.install();
    kelmar::MidiOutputPort out(*catalogue);
    kelmar::MidiInputPort in(*catalogue);
    kelmar::MidiMessageLayer midi(out, in);
    const auto line = [](const QString& text) { std::printf("%s\n", qPrintable(text)); };
    line(QCoreApplication::translate("kelmar::main", "MIDI outputs:"));
    for (const std::string& name : midi.ListMidiOutDevices())
        line("  " + kelmar::MidiSetupForm::shownName(name));
    line(QCoreApplication::translate("kelmar::main", "MIDI inputs:"));
    const std::vector<std::string> inputs = midi.ListMidiInDevices();
    for (const std::string& name : inputs)
        line("  " + kelmar::MidiSetupForm::shownName(name));
    if (inputs.empty())
        line("  " + kelmar::MidiSetupForm::noInputText());
    if (const std::string notice = catalogue->notice(); !notice.empty())
        std::fprintf(stderr, "%s\n", qPrintable(kelmar::MessageTranslation::translated(notice)));
    return end.leaving(flushed(EXIT_SUCCESS));
}

} // namespace

int main(int argc, char* argv[])
{
    // First of all: --help and --version need neither a display nor MIDI;
    // their texts are in the user's language already.
    kelmar::Translation translation;
    const kelmar::CommandLine command(arguments(argc, argv), translation);
    switch (command.action()) {
    case kelmar::CommandLine::Action::Print:
        std::fputs(qPrintable(command.text()), stdout);
        return flushed(EXIT_SUCCESS);
    case kelmar::CommandLine::Action::Refuse:
        std::fputs(qPrintable(command.text()), stderr);
        return kelmar::CommandLine::UsageStatus;
    case kelmar::CommandLine::Action::ListDevices:
        return listDevices(argc, argv, translation);
    case kelmar::CommandLine::Action::Run:
        break;
    }
    // Before any JACK or FluidSynth work starts: without a display there
    // is nothing to do, and nothing must be left half-open.
    kelmar::DisplayCheck display;
    if (const std::string problem = display.problem(argc, argv, translation); !problem.empty()) {
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
    translation.install();
    QApplication::setApplicationName("kelmar");
    // The desktop entry's id: Wayland shells find the program's icon by it.
    QGuiApplication::setDesktopFileName("kelmar");
    // PNG: Qt reads it without plugins (the SVG icon is for the desktop).
    QApplication::setWindowIcon(QIcon(":/kelmar/kelmar.png"));

    kelmar::MidiOutputPort out(*catalogue);
    kelmar::MidiInputPort in(*catalogue);
    kelmar::MidiMessageLayer midi(out, in);

    kelmar::MainWindow window(midi);
    window.setup().setPreselection(command.output(), command.input());
    if (command.scale())
        window.play().setScale(*command.scale());
    if (command.extended())
        window.play().setExtended(true);
    bool ended = false;
    midi.setProgramEnd([&ended] {
        ended = true;
        QApplication::exit(0);
    });
    // Input errors and messages an output had to drop.
    kelmar::ErrorBox midiErrors(&window);
    midi.setErrorPresenter(
        [&midiErrors](const std::string& text) { midiErrors.show(kelmar::MessageTranslation::translated(text)); });
    kelmar::TerminationSignals termination;
    QObject::connect(&termination, &kelmar::TerminationSignals::terminationRequested, &window,
                     [&window, &ended] {
                         if (!ended)
                             window.leave();
                     });

    window.load();
    if (ended)
        return end.leaving(0);
    window.show();
    if (!command.setup().isEmpty())
        window.documents().openSetup(command.setup());
    if (!command.record().isEmpty())
        window.documents().startTake(command.record());
    if (command.bigPicture())
        window.showBigPicture(0);
    return end.leaving(QApplication::exec());
}
