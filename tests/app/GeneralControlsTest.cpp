// The general channel controls' handling on real Qt controls: what each
// change stores, shows and sends, and how the channel change re-enters the
// other controls' handling only where values change.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

#include <memory>

#include "app/GeneralControls.h"
#include "support/EventLoop.h"
#include "support/LoadedMainWindow.h"

using namespace kelmar;
using Bytes = std::vector<std::vector<std::uint8_t>>;

namespace {

class GeneralControlsTest : public ::testing::Test {
protected:
    QScrollBar* bar(const char* name) { return started.window.findChild<QScrollBar*>(name); }
    QComboBox* list(const char* name) { return started.window.findChild<QComboBox*>(name); }
    QString text(const char* name) { return started.window.findChild<QLabel*>(name)->text(); }
    QPushButton* button(const char* name) { return started.window.findChild<QPushButton*>(name); }
    Bytes sent() const { return started.midi.sent(); }
    const ChannelState& state() const { return started.midi.layer.channels(); }
    void receive(std::vector<std::uint8_t> bytes) { started.midi.device->receive(std::move(bytes)); }

    test::LoadedMainWindow started;
};

} // namespace

TEST_F(GeneralControlsTest, ANewChannelBringsZerosAndSendsItsProgrammeAndPan)
{
    bar("MidiChannelScroll")->setValue(4);
    EXPECT_EQ(state().CurrentChannel, 4);
    EXPECT_EQ(text("MIDIChannelOutLabel"), " 5");
    // the patch list already shows 0: only the pan (64 -> 0) is sent
    EXPECT_EQ(sent(), (Bytes{{0xB4, 10, 0}}));
    EXPECT_EQ(bar("VolumeScroll")->value(), 0);
    EXPECT_EQ(bar("OctaveScroll")->value(), 0);
    EXPECT_EQ(text("LabelVolume"), " 0");

    started.midi.clear();
    list("ComboPatch")->setCurrentIndex(40);
    bar("MidiChannelScroll")->setValue(0);
    // back on channel 1: programme 0 and pan 64 come back and are sent
    EXPECT_EQ(sent(), (Bytes{{0xC4, 40}, {0xC0, 0}, {0xB0, 10, 64}}));
    EXPECT_EQ(bar("VolumeScroll")->value(), 100);
    EXPECT_EQ(bar("OctaveScroll")->value(), 3);
}

TEST_F(GeneralControlsTest, EachChannelKeepsItsOwnSettings)
{
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
    bar("PanScroll")->setValue(10); // channel 1 pan 10, channels 2.. pan 0
    started.midi.clear();
    for (int v = 1; v <= 3; ++v)
        bar("MidiChannelScroll")->setValue(v); // as the thumb reports while dragged
    EXPECT_EQ(sent(), (Bytes{{0xB1, 10, 0}}));
    EXPECT_EQ(state().CurrentChannel, 3);
    EXPECT_EQ(text("MIDIChannelOutLabel"), " 4");
}

// The thumb dragged with the mouse from channel 1 to channel 4 right after
// the start: channels 2 to 4 hold pan 0, so only channel 2's pan is sent.
TEST_F(GeneralControlsTest, ThumbDraggedFromChannel1To4SendsOnlyChannel2sPan)
{
    QScrollBar* channel = bar("MidiChannelScroll");
    QStyleOptionSlider option;
    option.initFrom(channel);
    option.orientation = Qt::Horizontal;
    option.minimum = channel->minimum();
    option.maximum = channel->maximum();
    option.sliderPosition = option.sliderValue = channel->value();
    option.pageStep = channel->pageStep();
    option.singleStep = channel->singleStep();
    const QRect thumb = channel->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, channel);
    const QPoint from = thumb.center();
    QTest::mousePress(channel, Qt::LeftButton, Qt::NoModifier, from);
    for (int x = from.x(); channel->value() < 3; ++x) {
        ASSERT_LT(x, channel->width()) << "the thumb never reached channel 4";
        QMouseEvent drag(QEvent::MouseMove, QPointF(x, from.y()), channel->mapToGlobal(QPointF(x, from.y())),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(channel, &drag);
    }
    QTest::mouseRelease(channel, Qt::LeftButton, Qt::NoModifier, QPoint(channel->width() / 2, from.y()));
    EXPECT_EQ(sent(), (Bytes{{0xB1, 10, 0}}));
    EXPECT_EQ(text("MIDIChannelOutLabel"), " 4");
}

// A wheel touched by accident over the lists and bars changes nothing.
TEST_F(GeneralControlsTest, TheWheelChangesNoListOrBar)
{
    QList<QWidget*> controls; // the main window's own, not the setup dialog's
    for (QComboBox* list : started.window.findChildren<QComboBox*>())
        controls << list;
    for (QScrollBar* bar : started.window.findChildren<QScrollBar*>())
        controls << bar;
    controls.removeIf([&](QWidget* w) { return w->window() != &started.window; });
    ASSERT_GE(controls.size(), 4 + 2 + 8); // the bars, the patch lists, the axis lists
    for (QWidget* control : controls) {
        const QVariant before = control->property(qobject_cast<QComboBox*>(control) ? "currentIndex" : "value");
        for (const int delta : {-120, 120, -120}) {
            const QPointF at = QRectF(control->rect()).center();
            QWheelEvent wheel(at, control->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(control, &wheel);
        }
        EXPECT_EQ(control->property(qobject_cast<QComboBox*>(control) ? "currentIndex" : "value"), before)
            << control->objectName().toStdString();
    }
    EXPECT_EQ(sent(), Bytes{});
}

TEST_F(GeneralControlsTest, VolumeAndOctaveSendNothing)
{
    bar("VolumeScroll")->setValue(12);
    bar("OctaveScroll")->setValue(1);
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(state().ChannelVolume[0], 12);
    EXPECT_EQ(state().ChannelOctaveOffset[0], 12);
}

TEST_F(GeneralControlsTest, FavouritesSendTheirPositionAndLeaveThePatchListAlone)
{
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
    bar("MidiChannelScroll")->setValue(5);
    started.midi.clear();
    button("AllOff")->click();
    EXPECT_EQ(sent().size(), 2048u);
    EXPECT_EQ(state().CurrentChannel, 5);
    EXPECT_EQ(bar("MidiChannelScroll")->value(), 5);
    EXPECT_EQ(text("MIDIChannelOutLabel"), " 6");
}

TEST_F(GeneralControlsTest, IncomingMidiMovesTheRealControls)
{
    receive({0xC0, 10});
    receive({0xB0, 7, 90});
    receive({0xB0, 10, 20});
    ASSERT_TRUE(test::waitUntil([&] { return started.midi.in.QueueCount() == 0 && sent().size() == 2; }));
    EXPECT_EQ(sent(), (Bytes{{0xC0, 10}, {0xB0, 10, 20}}));
    EXPECT_EQ(list("ComboPatch")->currentIndex(), 10);
    EXPECT_EQ(bar("VolumeScroll")->value(), 90);
    EXPECT_EQ(text("LabelVolume"), " 90");
    EXPECT_EQ(bar("PanScroll")->value(), 20);
}

TEST_F(GeneralControlsTest, OutOfRangeValuesNeverReachTheListAsABadPosition)
{
    started.window.generalControls().setPatchPosition(300);
    EXPECT_EQ(list("ComboPatch")->currentIndex(), 127);
    started.window.generalControls().setPatchPosition(-4);
    EXPECT_EQ(list("ComboPatch")->currentIndex(), 0);
    EXPECT_EQ(sent(), (Bytes{{0xC0, 127}, {0xC0, 0}}));
}
