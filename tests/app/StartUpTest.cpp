// The program's start as the main window's load step runs it: what is sent
// before the setup dialog, what every list and value box holds afterwards,
// and the way out through closing the window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScrollBar>

#include "ui/ControlArray.h"
#include "performance/widgets/PerformanceAreas.h"
#include "support/EventLoop.h"
#include "support/LoadedMainWindow.h"

using namespace kelmar;
using Bytes = std::vector<std::vector<std::uint8_t>>;

namespace {

class StartUpTest : public ::testing::Test {
protected:
    QComboBox* list(const char* name) { return started.window.findChild<QComboBox*>(name); }
    QString text(const char* name) { return started.window.findChild<QLabel*>(name)->text(); }

    test::LoadedMainWindow started;
};

} // namespace

TEST_F(StartUpTest, SendsTwoProgrammesAndThePanThenShowsTheSetupDialogFirst)
{
    EXPECT_EQ(started.sentBeforeDialog, (Bytes{{0xC0, 0}, {0xC0, 0}, {0xB0, 10, 64}}));
    EXPECT_TRUE(started.dialogShownBeforeWindow);
    // the dialog's load opened the first real output before it was shown
    EXPECT_EQ(started.openedBeforeDialog, (std::vector<std::string>{"Recorder A"}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(started.window.isVisible());
    EXPECT_EQ(started.window.pos(), QPoint(67, 93)); // 1000, 1400 twips
}

TEST_F(StartUpTest, ChannelOneHoldsTheStartValues)
{
    EXPECT_EQ(text("LabelVolume"), " 100");
    EXPECT_EQ(text("LabelOctave"), " 3");
    EXPECT_EQ(text("LabelPan"), " 64");
    EXPECT_EQ(text("MIDIChannelOutLabel"), "1");
    const ChannelState& state = started.midi.layer.channels();
    EXPECT_EQ(state.CurrentChannel, 0);
    EXPECT_EQ(state.ChannelVolume[0], 100);
    EXPECT_EQ(state.ChannelOctaveOffset[0], 36);
    EXPECT_EQ(state.ChannelPan[0], 64);
    for (int c = 1; c < ChannelState::TableSize; ++c)
        EXPECT_EQ(state.ChannelVolume[c] + state.ChannelPan[c] + state.ChannelPatch[c], 0) << c;
}

TEST_F(StartUpTest, PatchListsHoldTheGeneralMidiNamesAndFavourites)
{
    QComboBox* patches = list("ComboPatch");
    QComboBox* favourites = list("FavouritePatch");
    ASSERT_EQ(patches->count(), 128);
    ASSERT_EQ(favourites->count(), 128);
    EXPECT_EQ(patches->currentText(), "Acoustic Grand Piano");
    EXPECT_EQ(favourites->currentText(), "Acoustic Grand Piano");
    EXPECT_EQ(patches->itemText(3), "Honkytonk Piano");
    EXPECT_EQ(patches->itemText(77), "Shaku");
    EXPECT_EQ(patches->itemText(99), "FX 4 (atmo - sphere)");
    EXPECT_EQ(patches->itemText(111), "Shanai");
    EXPECT_EQ(patches->itemText(127), "Gunshot");
    for (int p = 0; p < 128; ++p) {
        const bool dash = (p >= 1 && p <= 5) || (p >= 16 && p <= 28);
        EXPECT_EQ(favourites->itemText(p), dash ? "-" : patches->itemText(p)) << p;
    }
    EXPECT_FALSE(patches->isEditable());
}

TEST_F(StartUpTest, AxisListsAndTheFormulatorPanelAreFilled)
{
    for (int i = 0; i < AreaCount; ++i) {
        const PerformanceAreaWidgets& area = started.window.areas().area(i);
        EXPECT_EQ(area.HeightCombo->currentText(), "Pitch");
        EXPECT_EQ(area.WidthCombo->currentText(), "Velocity");
        EXPECT_EQ(area.PerfModeLabel->text(), "1");
    }
    for (int r = 0; r < 6; ++r) {
        const QComboBox* numbers = ControlArray::member<QComboBox>(&started.window, "var_num", r);
        ASSERT_EQ(numbers->count(), 11);
        EXPECT_EQ(numbers->itemText(10), "10");
        EXPECT_EQ(numbers->currentText(), "0");
    }
    EXPECT_EQ(list("obtype")->currentText(), "variable");
    EXPECT_EQ(list("obtype")->count(), 3);
}

TEST_F(StartUpTest, ClosingTheWindowClosesTheDevicesAndEndsTheProgram)
{
    bool ended = false;
    started.midi.layer.setProgramEnd([&] { ended = true; });
    started.window.close();
    EXPECT_TRUE(ended);
    EXPECT_EQ(started.midi.out.IsOpen(), 0);
    EXPECT_EQ(started.midi.in.IsOpen(), 0);
}

// Cancel at the first showing keeps what the dialog's load opened: the
// first output plays, and the first input is echoed to it.
TEST(StartUpCancelledTest, CancelAtTheFirstShowingKeepsTheDefaultDevices)
{
    test::LoadedMainWindow started("CmdCancel");
    EXPECT_EQ(started.window.setup().form(), nullptr);
    EXPECT_EQ(started.midi.out.OpenDeviceName(), "Recorder A");
    EXPECT_EQ(started.midi.device->openInputName, "Keyboard A");
    started.midi.device->receive({0x91, 60, 100});
    EXPECT_TRUE(test::waitUntil([&] { return !started.midi.sent().empty(); }));
    EXPECT_EQ(started.midi.sent(), (Bytes{{0x91, 60, 100}}));
}
