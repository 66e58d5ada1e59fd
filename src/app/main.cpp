#include <QApplication>
#include <QMessageBox>

#include "app/MainWindow.h"
#include "app/TerminationSignals.h"
#include "midi/MidiDeviceCatalogue.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiMessageLayer.h"
#include "midi/MidiOutputPort.h"

int main(int argc, char* argv[])
{
    // Never let libjack start a server of its own: only use one that runs.
    qputenv("JACK_NO_START_SERVER", "1");
    kelmar::ProgramEnd end;
    // First, so that reaching the JACK server overlaps setting up the display.
    const auto catalogue = kelmar::MidiDeviceCatalogue::createSystem();
    QApplication app(argc, argv);
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
    midi.setErrorPresenter([&window](const std::string& text) {
        QMessageBox::information(&window, QString(), QString::fromStdString(text));
    });
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
