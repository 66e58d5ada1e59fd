#pragma once

#include <QMainWindow>
#include <QPointer>

#include <array>

#include "app/FormulatorWidgets.h"
#include "app/GeneralControlWidgets.h"
#include "help/AboutBox.h"
#include "performance/widgets/BigPicture.h"
#include "help/HelpLinks.h"
#include "midi/setup/MidiSetupController.h"
#include "settings/PreferencesController.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace kelmar {

class ErrorBox;
class GeneralControls;
class GeneralControlsBinding;
class DocumentMenu;
class MainMenu;
class MidiMessageLayer;
class PerformanceAreas;
class PlayMenu;

// The main window frmMain: from top to bottom the "General Controls" frame,
// the formulator panel (stacked behind the general controls, which stay
// usable) and the "Mouse Performance Controls" frame with the four
// performance areas and the all-notes-off button.
//
// Every control's Qt object name is its name in the window's design. A
// control array (ControlFrame, PerfArea, PerfCheck, FormulatorLabel, ...)
// is one widget per member, all with the array's name and the dynamic
// property "Index" holding the member's index: reach one with
// ControlArray::member<T>(window, "PerfCheck", 2), or through the typed
// accessors below (areas().area(2).PerfCheck, general().VolumeScroll).
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(MidiMessageLayer& midi, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The window's load step, run once before it is first shown: places the
    // window, builds the Help menu, fills every list, sets the general
    // controls to their start values (their handling sends the start-up
    // programme and pan messages), then shows the MIDI setup dialog modally.
    void load();
    // Moves the window to its place on screen: left 1000, top 1400 twips.
    void placeOnScreen();

    MidiMessageLayer& midi() { return midi_; }
    const GeneralControlWidgets& general() const { return general_; }
    PerformanceAreas& areas() { return *areas_; }
    const PerformanceAreas& areas() const { return *areas_; }
    QGroupBox* ControlFrame(int index) const { return frames_.at(static_cast<std::size_t>(index)); }
    QPushButton* AllOff() const { return allOff_; }
    QLabel* GoImage() const { return goImage_; }
    QLabel* AllOffImage() const { return allOffImage_; }
    // The handling of the general channel controls (also what incoming MIDI moves).
    GeneralControls& generalControls();
    MainMenu& menu() { return *menu_; }
    // Extended Play's switch and menu.
    PlayMenu& play() { return *play_; }
    // The File menu's setups and takes, shown with the Play menu.
    DocumentMenu& documents() { return *documents_; }
    // Opens the Big Picture window on performance area `area` (0..3).
    void showBigPicture(int area);
    BigPicture* bigPicture() const { return bigPicture_; }
    // Ends what Extended Play sounds, closes the MIDI devices and ends the
    // program: Exit, closing the window, a termination signal.
    void leave();
    MidiSetupController& setup() { return setup_; }
    PreferencesController& preferences() { return preferences_; }
    HelpLinks& helpLinks() { return helpLinks_; }
    // The about box, null until it is first shown.
    AboutBox* about() const { return about_; }

protected:
    // Closing the window closes the MIDI devices and ends the program.
    void closeEvent(QCloseEvent* event) override;

private:
    QGroupBox* frame(QWidget* client, int index, const QString& caption);
    void buildPerformanceFrame(QGroupBox* frame);
    void fillPatchLists();
    void fillFormulator();
    void setStartValues();
    void showHelp(int entry);

    MidiMessageLayer& midi_;
    std::array<QGroupBox*, 3> frames_{};
    GeneralControlWidgets general_;
    FormulatorWidgets formulator_;
    PerformanceAreas* areas_ = nullptr;
    QPushButton* allOff_ = nullptr;
    QLabel* goImage_ = nullptr;
    QLabel* allOffImage_ = nullptr;
    GeneralControlsBinding* generalBinding_ = nullptr;
    MainMenu* menu_ = nullptr;
    PlayMenu* play_ = nullptr;
    DocumentMenu* documents_ = nullptr;
    ErrorBox* documentErrors_ = nullptr;
    MidiSetupController setup_;
    PreferencesController preferences_;
    HelpLinks helpLinks_;
    QPointer<AboutBox> about_;
    QPointer<BigPicture> bigPicture_;
};

} // namespace kelmar
