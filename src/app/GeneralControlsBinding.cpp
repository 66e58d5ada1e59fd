#include "app/GeneralControlsBinding.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace kelmar {

GeneralControlsBinding::GeneralControlsBinding(const GeneralControlWidgets& widgets, QPushButton* allOff,
                                               MidiMessageLayer& midi, QObject* parent)
    : QObject(parent)
    , widgets_(widgets)
    , controls_(midi, *this)
{
    const GeneralControlWidgets& w = widgets_;
    connect(w.MidiChannelScroll, &QScrollBar::valueChanged, this,
            [this](int v) { widgets_.MIDIChannelOutLabel->setText(controls_.channelChanged(v)); });
    connect(w.VolumeScroll, &QScrollBar::valueChanged, this,
            [this](int v) { widgets_.LabelVolume->setText(controls_.volumeChanged(v)); });
    connect(w.OctaveScroll, &QScrollBar::valueChanged, this,
            [this](int v) { widgets_.LabelOctave->setText(controls_.octaveChanged(v)); });
    connect(w.PanScroll, &QScrollBar::valueChanged, this,
            [this](int v) { widgets_.LabelPan->setText(controls_.panChanged(v)); });
    // Both lists pick a programme by position; -1 (an emptied list) picks nothing.
    for (QComboBox* list : {w.ComboPatch, w.FavouritePatch}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this](int position) {
            if (position >= 0)
                controls_.patchPicked(position);
        });
    }
    connect(w.Command1, &QPushButton::clicked, this, [this] { controls_.panCentre(); });
    connect(allOff, &QPushButton::clicked, this, [this] { controls_.allNotesOff(); });
}

void GeneralControlsBinding::setPatchPosition(int position) { widgets_.ComboPatch->setCurrentIndex(position); }
void GeneralControlsBinding::setVolumeScroll(int value) { widgets_.VolumeScroll->setValue(value); }
void GeneralControlsBinding::setOctaveScroll(int value) { widgets_.OctaveScroll->setValue(value); }
void GeneralControlsBinding::setPanScroll(int value) { widgets_.PanScroll->setValue(value); }

} // namespace kelmar
