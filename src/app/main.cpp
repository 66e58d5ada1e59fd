#include <QApplication>

#include <cstdlib>
#include <memory>

#include "app/MainWindow.h"
#include "midi/MidiDeviceCatalogue.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiMessageLayer.h"
#include "midi/MidiOutputPort.h"

int main(int argc, char* argv[])
{
    // Never let libjack start a server of its own: only use one that runs.
    qputenv("JACK_NO_START_SERVER", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName("kelmar");

    const auto catalogue = kelmar::MidiDeviceCatalogue::createSystem();
    kelmar::MidiOutputPort out(*catalogue);
    kelmar::MidiInputPort in(*catalogue);
    kelmar::MidiMessageLayer midi(out, in);
    midi.setProgramEnd([] { QApplication::exit(0); });

    midi.ListMidiOutDevices();
    midi.ListMidiInDevices();
    out.setDeviceIndex(-1);
    midi.OpenMidiOut(1);
    midi.OpenMidiIn(0);

    kelmar::MainWindow window(midi);
    window.placeOnScreen();
    window.show();
    const int code = QApplication::exec();
    return code;
}
