// The message layer's procedures over the real ports, with a recording
// device behind them: what is sent, which device is opened, and how
// incoming MIDI is echoed or applied to the channel controls.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QSignalSpy>
#include <QTimer>

#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "midi/MidiDeviceCatalogue.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiMessageLayer.h"
#include "midi/MidiOutputPort.h"
#include "midi/PortError.h"
#include "support/EventLoop.h"
#include "support/GeneralControlsStandIn.h"
#include "support/RecordingBackend.h"

using namespace kelmar;
using Bytes = std::vector<std::vector<std::uint8_t>>;

namespace {

class MessageLayerTest : public ::testing::Test {
protected:
    MessageLayerTest()
    {
        auto backend = std::make_unique<test::RecordingBackend>();
        device = backend.get();
        catalogue.addBackend(std::move(backend));
        catalogue.setMapper(device, "Mapper", "Default output");
    }

    void openDefaults()
    {
        layer.ListMidiOutDevices();
        layer.ListMidiInDevices();
        out.setDeviceIndex(-1);
        layer.OpenMidiOut(1);
        layer.OpenMidiIn(0);
    }

    Bytes sent() const { return device->sentBytes(); }

    // Feeds messages as one device event each and waits until they are handled.
    void receive(const Bytes& events)
    {
        for (const auto& e : events)
            device->receive(e);
        test::waitUntil([&] { return in.QueueCount() == 0; });
    }

    MidiDeviceCatalogue catalogue;
    test::RecordingBackend* device = nullptr;
    MidiOutputPort out{catalogue};
    MidiInputPort in{catalogue};
    MidiMessageLayer layer{out, in};
};

} // namespace

TEST_F(MessageLayerTest, ProgrammeAndPanGoOutOnTheCurrentChannel)
{
    openDefaults();
    layer.channels().CurrentChannel = 2;
    layer.channels().ChannelPatch[2] = 41;
    layer.SendProgramChange();
    layer.channels().CurrentChannel = 0;
    layer.channels().ChannelPan[0] = 0;
    layer.SendPan();
    layer.SendMidi(0x90, 60, "100");
    EXPECT_EQ(sent(), (Bytes{{0xC2, 41}, {0xB0, 10, 0}, {0x90, 60, 100}}));
}

TEST_F(MessageLayerTest, SweepSilencesEveryNoteNoteByNoteAndRestoresTheChannel)
{
    openDefaults();
    layer.channels().CurrentChannel = 5;
    layer.AllNotesOffSweep();
    const Bytes messages = sent();
    ASSERT_EQ(messages.size(), 2048u);
    EXPECT_EQ(messages.front(), (std::vector<std::uint8_t>{0x90, 0, 0}));
    EXPECT_EQ(messages[1], (std::vector<std::uint8_t>{0x91, 0, 0}));
    EXPECT_EQ(messages[15], (std::vector<std::uint8_t>{0x9F, 0, 0}));
    EXPECT_EQ(messages[16], (std::vector<std::uint8_t>{0x90, 1, 0}));
    EXPECT_EQ(messages.back(), (std::vector<std::uint8_t>{0x9F, 127, 0}));
    for (std::size_t i = 0; i < messages.size(); ++i) {
        ASSERT_EQ(messages[i][0], 0x90 + i % 16);
        ASSERT_EQ(messages[i][1], i / 16);
    }
    EXPECT_EQ(layer.channels().CurrentChannel, 5);
}

TEST_F(MessageLayerTest, DeviceListsPutTheDefaultOutputFirst)
{
    EXPECT_EQ(layer.ListMidiOutDevices(), (std::vector<std::string>{"Default output", "Recorder A", "Recorder B"}));
    EXPECT_EQ(layer.ListMidiInDevices(), (std::vector<std::string>{"Keyboard A", "Keyboard B"}));
}

TEST_F(MessageLayerTest, OpeningByListPosition)
{
    openDefaults();
    EXPECT_EQ(device->opened, (std::vector<std::string>{"Recorder A"}));
    EXPECT_EQ(out.IsOpen(), 1);
    EXPECT_EQ(in.IsOpen(), 1);
    EXPECT_EQ(device->openInputName, "Keyboard A");

    layer.OpenMidiOut(0); // the default output, device -1
    EXPECT_EQ(out.DeviceIndex(), -1);
    EXPECT_EQ(out.OpenDeviceName(), "Default output");
    layer.OpenMidiOut(2);
    layer.OpenMidiIn(1);
    EXPECT_EQ(device->opened, (std::vector<std::string>{"Recorder A", "Mapper", "Recorder B"}));
    EXPECT_EQ(device->openInputName, "Keyboard B");

    layer.SendMidi(0x90, 1, 2);
    EXPECT_EQ(device->sentTo.back(), "Recorder B");
}

TEST_F(MessageLayerTest, MissingOrRefusingDevicesLeaveThePortsClosedWithAReason)
{
    device->refuse = {"Recorder A", "Keyboard A"};
    openDefaults();
    EXPECT_EQ(out.IsOpen(), 0);
    EXPECT_EQ(in.IsOpen(), 0);
    EXPECT_NE(out.LastError().find("refused"), std::string::npos);
    EXPECT_NE(in.LastError().find("refused"), std::string::npos);

    layer.OpenMidiOut(9);
    layer.OpenMidiIn(7);
    EXPECT_EQ(out.IsOpen(), 0);
    EXPECT_EQ(in.IsOpen(), 0);
    EXPECT_FALSE(out.LastError().empty());
    EXPECT_FALSE(in.LastError().empty());

    layer.SendMidi(0x90, 60, 100); // goes nowhere, does no harm
    layer.AllNotesOffSweep();
    EXPECT_TRUE(sent().empty());
}

TEST_F(MessageLayerTest, DefaultOutputFallsBackToWhatOpensAndSaysSo)
{
    device->refuse = {"Mapper"};
    layer.ListMidiOutDevices();
    layer.OpenMidiOut(0);
    EXPECT_EQ(out.IsOpen(), 1);
    EXPECT_EQ(out.OpenDeviceName(), "Recorder A");
    EXPECT_NE(out.LastError().find("refused"), std::string::npos);
    EXPECT_NE(out.LastError().find("\"Recorder A\" instead"), std::string::npos);

    device->refuse = {"Mapper", "Recorder A", "Recorder B"};
    layer.OpenMidiOut(0);
    EXPECT_EQ(out.IsOpen(), 0);
    EXPECT_NE(out.LastError().find("nothing can sound"), std::string::npos);
}

TEST_F(MessageLayerTest, MessagesADeviceDropsAreReportedOncePerOpen)
{
    std::vector<std::string> shown;
    layer.setErrorPresenter([&](const std::string& text) { shown.push_back(text); });
    openDefaults();
    layer.SendMidi(0x90, 60, 100);
    EXPECT_TRUE(shown.empty());

    device->stalled = true;
    layer.AllNotesOffSweep();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("\"Recorder A\""), std::string::npos);

    layer.OpenMidiOut(1);
    layer.SendMidi(0x90, 60, 100);
    EXPECT_EQ(shown.size(), 2u);
}

TEST_F(MessageLayerTest, IncomingMidiIsEchoedOrAppliedToTheCurrentChannelsControls)
{
    test::GeneralControlsStandIn controls(layer);
    layer.setControls(&controls.handling);
    openDefaults();

    receive({{0x91, 60, 100}});
    receive({{0x90, 61, 90}, {0x80, 61, 0}});
    EXPECT_EQ(sent(), (Bytes{{0x91, 60, 100}, {0x90, 61, 90}, {0x80, 61, 0}}));

    device->sent.clear();
    receive({{0xC0, 5}});
    receive({{0xB0, 7, 90}});
    receive({{0xB0, 10, 20}});
    receive({{0xB0, 64, 127}});
    // programme and pan are sent by the controls' own handling; volume and other controllers are not
    EXPECT_EQ(sent(), (Bytes{{0xC0, 5}, {0xB0, 10, 20}}));
    using Call = test::GeneralControlsStandIn::Call;
    EXPECT_EQ(controls.calls, (std::vector<Call>{{'P', 5}, {'V', 90}, {'N', 20}}));
    EXPECT_EQ(layer.channels().ChannelPatch[0], 5);
    EXPECT_EQ(layer.channels().ChannelVolume[0], 90);
    EXPECT_EQ(layer.channels().ChannelPan[0], 20);

    device->sent.clear();
    receive({{0xB0, 10, 20}}); // the pan bar already shows 20: nothing is sent
    receive({{0xC3, 9}, {0xB3, 7, 1}, {0xE0, 0, 64}, {0xFA}}); // other channels and kinds: echoed
    EXPECT_EQ(sent(), (Bytes{{0xC3, 9}, {0xB3, 7, 1}, {0xE0, 0, 64}, {0xFA}}));
}

TEST_F(MessageLayerTest, ThruFollowsTheCurrentChannel)
{
    test::GeneralControlsStandIn controls(layer);
    layer.setControls(&controls.handling);
    openDefaults();
    layer.channels().CurrentChannel = 3;
    receive({{0xC0, 5}, {0xC3, 6}, {0x93, 60, 1}});
    EXPECT_EQ(sent(), (Bytes{{0xC0, 5}, {0xC3, 6}, {0x93, 60, 1}}));
    EXPECT_EQ(layer.channels().ChannelPatch[3], 6);
}

TEST_F(MessageLayerTest, QueuedMessagesAreHandledInOneEventInArrivalOrder)
{
    openDefaults();
    QSignalSpy arrived(&in, &MidiInputPort::MessagesArrived);
    device->receive({0x90, 1, 1});
    device->receive({0x91, 2, 2});
    device->receive({0x92, 3, 3});
    ASSERT_TRUE(test::waitUntil([&] { return sent().size() == 3; }));
    test::settle();
    EXPECT_EQ(arrived.count(), 1);
    EXPECT_EQ(sent(), (Bytes{{0x90, 1, 1}, {0x91, 2, 2}, {0x92, 3, 3}}));
}

TEST_F(MessageLayerTest, ABurstLargerThanOneBatchFollowsOverSeveralEventsInOrder)
{
    openDefaults();
    QSignalSpy arrived(&in, &MidiInputPort::MessagesArrived);
    std::vector<std::uint8_t> burst;
    Bytes expected;
    for (int i = 0; i < 1000; ++i) {
        const auto note = static_cast<std::uint8_t>(i % 128);
        const auto channel = static_cast<std::uint8_t>(0x90 + i / 128);
        burst.insert(burst.end(), {channel, note, 1});
        expected.push_back({channel, note, 1});
    }
    device->receive(burst); // one device event, one wake-up
    ASSERT_TRUE(test::waitUntil([&] { return sent().size() == expected.size(); }));
    EXPECT_EQ(sent(), expected);
    EXPECT_GE(arrived.count(), 4); // 1000 messages, at most 256 per event
}

TEST_F(MessageLayerTest, NothingArrivesWhileTheInputIsStopped)
{
    openDefaults();
    QSignalSpy arrived(&in, &MidiInputPort::MessagesArrived);
    in.Command(MidiInputPort::Stop);
    device->receive({0x90, 1, 1});
    test::settle();
    EXPECT_EQ(arrived.count(), 0);
    EXPECT_EQ(in.QueueCount(), 0);

    in.Command(MidiInputPort::Start);
    device->receive({0x90, 2, 2});
    EXPECT_TRUE(test::waitUntil([&] { return arrived.count() == 1; }));
    EXPECT_EQ(sent(), (Bytes{{0x90, 2, 2}}));
}

TEST_F(MessageLayerTest, InputErrorsAreShownExceptWarnings)
{
    std::vector<std::string> shown;
    layer.setErrorPresenter([&](const std::string& text) { shown.push_back(text); });
    layer.ReportMidiInError(8, "overflow");
    layer.ReportMidiInError(0, "fine");
    layer.ReportMidiInError(2, "The keyboard went away");
    EXPECT_EQ(shown, (std::vector<std::string>{"The keyboard went away"}));
}

TEST_F(MessageLayerTest, CloseMidiClosesBothPortsThenEndsTheProgram)
{
    openDefaults();
    bool ended = false;
    layer.setProgramEnd([&] {
        ended = true;
        EXPECT_EQ(out.IsOpen(), 0);
        EXPECT_EQ(in.IsOpen(), 0);
    });
    layer.CloseMidi();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(device->inputOpen());
    device->receive({0x90, 1, 1});
    test::settle();
    EXPECT_TRUE(sent().empty());
}

namespace {

// An output wired back to the input of the same pair, as "Midi Through" on
// both sides or a patchbay loop would be: every message sent comes straight
// back in. It stops feeding back after `limit` messages, so that a loop that
// held the UI thread ends and the test fails instead of hanging.
class LoopBackend : public MidiBackend {
public:
    std::vector<std::string> outputNames() override { return {"Loop"}; }
    std::vector<std::string> inputNames() override { return {"Loop"}; }
    OpenResult<MidiOutputDevice> openOutput(const std::string&) override
    {
        return {std::make_unique<Output>(*this), {}};
    }
    OpenResult<MidiInputDevice> openInput(const std::string&, MidiInputQueue& queue) override
    {
        return {std::make_unique<Input>(*this, queue), {}};
    }

    static constexpr long limit = 500000;
    long sends = 0;
    MidiInputQueue* queue = nullptr;

private:
    struct Output : MidiOutputDevice {
        explicit Output(LoopBackend& loop) : loop(loop) {}
        void send(const MidiBytes& message) override
        {
            if (++loop.sends < limit && loop.queue)
                loop.queue->pushEvent(message.bytes());
        }
        bool isOpen() const override { return true; }
        LoopBackend& loop;
    };
    struct Input : MidiInputDevice {
        Input(LoopBackend& loop, MidiInputQueue& queue) : loop(loop) { loop.queue = &queue; }
        ~Input() override { loop.queue = nullptr; }
        bool isOpen() const override { return true; }
        LoopBackend& loop;
    };
};

} // namespace

TEST(MidiThruFeedback, ALoopFromOutputToInputLeavesTheEventLoopRunningUntilTheInputCloses)
{
    MidiDeviceCatalogue catalogue;
    auto backend = std::make_unique<LoopBackend>();
    LoopBackend* loop = backend.get();
    catalogue.addBackend(std::move(backend));
    MidiOutputPort out(catalogue);
    MidiInputPort in(catalogue);
    MidiMessageLayer layer(out, in);
    layer.ListMidiOutDevices();
    layer.ListMidiInDevices();
    layer.OpenMidiOut(1);
    layer.OpenMidiIn(0);
    ASSERT_EQ(out.IsOpen(), 1);
    ASSERT_EQ(in.IsOpen(), 1);

    const std::vector<std::uint8_t> note{0x91, 60, 100, 0x91, 62, 100, 0x91, 64, 100};
    loop->queue->pushEvent(note);

    // A timer keeps firing while the messages circulate; its third tick closes the input.
    std::vector<long> sendsAtTicks;
    QEventLoop events;
    QTimer ticker;
    ticker.setInterval(2);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        sendsAtTicks.push_back(loop->sends);
        if (sendsAtTicks.size() == 3) {
            in.Command(MidiInputPort::Close);
            events.quit();
        }
    });
    QTimer::singleShot(10000, &events, &QEventLoop::quit); // only if the ticks never come
    ticker.start();
    events.exec();
    ticker.stop();

    ASSERT_EQ(sendsAtTicks.size(), 3u);
    EXPECT_LT(sendsAtTicks[0], sendsAtTicks[2]) << "the loop circulated between the ticks";
    EXPECT_LT(sendsAtTicks[2], LoopBackend::limit) << "the ticks waited until the loop gave up";
    const long atClose = loop->sends;
    test::settle();
    EXPECT_EQ(loop->sends, atClose) << "closing the input ends the loop";
}

TEST(PortErrorText, ReadsAsSentencesWithAndWithoutADeviceName)
{
    const struct {
        int code;
        const char* device;
        const char* text;
    } table[] = {
        {PortErrorOpenFailed, "", "The MIDI input could not be opened."},
        {PortErrorOpenFailed, "Keys", "The MIDI input \"Keys\" could not be opened."},
        {PortErrorDeviceLost, "", "The MIDI input is no longer there; no MIDI comes in from it while it is gone."},
        {PortErrorDeviceLost, "Keys", "The MIDI input \"Keys\" is no longer there; no MIDI comes in from it while it is gone."},
        {5, "", "The MIDI input reported error 5."},
        {5, "Keys", "The MIDI input \"Keys\" reported error 5."},
    };
    for (const auto& row : table)
        EXPECT_EQ(portErrorText(row.code, row.device), row.text);
    for (int code = 0; code < 32; ++code) {
        for (const std::string device : {"", "Keys"}) {
            const std::string text = portErrorText(code, device);
            EXPECT_TRUE(std::isupper(static_cast<unsigned char>(text.front())) && text.back() == '.') << text;
            EXPECT_EQ(text.find("MIDI input the"), std::string::npos) << text;
        }
    }
}
