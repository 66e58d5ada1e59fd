#pragma once

#include <QCoreApplication>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QWidget;

namespace kelmar {

// The controls of the "General Controls" frame, each with its object name,
// range and initial caption. What they do is handled elsewhere; the widgets
// belong to their frame.
struct GeneralControlWidgets {
    QLabel* FormulatorLabel0 = nullptr; // "MIDI Channel": FormulatorLabel(0)
    QLabel* MIDIChannelOutLabel = nullptr;
    QScrollBar* MidiChannelScroll = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* LabelVolume = nullptr;
    QScrollBar* VolumeScroll = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* LabelOctave = nullptr;
    QScrollBar* OctaveScroll = nullptr;
    QLabel* LabelPanText = nullptr;
    QLabel* LabelPan = nullptr;
    QScrollBar* PanScroll = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* LabelPatch = nullptr;
    QComboBox* ComboPatch = nullptr;
    QComboBox* FavouritePatch = nullptr;

    // Builds the controls inside `frame`, ControlFrame(0).
    static GeneralControlWidgets build(QWidget* frame);

    Q_DECLARE_TR_FUNCTIONS(kelmar::GeneralControlWidgets)
};

} // namespace kelmar
