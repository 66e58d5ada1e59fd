#pragma once

#include <QMainWindow>

#include <array>

#include "app/FormulatorWidgets.h"
#include "app/GeneralControlWidgets.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace kelmar {

class MidiMessageLayer;
class PerformanceAreas;

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

    // Moves the window to its place on screen: left 1000, top 1400 twips.
    void placeOnScreen();

    MidiMessageLayer& midi() { return midi_; }
    const GeneralControlWidgets& general() const { return general_; }
    const FormulatorWidgets& formulator() const { return formulator_; }
    PerformanceAreas& areas() { return *areas_; }
    const PerformanceAreas& areas() const { return *areas_; }
    QGroupBox* ControlFrame(int index) const { return frames_.at(static_cast<std::size_t>(index)); }
    QPushButton* AllOff() const { return allOff_; }
    QLabel* GoImage() const { return goImage_; }
    QLabel* AllOffImage() const { return allOffImage_; }

private:
    QGroupBox* frame(QWidget* client, int index, const char* caption);
    void buildPerformanceFrame(QGroupBox* frame);

    MidiMessageLayer& midi_;
    std::array<QGroupBox*, 3> frames_{};
    GeneralControlWidgets general_;
    FormulatorWidgets formulator_;
    PerformanceAreas* areas_ = nullptr;
    QPushButton* allOff_ = nullptr;
    QLabel* goImage_ = nullptr;
    QLabel* allOffImage_ = nullptr;
};

} // namespace kelmar
