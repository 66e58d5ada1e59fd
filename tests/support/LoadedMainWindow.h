#pragma once

#include <QPushButton>
#include <QTimer>

#include <vector>

#include "app/MainWindow.h"
#include "support/RecordingMidiRig.h"

namespace kelmar::test {

// The main window over a recording device, started as the program starts
// it: the load step runs and the MIDI setup dialog it shows is confirmed
// with Ok (or left with `button`) as soon as it is up. What had been sent
// when the dialog appeared is kept.
class LoadedMainWindow {
public:
    explicit LoadedMainWindow(const char* button = "CmdOk")
    {
        QTimer::singleShot(0, [this, button] {
            MidiSetupForm* dialog = window.setup().form();
            dialogShownBeforeWindow = dialog && dialog->isVisible() && !window.isVisible();
            sentBeforeDialog = midi.sent();
            openedBeforeDialog = midi.device->opened;
            if (dialog)
                dialog->findChild<QPushButton*>(button)->click();
        });
        midi.clear();
        midi.device->opened.clear();
        window.load();
        window.show();
        midi.clear();
    }

    RecordingMidiRig midi;
    MainWindow window{midi.layer};
    std::vector<std::vector<std::uint8_t>> sentBeforeDialog;
    std::vector<std::string> openedBeforeDialog;
    bool dialogShownBeforeWindow = false;
};

} // namespace kelmar::test
