#include "app/GeneralControlsBinding.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

#include <stdexcept>

namespace kelmar {

template <typename T>
T* GeneralControlsBinding::child(QWidget& window, const char* name)
{
    T* widget = window.findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        throw std::logic_error(std::string("the window has no control named ") + name);
    return widget;
}

GeneralControlsBinding::GeneralControlsBinding(QWidget& window, MidiMessageLayer& midi)
    : QObject(&window)
    , controls_(midi, *this)
    , channelScroll_(child<QScrollBar>(window, "MidiChannelScroll"))
    , volumeScroll_(child<QScrollBar>(window, "VolumeScroll"))
    , octaveScroll_(child<QScrollBar>(window, "OctaveScroll"))
    , panScroll_(child<QScrollBar>(window, "PanScroll"))
    , channelLabel_(child<QLabel>(window, "MIDIChannelOutLabel"))
    , volumeLabel_(child<QLabel>(window, "LabelVolume"))
    , octaveLabel_(child<QLabel>(window, "LabelOctave"))
    , panLabel_(child<QLabel>(window, "LabelPan"))
    , comboPatch_(child<QComboBox>(window, "ComboPatch"))
    , favouritePatch_(child<QComboBox>(window, "FavouritePatch"))
    , panCentre_(child<QPushButton>(window, "Command1"))
    , allOff_(child<QPushButton>(window, "AllOff"))
{
    GeneralControls* c = &controls_;
    connect(channelScroll_, &QScrollBar::valueChanged, this, [c](int v) { c->channelChanged(v); });
    connect(volumeScroll_, &QScrollBar::valueChanged, this, [c](int v) { c->volumeChanged(v); });
    connect(octaveScroll_, &QScrollBar::valueChanged, this, [c](int v) { c->octaveChanged(v); });
    connect(panScroll_, &QScrollBar::valueChanged, this, [c](int v) { c->panChanged(v); });
    // Both lists pick a programme by position; -1 (an emptied list) picks nothing.
    for (QComboBox* list : {comboPatch_, favouritePatch_}) {
        connect(list, &QComboBox::currentIndexChanged, this, [c](int position) {
            if (position >= 0)
                c->patchPicked(position);
        });
    }
    connect(panCentre_, &QPushButton::clicked, this, [c] { c->panCentre(); });
    connect(allOff_, &QPushButton::clicked, this, [c] { c->allNotesOff(); });
}

void GeneralControlsBinding::showChannel(const QString& text) { channelLabel_->setText(text); }
void GeneralControlsBinding::showVolume(const QString& text) { volumeLabel_->setText(text); }
void GeneralControlsBinding::showOctave(const QString& text) { octaveLabel_->setText(text); }
void GeneralControlsBinding::showPan(const QString& text) { panLabel_->setText(text); }
void GeneralControlsBinding::setPatchPosition(int position) { comboPatch_->setCurrentIndex(position); }
void GeneralControlsBinding::setVolumeScroll(int value) { volumeScroll_->setValue(value); }
void GeneralControlsBinding::setOctaveScroll(int value) { octaveScroll_->setValue(value); }
void GeneralControlsBinding::setPanScroll(int value) { panScroll_->setValue(value); }

} // namespace kelmar
