// The JACK backend against a real JACK server that stands still (SIGSTOP),
// as a hung or overloaded one does: nothing the program asks waits for it
// for long, what is sent meanwhile is dropped and counted once the output
// is full, and once the server goes on (SIGCONT) everything works again.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "midi/MidiDeviceCatalogue.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiMessageLayer.h"
#include "midi/MidiOutputPort.h"
#include "midi/setup/MidiSetupController.h"
#include "midi/OutputBackpressure.h"
#include "midi/jack/JackBackend.h"
#include "midi/jack/JackClient.h"
#include "midi/jack/JackControl.h"
#include "support/EventLoop.h"
#include "support/JackReceiver.h"
#include "support/JackServer.h"
#include "support/RecordingBackend.h"

using namespace kelmar;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Events = std::vector<test::JackReceiver::Event>;

namespace {

// Message `i` of a run: unique for the first 2^18.
test::JackReceiver::Event numbered(std::size_t i)
{
    return {static_cast<std::uint8_t>(0x90 | ((i >> 14) & 0x0F)), static_cast<std::uint8_t>((i >> 7) & 0x7F),
            static_cast<std::uint8_t>(i & 0x7F)};
}

MidiBytes bytes(const test::JackReceiver::Event& event)
{
    MidiBytes message{};
    std::copy(event.begin(), event.end(), message.data.begin());
    message.size = static_cast<std::uint8_t>(event.size());
    return message;
}

bool contains(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::chrono::milliseconds since(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
}

class JackStallTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.running()) << "jackd did not start";
        receiver = std::make_unique<test::JackReceiver>();
        ASSERT_TRUE(receiver->ok());
    }

    void TearDown() override { resume(); }

    // Stops the server, and waits until our client counts it as stalled.
    void suspend()
    {
        server.suspend();
        suspended = true;
        std::this_thread::sleep_for(backpressure::StallLimit + 100ms);
    }
    void resume()
    {
        if (suspended)
            server.resume();
        suspended = false;
    }

    test::JackServer server;
    std::unique_ptr<test::JackReceiver> receiver;
    bool suspended = false;
};

TEST_F(JackStallTest, SendsIntoAStalledServerReturnAtOnceDropWhatDoesNotFitAndResumeInOrder)
{
    JackBackend jack("Kelmar");
    auto output = jack.openOutput(receiver->inputPort());
    ASSERT_NE(output.device, nullptr) << output.error;

    suspend();
    constexpr std::size_t extra = 1000;
    constexpr std::size_t total = JackClient::OutputCapacity + extra;
    const auto start = Clock::now();
    for (std::size_t i = 0; i < total; ++i)
        output.device->send(bytes(numbered(i)));
    EXPECT_LT(since(start), 3s) << "sending waited for the stalled server";
    EXPECT_EQ(output.device->dropped(), extra);
    EXPECT_TRUE(output.device->isOpen());

    // What was queued goes out in order once the server goes on, then what
    // is sent once it runs our cycles again.
    resume();
    ASSERT_TRUE(receiver->waitFor(1, 10s));
    output.device->send(bytes(numbered(total)));
    Events expected;
    for (std::size_t i = 0; i < JackClient::OutputCapacity; ++i)
        expected.push_back(numbered(i));
    expected.push_back(numbered(total));
    ASSERT_TRUE(receiver->waitFor(expected.size(), 20s)) << receiver->received().size();
    EXPECT_EQ(receiver->received(), expected);
    EXPECT_EQ(output.device->dropped(), extra);
}

TEST_F(JackStallTest, AServerThatAnswersLateIsListedOnceItDoes)
{
    MidiDeviceCatalogue catalogue;
    auto backend = std::make_unique<JackBackend>("Late");
    JackBackend& jack = *backend;
    catalogue.addBackend(std::move(backend));
    QSignalSpy changed(&catalogue, &MidiDeviceCatalogue::listsChanged);

    suspend();
    auto start = Clock::now();
    jack.openInBackground();
    EXPECT_TRUE(jack.outputNames().empty());
    EXPECT_TRUE(jack.inputNames().empty());
    EXPECT_LT(since(start), JackBackend::OpenWait + 1s);
    EXPECT_NE(catalogue.notice().find("does not answer"), std::string::npos) << catalogue.notice();
    start = Clock::now();
    const auto output = jack.openOutput(receiver->inputPort());
    EXPECT_EQ(output.device, nullptr);
    EXPECT_NE(output.error.find("does not answer"), std::string::npos) << output.error;
    EXPECT_LT(since(start), 500ms) << "a server known not to answer was waited for again";

    resume();
    // The client's own ports, registered as it opens, may be told before
    // the control thread has caught up; the last word comes after that.
    ASSERT_TRUE(test::waitUntil([&] { return changed.count() > 0 && catalogue.notice().empty(); }, 10000))
        << "no word of the late answer; notice: " << catalogue.notice();
    EXPECT_TRUE(contains(jack.outputNames(), receiver->inputPort()));
    EXPECT_NE(jack.openOutput(receiver->inputPort()).device, nullptr);
}

// The loaded setup dialog lists the ports of a server that answers late,
// keeps the chosen entries by name although their positions move, and Ok
// opens what the lists show. (The recorder stands in for a second backend.)
TEST_F(JackStallTest, TheSetupDialogListsALateServersPortsAndKeepsWhatWasChosen)
{
    MidiDeviceCatalogue catalogue;
    catalogue.addBackend(std::make_unique<JackBackend>("Kelmar"));
    auto recorder = std::make_unique<test::RecordingBackend>(std::vector<std::string>{"Recorder A"},
                                                             std::vector<std::string>{"Keyboard A"});
    test::RecordingBackend& other = *recorder;
    catalogue.addBackend(std::move(recorder));
    MidiOutputPort out{catalogue};
    MidiInputPort in{catalogue};
    MidiMessageLayer layer{out, in};
    MidiSetupController setup{layer, nullptr};
    setup.setFailurePresenter([](const QString&) {});

    suspend();
    MidiSetupForm& form = setup.load();
    auto* outputs = form.findChild<QComboBox*>("ComboMidiOut");
    auto* inputs = form.findChild<QComboBox*>("ComboMidiIn");
    EXPECT_EQ(outputs->count(), 2); // the default output and the recorder
    EXPECT_EQ(outputs->currentText(), "Recorder A");
    EXPECT_EQ(inputs->currentText(), "Keyboard A");
    EXPECT_TRUE(outputs->toolTip().contains("does not answer")) << outputs->toolTip().toStdString();

    resume();
    ASSERT_TRUE(test::waitUntil(
        [&] { return outputs->findText(QString::fromStdString(receiver->inputPort())) > 0; }, 10000));
    EXPECT_GT(inputs->findText(QString::fromStdString(receiver->outputPort())), -1);
    EXPECT_EQ(outputs->currentText(), "Recorder A");
    EXPECT_EQ(inputs->currentText(), "Keyboard A");
    EXPECT_EQ(outputs->toolTip(), "");
    EXPECT_EQ(out.DeviceName(), "Recorder A"); // the port's number follows its open device

    other.opened.clear();
    form.findChild<QPushButton*>("CmdOk")->click();
    EXPECT_EQ(other.opened, (std::vector<std::string>{"Recorder A"}));
    EXPECT_EQ(other.openInputName, "Keyboard A");
}

// While the dialog is shown, a receiver that starts is listed and can be
// chosen; shown again after Ok, it lists what started meanwhile and keeps
// that choice.
TEST_F(JackStallTest, TheShownDialogListsAReceiverThatStartsAndOkPlaysIntoIt)
{
    MidiDeviceCatalogue catalogue;
    catalogue.addBackend(std::make_unique<JackBackend>("Kelmar"));
    MidiOutputPort out{catalogue};
    MidiInputPort in{catalogue};
    MidiMessageLayer layer{out, in};
    MidiSetupController setup{layer, nullptr};
    setup.setFailurePresenter([](const QString&) {});
    std::unique_ptr<test::JackReceiver> late;
    std::unique_ptr<test::JackReceiver> later;
    // Picks `port` once it is listed, then presses Ok (also when it never is).
    auto pickWhenListed = [&](const std::string& port, bool keepChoice) {
        auto* outputs = setup.form()->findChild<QComboBox*>("ComboMidiOut");
        const QString name = QString::fromStdString(port);
        EXPECT_TRUE(test::waitUntil([&] { return outputs->findText(name) > 0; }, 10000)) << port;
        if (keepChoice)
            EXPECT_EQ(outputs->currentText().toStdString(), late->inputPort());
        else
            outputs->setCurrentIndex(outputs->findText(name));
        setup.form()->findChild<QPushButton*>("CmdOk")->click();
    };

    QTimer::singleShot(0, [&] {
        late = std::make_unique<test::JackReceiver>("late");
        pickWhenListed(late->inputPort(), false);
    });
    setup.showModal();
    ASSERT_TRUE(late && late->ok());
    EXPECT_EQ(out.OpenDeviceName(), late->inputPort());
    layer.SendMidi(0x90, 60, 100);
    ASSERT_TRUE(late->waitFor(1));

    later = std::make_unique<test::JackReceiver>("later");
    QTimer::singleShot(0, [&] { pickWhenListed(later->inputPort(), true); });
    setup.showModal();
    EXPECT_EQ(out.OpenDeviceName(), late->inputPort());
}

TEST_F(JackStallTest, AConnectionTheServerMakesTooLateIsUndone)
{
    JackBackend jack("Kelmar");
    ASSERT_TRUE(contains(jack.outputNames(), receiver->inputPort()));

    suspend();
    const auto start = Clock::now();
    const auto late = jack.openOutput(receiver->inputPort());
    EXPECT_EQ(late.device, nullptr);
    EXPECT_EQ(late.error, "The JACK server does not answer.");
    EXPECT_LT(since(start), JackClient::RequestWait + 1s);
    EXPECT_EQ(jack.notice(), "The JACK server does not answer.");

    // Once the server has made the connection, it is taken away again: only
    // the receiver opened now gets what is sent.
    resume();
    ASSERT_TRUE(test::waitUntil([&] { return jack.notice().empty(); }, 10000));
    test::JackReceiver other("other");
    ASSERT_TRUE(other.ok());
    const auto output = jack.openOutput(other.inputPort());
    ASSERT_NE(output.device, nullptr) << output.error;
    output.device->send({{0x90, 60, 100}, 3});
    ASSERT_TRUE(other.waitFor(1));
    const std::uint64_t target = receiver->cycles() + 4;
    test::waitUntil([&] { return receiver->cycles() >= target; });
    EXPECT_EQ(receiver->arrived(), 0u);
}

TEST_F(JackStallTest, EndingWhileTheServerStandsStillLeavesTheHeldUpThreadAndReturns)
{
    auto jack = std::make_unique<JackBackend>("Kelmar");
    auto output = jack->openOutput(receiver->inputPort());
    ASSERT_NE(output.device, nullptr) << output.error;
    output.device->send({{0x90, 60, 100}, 3});
    ASSERT_TRUE(receiver->waitFor(1));

    suspend();
    const auto start = Clock::now();
    output.device.reset(); // disconnects
    jack.reset();          // closes the client
    EXPECT_LT(since(start), 1s);
    EXPECT_TRUE(JackControl::anyLeftRunning());

    // The thread left to itself finishes its requests once the server goes on.
    resume();
    EXPECT_TRUE(test::waitUntil([] { return !JackControl::anyLeftRunning(); }, 10000));
    EXPECT_TRUE(server.waitForPortGone("Kelmar:midi_out"));
}

} // namespace
