#include "app/GeneralControlsBinding.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "ui/PickList.h"
#include "ui/ValueBox.h"

namespace kelmar {

GeneralControlsBinding::GeneralControlsBinding(const GeneralControlWidgets& widgets, QPushButton* allOff,
                                               MidiMessageLayer& midi, QObject* parent)
    : QObject(parent)
    , widgets_(widgets)
    , controls_(midi, *this)
{
    const GeneralControlWidgets& w = widgets_;
    connect(w.MidiChannelScroll, &QScrollBar::valueChanged, this,
            [this](int v) { showValue(widgets_.MIDIChannelOutLabel, controls_.channelChanged(v)); });
    connect(w.VolumeScroll, &QScrollBar::valueChanged, this,
            [this](int v) { showValue(widgets_.LabelVolume, controls_.volumeChanged(v)); });
    connect(w.OctaveScroll, &QScrollBar::valueChanged, this,
            [this](int v) { showValue(widgets_.LabelOctave, controls_.octaveChanged(v)); });
    connect(w.PanScroll, &QScrollBar::valueChanged, this,
            [this](int v) { showValue(widgets_.LabelPan, controls_.panChanged(v)); });
    // Both lists pick a programme by position, on every pick: picking the
    // entry shown sends it again, on the channel now current.
    for (QComboBox* list : {w.ComboPatch, w.FavouritePatch})
        connectPicks(list, this, [this](int position) { controls_.patchPicked(position); });
    connect(w.Command1, &QPushButton::clicked, this, [this] { controls_.panCentre(); });
    connect(allOff, &QPushButton::clicked, this, [this] { controls_.allNotesOff(); });
}

void GeneralControlsBinding::setPatchPosition(int position) { widgets_.ComboPatch->setCurrentIndex(position); }
void GeneralControlsBinding::setVolumeScroll(int value) { widgets_.VolumeScroll->setValue(value); }
void GeneralControlsBinding::setOctaveScroll(int value) { widgets_.OctaveScroll->setValue(value); }
void GeneralControlsBinding::setPanScroll(int value) { widgets_.PanScroll->setValue(value); }

} // namespace kelmar
