#include "app/SetupBinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

#include "app/MainWindow.h"
#include "app/PlayMenu.h"
#include "midi/MidiMessageLayer.h"
#include "performance/widgets/PerformanceAreas.h"
#include "ui/PickList.h"

namespace kelmar {

namespace {

std::string text(const QLineEdit* box) { return box->text().toStdString(); }

std::array<QLineEdit*, 4> limitBoxes(const PerformanceAreaWidgets& w)
{
    return {w.VLimitMin, w.VLimitMax, w.HLimitMin, w.HLimitMax};
}

} // namespace

PerformanceSetup SetupBinding::capture(MainWindow& window)
{
    PerformanceSetup setup;
    PerformanceAreas& areas = window.areas();
    for (int i = 0; i < AreaCount; ++i) {
        const PerformanceAreaWidgets& w = areas.area(i);
        PerformanceSetup::Area& a = setup.areas.at(static_cast<std::size_t>(i));
        a.height = w.HeightCombo->currentIndex();
        a.width = w.WidthCombo->currentIndex();
        a.pitchText = text(w.PitchText);
        a.velText = text(w.VelText);
        const auto boxes = limitBoxes(w);
        for (std::size_t k = 0; k < boxes.size(); ++k)
            a.limits[k] = text(boxes[k]);
        a.mouseDownOnly = w.MouseDownCheck->isChecked();
        a.enabled = w.PerfCheck->isChecked();
    }
    const ExtendedSettings& extended = areas.performance().extendedSettings();
    setup.extended = extended.on;
    setup.scale = static_cast<int>(extended.scale.kind());
    setup.root = extended.scale.root();
    setup.noteMode = static_cast<int>(extended.noteMode);
    const ChannelState& channels = window.midi().channels();
    setup.currentChannel = channels.CurrentChannel;
    for (std::size_t c = 0; c < setup.channels.size(); ++c)
        setup.channels[c] = {channels.ChannelPatch.at(c), channels.ChannelVolume.at(c),
                             channels.ChannelOctaveOffset.at(c) / 12, channels.ChannelPan.at(c)};
    return setup;
}

void SetupBinding::apply(MainWindow& window, const PerformanceSetup& setup)
{
    PlayMenu& play = window.play();
    play.setScale(Scale(static_cast<ScaleKind>(setup.scale), setup.root));
    play.setNoteMode(static_cast<NoteMode>(setup.noteMode));
    if (setup.extended || window.areas().performance().extended())
        play.setExtended(setup.extended);
    applyAreas(window, setup);
    applyChannels(window, setup);
}

// Each channel is chosen in turn and given its entries, then the current
// one is chosen again: its programme and pan go out as that choice sends them.
void SetupBinding::applyChannels(MainWindow& window, const PerformanceSetup& setup)
{
    const GeneralControlWidgets& g = window.general();
    for (int c = 0; c < static_cast<int>(setup.channels.size()); ++c) {
        const PerformanceSetup::Channel& channel = setup.channels.at(static_cast<std::size_t>(c));
        g.MidiChannelScroll->setValue(c);
        pickEntry(g.ComboPatch, channel.programme);
        g.VolumeScroll->setValue(channel.volume);
        g.OctaveScroll->setValue(channel.octave);
        g.PanScroll->setValue(channel.pan);
    }
    g.MidiChannelScroll->setValue(setup.currentChannel);
}

void SetupBinding::applyAreas(MainWindow& window, const PerformanceSetup& setup)
{
    PerformanceAreas& areas = window.areas();
    for (int i = 0; i < AreaCount; ++i) {
        const PerformanceAreaWidgets& w = areas.area(i);
        const PerformanceSetup::Area& a = setup.areas.at(static_cast<std::size_t>(i));
        w.PerfCheck->setChecked(a.enabled);
        w.MouseDownCheck->setChecked(a.mouseDownOnly);
        pickEntry(w.HeightCombo, a.height);
        pickEntry(w.WidthCombo, a.width);
        w.PitchText->setText(QString::fromStdString(a.pitchText));
        w.VelText->setText(QString::fromStdString(a.velText));
        const auto boxes = limitBoxes(w);
        for (std::size_t k = 0; k < boxes.size(); ++k)
            boxes[k]->setText(QString::fromStdString(a.limits[k]));
    }
}

} // namespace kelmar
