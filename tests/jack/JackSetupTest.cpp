// The setup dialog with JACK devices that go away and come back: a chosen
// device that is away keeps its choice, marked not present, and is played
// again (and listened to again) once a port of its name is back.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>

#include "midi/MidiDeviceCatalogue.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiMessageLayer.h"
#include "midi/MidiOutputPort.h"
#include "midi/jack/JackBackend.h"
#include "midi/setup/MidiSetupController.h"
#include "support/EventLoop.h"
#include "support/JackReceiver.h"
#include "support/JackServer.h"

using namespace kelmar;
using Events = std::vector<test::JackReceiver::Event>;

namespace {

class JackSetupTest : public ::testing::Test {
protected:
    JackSetupTest()
    {
        auto backend = std::make_unique<JackBackend>("Kelmar");
        jack = backend.get();
        catalogue.addBackend(std::move(backend));
        setup.setFailurePresenter([this](const QString& text) { told << text; });
        layer.setErrorPresenter([this](const std::string& text) { reported << QString::fromStdString(text); });
    }

    void SetUp() override
    {
        ASSERT_TRUE(server.running()) << server.failure();
        startReceiver();
    }

    void startReceiver()
    {
        receiver = std::make_unique<test::JackReceiver>("accept");
        ASSERT_TRUE(receiver->ok());
        ASSERT_TRUE(server.waitForPort(receiver->inputPort()));
    }
    void stopReceiver()
    {
        receiver.reset();
        ASSERT_TRUE(server.waitForPortGone("accept:in"));
    }

    QComboBox* list(const char* name) { return setup.form()->findChild<QComboBox*>(name); }
    // Shows the dialog modally and runs `act` while it is up.
    void showAnd(const std::function<void()>& act)
    {
        QTimer::singleShot(0, act);
        setup.showModal();
    }
    void pick(const char* name, const std::string& entry)
    {
        const int at = list(name)->findText(QString::fromStdString(entry));
        ASSERT_GE(at, 0) << entry;
        list(name)->setCurrentIndex(at);
    }
    void press(const char* button) { setup.form()->findChild<QPushButton*>(button)->click(); }
    // Does `send` until `arrived`; again only when cycles were missed in
    // between (PipeWire runs on without a client that is late, and what
    // that client's ports held is lost).
    bool arrives(const std::function<void()>& send, const std::function<bool()>& arrived)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            const std::uint64_t missed = jack->missedCycles() + receiver->missedCycles();
            send();
            if (test::waitUntil(arrived, 2000))
                return true;
            if (jack->missedCycles() + receiver->missedCycles() == missed)
                return false;
        }
        return false;
    }
    // A note sent now reaches the receiver.
    ::testing::AssertionResult plays(std::uint8_t note)
    {
        receiver->clear();
        if (!arrives([&] { layer.SendMidi(0x90, note, 100); }, [&] { return !receiver->received().empty(); }))
            return ::testing::AssertionFailure() << "note " << int(note) << " did not arrive";
        if (receiver->received() != Events{{0x90, note, 100}})
            return ::testing::AssertionFailure() << "other bytes arrived";
        return ::testing::AssertionSuccess();
    }

    test::JackServer server;
    std::unique_ptr<test::JackReceiver> receiver;
    JackBackend* jack = nullptr;
    MidiDeviceCatalogue catalogue;
    MidiOutputPort out{catalogue};
    MidiInputPort in{catalogue};
    MidiMessageLayer layer{out, in};
    MidiSetupController setup{layer, nullptr};
    QStringList told;     // by the dialog
    QStringList reported; // by the message layer: input errors, output problems
};

TEST_F(JackSetupTest, ADeviceAwayWhenTheDialogIsShownStaysChosenAndIsUsedAgainWhenBack)
{
    showAnd([&] {
        pick("ComboMidiOut", "accept:in");
        pick("ComboMidiIn", "accept:out");
        press("CmdOk");
    });
    ASSERT_TRUE(plays(60));

    stopReceiver();
    // The input's loss is told once; the output's at its first note.
    EXPECT_TRUE(test::waitUntil([&] { return !reported.isEmpty(); }));
    test::settle(200);
    EXPECT_EQ(reported.size(), 1) << reported.join(" | ").toStdString();
    showAnd([&] {
        EXPECT_EQ(list("ComboMidiOut")->currentText(), "accept:in (not present)");
        EXPECT_EQ(list("ComboMidiIn")->currentText(), "accept:out (not present)");
        press("CmdOk");
    });
    EXPECT_EQ(out.OpenDeviceName(), "accept:in");
    EXPECT_EQ(in.OpenDeviceName(), "accept:out");
    // Ok tells that the output waits for its port; of the input the user knows.
    EXPECT_EQ(told.size(), 1) << told.join(" | ").toStdString();

    startReceiver();
    ASSERT_TRUE(test::waitUntil([&] { return out.IsOpen() == 1 && in.IsOpen() == 1; }));
    EXPECT_TRUE(plays(62));
    // Comes in again, and is echoed.
    EXPECT_TRUE(arrives([&] { EXPECT_TRUE(receiver->send({{0x91, 64, 90}})); },
                        [&] { return receiver->received().size() >= 2; }));
    EXPECT_EQ(receiver->received().back(), (test::JackReceiver::Event{0x91, 64, 90}));
    // Shown again, the device is listed as it is now: present.
    showAnd([&] {
        EXPECT_EQ(list("ComboMidiOut")->currentText(), "accept:in");
        press("CmdCancel");
    });
}

TEST_F(JackSetupTest, ADeviceThatGoesWhileChosenInTheShownDialogIsOpenedForWhenItIsBack)
{
    showAnd([&] {
        pick("ComboMidiOut", "accept:in");
        stopReceiver();
        EXPECT_TRUE(test::waitUntil([&] { return list("ComboMidiOut")->currentText() == "accept:in (not present)"; }));
        press("CmdOk");
    });
    EXPECT_EQ(out.OpenDeviceName(), "accept:in");
    ASSERT_FALSE(told.isEmpty());
    EXPECT_TRUE(told.back().contains("not there at the moment")) << told.back().toStdString();

    startReceiver();
    ASSERT_TRUE(test::waitUntil([&] { return out.IsOpen() == 1; }));
    EXPECT_TRUE(plays(64));
}

} // namespace
