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
    GeneralControls* c = &controls_;
    connect(widgets_.MidiChannelScroll, &QScrollBar::valueChanged, this, [c](int v) { c->channelChanged(v); });
    connect(widgets_.VolumeScroll, &QScrollBar::valueChanged, this, [c](int v) { c->volumeChanged(v); });
    connect(widgets_.OctaveScroll, &QScrollBar::valueChanged, this, [c](int v) { c->octaveChanged(v); });
    connect(widgets_.PanScroll, &QScrollBar::valueChanged, this, [c](int v) { c->panChanged(v); });
    // Both lists pick a programme by position; -1 (an emptied list) picks nothing.
    for (QComboBox* list : {widgets_.ComboPatch, widgets_.FavouritePatch}) {
        connect(list, &QComboBox::currentIndexChanged, this, [c](int position) {
            if (position >= 0)
                c->patchPicked(position);
        });
    }
    connect(widgets_.Command1, &QPushButton::clicked, this, [c] { c->panCentre(); });
    connect(allOff, &QPushButton::clicked, this, [c] { c->allNotesOff(); });
}

void GeneralControlsBinding::showChannel(const QString& text) { widgets_.MIDIChannelOutLabel->setText(text); }
void GeneralControlsBinding::showVolume(const QString& text) { widgets_.LabelVolume->setText(text); }
void GeneralControlsBinding::showOctave(const QString& text) { widgets_.LabelOctave->setText(text); }
void GeneralControlsBinding::showPan(const QString& text) { widgets_.LabelPan->setText(text); }
void GeneralControlsBinding::setPatchPosition(int position) { widgets_.ComboPatch->setCurrentIndex(position); }
void GeneralControlsBinding::setVolumeScroll(int value) { widgets_.VolumeScroll->setValue(value); }
void GeneralControlsBinding::setOctaveScroll(int value) { widgets_.OctaveScroll->setValue(value); }
void GeneralControlsBinding::setPanScroll(int value) { widgets_.PanScroll->setValue(value); }

} // namespace kelmar
