// The MIDI setup dialog: what its loading lists and opens, and the Ok /
// Cancel lifecycle, driven through its real buttons while shown modally.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <memory>

#include "midi/MidiDeviceCatalogue.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiMessageLayer.h"
#include "midi/MidiOutputPort.h"
#include "midi/setup/MidiSetupController.h"
#include "support/RecordingBackend.h"

using namespace kelmar;

namespace {

class MidiSetupTest : public ::testing::Test {
protected:
    explicit MidiSetupTest(std::vector<std::string> outputs = {"Recorder A", "Recorder B"},
                           std::vector<std::string> inputs = {"Keyboard A", "Keyboard B"})
    {
        auto backend = std::make_unique<test::RecordingBackend>(std::move(outputs), std::move(inputs));
        device = backend.get();
        catalogue.addBackend(std::move(backend));
        catalogue.setMapper(device, "Mapper", "Default output");
        setup.setFailurePresenter([this](const QString& text) { failures << text; });
    }

    QComboBox* list(const char* name) { return setup.form()->findChild<QComboBox*>(name); }

    // Shows the dialog modally; while it is up, runs `act` (which picks entries
    // and presses a button).
    void showAnd(std::function<void()> act)
    {
        QTimer::singleShot(0, [&] {
            ASSERT_NE(setup.form(), nullptr);
            EXPECT_TRUE(setup.form()->isVisible());
            act();
        });
        setup.showModal();
    }
    void press(const char* button) { setup.form()->findChild<QPushButton*>(button)->click(); }

    MidiDeviceCatalogue catalogue;
    test::RecordingBackend* device = nullptr;
    MidiOutputPort out{catalogue};
    MidiInputPort in{catalogue};
    MidiMessageLayer layer{out, in};
    MidiSetupController setup{layer, nullptr};
    QStringList failures;
};

class MidiSetupWithoutDevicesTest : public MidiSetupTest {
protected:
    MidiSetupWithoutDevicesTest() : MidiSetupTest({}, {}) {}
};

} // namespace

TEST_F(MidiSetupTest, LoadingListsTheDevicesAndOpensTheDefaults)
{
    setup.load();
    EXPECT_EQ(setup.form()->objectName(), "MIDISetupForm");
    EXPECT_EQ(setup.form()->windowTitle(), "MIDI Setup");
    const QStringList outs = {"Default output", "Recorder A", "Recorder B"};
    ASSERT_EQ(list("ComboMidiOut")->count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(list("ComboMidiOut")->itemText(i), outs[i]);
    EXPECT_EQ(list("ComboMidiOut")->currentIndex(), 1);
    EXPECT_EQ(list("ComboMidiIn")->currentText(), "Keyboard A");
    EXPECT_EQ(device->opened, (std::vector<std::string>{"Recorder A"}));
    EXPECT_EQ(device->openInputName, "Keyboard A");
    EXPECT_TRUE(in.QueueCount() == 0 && in.IsOpen() == 1);
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(MidiSetupTest, IsCentredAndTabsInOrder)
{
    MidiSetupForm& form = setup.load();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = form.frameGeometry().size(); // the frame is part of what is centred
    EXPECT_EQ(form.pos(), QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2));
    EXPECT_EQ(form.size(), QSize(421, 80));
    QStringList tabOrder;
    QWidget* w = list("ComboMidiIn");
    for (int i = 0; i < 4; ++i, w = w->nextInFocusChain()) {
        while (!(w->focusPolicy() & Qt::TabFocus))
            w = w->nextInFocusChain();
        tabOrder << w->objectName();
    }
    EXPECT_EQ(tabOrder, (QStringList{"ComboMidiIn", "ComboMidiOut", "CmdOk", "CmdCancel"}));
}

TEST_F(MidiSetupTest, OkOpensTheChosenPairAndKeepsTheDialogLoaded)
{
    showAnd([&] {
        list("ComboMidiOut")->setCurrentIndex(0); // the default output
        list("ComboMidiIn")->setCurrentIndex(1);
        press("CmdOk");
    });
    ASSERT_NE(setup.form(), nullptr);
    EXPECT_FALSE(setup.form()->isVisible());
    EXPECT_EQ(out.DeviceIndex(), -1);
    EXPECT_EQ(device->opened, (std::vector<std::string>{"Recorder A", "Mapper"}));
    EXPECT_EQ(device->openInputName, "Keyboard B");

    // shown again: the same choices, and nothing opened until Ok
    const QPoint place(10, 20);
    setup.form()->move(place);
    showAnd([&] {
        EXPECT_EQ(list("ComboMidiOut")->currentIndex(), 0);
        EXPECT_EQ(list("ComboMidiIn")->currentIndex(), 1);
        EXPECT_EQ(setup.form()->pos(), place);
        EXPECT_EQ(device->opened.size(), 2u);
        press("CmdCancel");
    });
    EXPECT_EQ(device->openInputName, "Keyboard B");
}

TEST_F(MidiSetupTest, CancelUnloadsAndTheNextShowingReopensTheDefaults)
{
    showAnd([&] {
        list("ComboMidiOut")->setCurrentIndex(2);
        press("CmdCancel");
    });
    EXPECT_EQ(setup.form(), nullptr);
    EXPECT_EQ(device->opened, (std::vector<std::string>{"Recorder A"}));

    showAnd([&] {
        EXPECT_EQ(list("ComboMidiOut")->currentIndex(), 1);
        EXPECT_EQ(device->opened, (std::vector<std::string>{"Recorder A", "Recorder A"}));
        list("ComboMidiOut")->setCurrentIndex(2);
        press("CmdOk");
    });
    EXPECT_EQ(device->opened.back(), "Recorder B");
}

TEST_F(MidiSetupTest, AShowingAfterOkListsWhatExistsThenAndKeepsTheChoice)
{
    showAnd([&] {
        list("ComboMidiOut")->setCurrentIndex(2); // Recorder B
        press("CmdOk");
    });
    device->setNames({"Recorder B", "Recorder C"}, {"Keyboard B"});
    showAnd([&] {
        EXPECT_EQ(list("ComboMidiOut")->findText("Recorder A"), -1);
        EXPECT_EQ(list("ComboMidiOut")->findText("Recorder C"), 2);
        EXPECT_EQ(list("ComboMidiOut")->currentText(), "Recorder B");
        // the chosen input is away: it stays chosen, marked so
        EXPECT_EQ(list("ComboMidiIn")->count(), 2);
        EXPECT_EQ(list("ComboMidiIn")->currentText(), "Keyboard A (not present)");
        list("ComboMidiIn")->setCurrentIndex(0);
        press("CmdOk");
    });
    EXPECT_EQ(device->opened.back(), "Recorder B");
    EXPECT_EQ(device->openInputName, "Keyboard B");
}

TEST_F(MidiSetupTest, APreselectionByPartOfANameIsWhatOkOpens)
{
    setup.setPreselection("DER b", "board b");
    showAnd([&] {
        EXPECT_EQ(list("ComboMidiOut")->currentText(), "Recorder B");
        EXPECT_EQ(list("ComboMidiIn")->currentText(), "Keyboard B");
        press("CmdOk");
    });
    EXPECT_EQ(device->opened.back(), "Recorder B");
    EXPECT_EQ(device->openInputName, "Keyboard B");

    // names that match nothing leave the defaults
    setup.setPreselection("nowhere", "nothing");
    delete setup.form();
    setup.load();
    EXPECT_EQ(list("ComboMidiOut")->currentText(), "Recorder A");
    EXPECT_EQ(list("ComboMidiIn")->currentText(), "Keyboard A");
}

TEST_F(MidiSetupTest, ADeviceThatFailsToOpenIsReportedOnceByName)
{
    device->refuse = {"Recorder B"};
    showAnd([&] {
        list("ComboMidiOut")->setCurrentIndex(2);
        press("CmdOk");
    });
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].contains("Recorder B"));
    EXPECT_TRUE(failures[0].contains("refused"));
    EXPECT_EQ(out.IsOpen(), 0);
}

TEST_F(MidiSetupWithoutDevicesTest, FallsBackToTheDefaultOutputAndSaysThereIsNoInput)
{
    setup.load();
    EXPECT_EQ(list("ComboMidiOut")->count(), 1);
    EXPECT_EQ(list("ComboMidiOut")->currentText(), "Default output");
    EXPECT_EQ(out.DeviceIndex(), -1);
    EXPECT_EQ(out.IsOpen(), 1);
    EXPECT_EQ(list("ComboMidiIn")->currentText(), MidiSetupForm::NoInputText);
    EXPECT_EQ(in.IsOpen(), 0);
    EXPECT_TRUE(failures.isEmpty());
}
