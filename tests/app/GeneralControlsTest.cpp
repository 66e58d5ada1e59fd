// The general channel controls' handling on real Qt controls: what each
// change stores, shows and sends, and how the channel change re-enters the
// other controls' handling only where values change.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

#include <memory>

#include "app/GeneralControlsBinding.h"
#include "app/GeneralMidiPatches.h"
#include "midi/MidiDeviceCatalogue.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiMessageLayer.h"
#include "midi/MidiOutputPort.h"
#include "support/EventLoop.h"
#include "support/RecordingBackend.h"

using namespace kelmar;
using Bytes = std::vector<std::vector<std::uint8_t>>;

namespace {

// The general controls as the main window names them, with their ranges
// and initial captions.
class ControlsWindow : public QWidget {
public:
    ControlsWindow()
    {
        bar("MidiChannelScroll", 15);
        bar("VolumeScroll", 127);
        bar("OctaveScroll", 3);
        bar("PanScroll", 127);
        label("MIDIChannelOutLabel", "1");
        label("LabelVolume", "100");
        label("LabelOctave", "0");
        label("LabelPan", "64");
        list("ComboPatch", generalMidiPatchNames());
        list("FavouritePatch", favouritePatchNames());
        button("Command1", ">|<");
        button("AllOff", "&All Notes Off");
    }

private:
    void bar(const char* name, int maximum)
    {
        auto* b = new QScrollBar(Qt::Horizontal, this);
        b->setObjectName(name);
        b->setRange(0, maximum);
    }
    void label(const char* name, const char* text) { new QLabel(text, this); findChildren<QLabel*>().last()->setObjectName(name); }
    void list(const char* name, const QStringList& items)
    {
        auto* l = new QComboBox(this);
        l->setObjectName(name);
        l->addItems(items);
        l->setCurrentIndex(-1);
    }
    void button(const char* name, const char* text) { new QPushButton(text, this); findChildren<QPushButton*>().last()->setObjectName(name); }
};

class GeneralControlsTest : public ::testing::Test {
protected:
    GeneralControlsTest()
    {
        auto backend = std::make_unique<test::RecordingBackend>();
        device = backend.get();
        catalogue.addBackend(std::move(backend));
        layer.OpenMidiOut(1);
        layer.OpenMidiIn(0);
        layer.setControls(&binding->controls());
    }

    // The start-up values: both lists on 0, then octave 3, volume 100, pan 64.
    void startUp()
    {
        list("ComboPatch")->setCurrentIndex(0);
        list("FavouritePatch")->setCurrentIndex(0);
        bar("MidiChannelScroll")->setValue(0);
        bar("OctaveScroll")->setValue(3);
        bar("VolumeScroll")->setValue(100);
        bar("PanScroll")->setValue(64);
        device->sent.clear();
    }

    QScrollBar* bar(const char* name) { return window.findChild<QScrollBar*>(name); }
    QComboBox* list(const char* name) { return window.findChild<QComboBox*>(name); }
    QString text(const char* name) { return window.findChild<QLabel*>(name)->text(); }
    QPushButton* button(const char* name) { return window.findChild<QPushButton*>(name); }
    Bytes sent() const { return device->sentBytes(); }
    const ChannelState& state() const { return layer.channels(); }

    MidiDeviceCatalogue catalogue;
    test::RecordingBackend* device = nullptr;
    MidiOutputPort out{catalogue};
    MidiInputPort in{catalogue};
    MidiMessageLayer layer{out, in};
    ControlsWindow window;
    GeneralControlsBinding* binding = new GeneralControlsBinding(window, layer);
};

} // namespace

TEST_F(GeneralControlsTest, StartUpValuesSendProgrammesAndPanOnly)
{
    list("ComboPatch")->setCurrentIndex(0);
    list("FavouritePatch")->setCurrentIndex(0);
    bar("MidiChannelScroll")->setValue(0);
    bar("OctaveScroll")->setValue(3);
    bar("VolumeScroll")->setValue(100);
    bar("PanScroll")->setValue(64);
    EXPECT_EQ(sent(), (Bytes{{0xC0, 0}, {0xC0, 0}, {0xB0, 10, 64}}));
    EXPECT_EQ(text("LabelVolume"), " 100");
    EXPECT_EQ(text("LabelOctave"), " 3");
    EXPECT_EQ(text("LabelPan"), " 64");
    EXPECT_EQ(text("MIDIChannelOutLabel"), "1"); // the channel bar did not move
    EXPECT_EQ(state().ChannelOctaveOffset[0], 36);
    EXPECT_EQ(state().ChannelVolume[0], 100);
}

TEST_F(GeneralControlsTest, ANewChannelBringsZerosAndSendsItsProgrammeAndPan)
{
    startUp();
    bar("MidiChannelScroll")->setValue(4);
    EXPECT_EQ(state().CurrentChannel, 4);
    EXPECT_EQ(text("MIDIChannelOutLabel"), " 5");
    // the patch list already shows 0: only the pan (64 -> 0) is sent
    EXPECT_EQ(sent(), (Bytes{{0xB4, 10, 0}}));
    EXPECT_EQ(bar("VolumeScroll")->value(), 0);
    EXPECT_EQ(bar("OctaveScroll")->value(), 0);
    EXPECT_EQ(text("LabelVolume"), " 0");

    device->sent.clear();
    list("ComboPatch")->setCurrentIndex(40);
    bar("MidiChannelScroll")->setValue(0);
    // back on channel 1: programme 0 and pan 64 come back and are sent
    EXPECT_EQ(sent(), (Bytes{{0xC4, 40}, {0xC0, 0}, {0xB0, 10, 64}}));
    EXPECT_EQ(bar("VolumeScroll")->value(), 100);
    EXPECT_EQ(bar("OctaveScroll")->value(), 3);
}

TEST_F(GeneralControlsTest, EachChannelKeepsItsOwnSettings)
{
    startUp();
    bar("MidiChannelScroll")->setValue(2);
    bar("OctaveScroll")->setValue(2);
    bar("VolumeScroll")->setValue(77);
    EXPECT_EQ(state().ChannelOctaveOffset[2], 24);
    bar("MidiChannelScroll")->setValue(5);
    bar("MidiChannelScroll")->setValue(2);
    EXPECT_EQ(bar("OctaveScroll")->value(), 2);
    EXPECT_EQ(bar("VolumeScroll")->value(), 77);
    EXPECT_EQ(text("LabelOctave"), " 2");
}

TEST_F(GeneralControlsTest, DraggingTheChannelThumbChangesChannelForEveryValue)
{
    startUp();
    bar("PanScroll")->setValue(10); // channel 1 pan 10, channels 2.. pan 0
    device->sent.clear();
    for (int v = 1; v <= 3; ++v)
        bar("MidiChannelScroll")->setValue(v); // as the thumb reports while dragged
    EXPECT_EQ(sent(), (Bytes{{0xB1, 10, 0}}));
    EXPECT_EQ(state().CurrentChannel, 3);
    EXPECT_EQ(text("MIDIChannelOutLabel"), " 4");
}

TEST_F(GeneralControlsTest, VolumeAndOctaveSendNothing)
{
    startUp();
    bar("VolumeScroll")->setValue(12);
    bar("OctaveScroll")->setValue(1);
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(state().ChannelVolume[0], 12);
    EXPECT_EQ(state().ChannelOctaveOffset[0], 12);
}

TEST_F(GeneralControlsTest, FavouritesSendTheirPositionAndLeaveThePatchListAlone)
{
    startUp();
    list("FavouritePatch")->setCurrentIndex(3); // a "-" entry
    EXPECT_EQ(sent(), (Bytes{{0xC0, 3}}));
    EXPECT_EQ(list("ComboPatch")->currentIndex(), 0);
    bar("MidiChannelScroll")->setValue(1);
    bar("MidiChannelScroll")->setValue(0);
    EXPECT_EQ(list("ComboPatch")->currentIndex(), 3);
    EXPECT_EQ(list("ComboPatch")->currentText(), "Honkytonk Piano");
}

TEST_F(GeneralControlsTest, PanCentreSendsOnlyWhenThePanMoves)
{
    startUp();
    button("Command1")->click();
    EXPECT_TRUE(sent().empty());
    bar("PanScroll")->setValue(0);
    EXPECT_EQ(text("LabelPan"), " 0");
    button("Command1")->click();
    EXPECT_EQ(sent(), (Bytes{{0xB0, 10, 0}, {0xB0, 10, 64}}));
    EXPECT_EQ(bar("PanScroll")->value(), 64);
}

TEST_F(GeneralControlsTest, AllOffSweepsAndLeavesTheChannelAndControls)
{
    startUp();
    bar("MidiChannelScroll")->setValue(5);
    device->sent.clear();
    button("AllOff")->click();
    EXPECT_EQ(sent().size(), 2048u);
    EXPECT_EQ(state().CurrentChannel, 5);
    EXPECT_EQ(bar("MidiChannelScroll")->value(), 5);
    EXPECT_EQ(text("MIDIChannelOutLabel"), " 6");
}

TEST_F(GeneralControlsTest, IncomingMidiMovesTheRealControls)
{
    startUp();
    device->receive({0xC0, 10});
    device->receive({0xB0, 7, 90});
    device->receive({0xB0, 10, 20});
    ASSERT_TRUE(test::waitUntil([&] { return in.QueueCount() == 0 && sent().size() == 2; }));
    EXPECT_EQ(sent(), (Bytes{{0xC0, 10}, {0xB0, 10, 20}}));
    EXPECT_EQ(list("ComboPatch")->currentIndex(), 10);
    EXPECT_EQ(bar("VolumeScroll")->value(), 90);
    EXPECT_EQ(text("LabelVolume"), " 90");
    EXPECT_EQ(bar("PanScroll")->value(), 20);
}

TEST_F(GeneralControlsTest, OutOfRangeValuesNeverReachTheListAsABadPosition)
{
    startUp();
    binding->controls().setPatchPosition(300);
    EXPECT_EQ(list("ComboPatch")->currentIndex(), 127);
    binding->controls().setPatchPosition(-4);
    EXPECT_EQ(list("ComboPatch")->currentIndex(), 0);
    EXPECT_EQ(sent(), (Bytes{{0xC0, 127}, {0xC0, 0}}));
}
