// The JACK backend against a real JACK server of the tests' own and real
// JACK clients: what leaves through the message layer and the output port,
// what comes in through the input port and MidiThru, and what happens when
// peers or the server go away. The program runs once on JACK2 and once on
// PipeWire (see tests/CMakeLists.txt).
#include <gtest/gtest.h>

#include <QSignalSpy>

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <future>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

#include "midi/MidiDeviceCatalogue.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiInputQueue.h"
#include "midi/MidiMessageLayer.h"
#include "midi/MidiOutputPort.h"
#include "midi/PortError.h"
#include "midi/jack/JackBackend.h"
#include "midi/jack/JackClient.h"
#include "midi/jack/JackPeerLink.h"
#include "support/EventLoop.h"
#include "support/GeneralControlsStandIn.h"
#include "support/JackMidiDump.h"
#include "support/JackReceiver.h"
#include "support/JackServer.h"

using namespace kelmar;
using namespace std::chrono_literals;
using Events = std::vector<test::JackReceiver::Event>;

namespace {

// What AllNotesOffSweep puts on the wire: note 0..127, and for each note
// channel 0..15, a note on with velocity 0.
Events sweep(int times = 1)
{
    Events events;
    for (int t = 0; t < times; ++t)
        for (int note = 0; note <= 127; ++note)
            for (int channel = 0; channel <= 15; ++channel)
                events.push_back({static_cast<std::uint8_t>(0x90 + channel), static_cast<std::uint8_t>(note), 0});
    return events;
}

// PipeWire hands a note-on of velocity 0 on as a note-off of velocity 64,
// which means the same; on PipeWire both sides are compared in that form.
Events asDelivered(Events events)
{
    if (test::serverKind() != test::ServerKind::PipeWire)
        return events;
    for (auto& event : events)
        if (event.size() == 3 && (event[0] & 0xF0) == 0x90 && event[2] == 0)
            event = {static_cast<std::uint8_t>(0x80 | (event[0] & 0x0F)), event[1], 64};
    return events;
}

bool contains(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// A JACK server with the program's MIDI ports and message layer over a
// catalogue holding only the JACK backend, and a receiver client on it.
class JackBackendTest : public ::testing::Test {
protected:
    JackBackendTest()
    {
        auto backend = std::make_unique<JackBackend>("Kelmar");
        jack = backend.get();
        catalogue.addBackend(std::move(backend));
    }

    void SetUp() override
    {
        ASSERT_TRUE(server.running()) << server.failure();
        receiver = std::make_unique<test::JackReceiver>();
        ASSERT_TRUE(receiver->ok());
    }

    // Opens the output on the JACK port `port` by its list position.
    ::testing::AssertionResult openOutputTo(const std::string& port)
    {
        if (!server.waitForPort(port))
            return ::testing::AssertionFailure() << port << " never appeared";
        const auto names = layer.ListMidiOutDevices(); // position 0 is the default output
        const auto found = std::find(names.begin(), names.end(), port);
        if (found == names.end())
            return ::testing::AssertionFailure() << port << " is not listed";
        // A peer registers its port before it runs, and JACK2 connects only
        // to a client that runs: jack_midi_dump, say, locks its large
        // memory in between. The open is tried again until it runs.
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        for (;;) {
            layer.OpenMidiOut(static_cast<int>(found - names.begin()));
            if (out.IsOpen() == 1)
                return ::testing::AssertionSuccess();
            if (std::chrono::steady_clock::now() > deadline
                || out.LastError().find("could not connect") == std::string::npos)
                return ::testing::AssertionFailure() << "opening failed: " << out.LastError();
            std::this_thread::sleep_for(50ms);
        }
    }

    ::testing::AssertionResult openInputFrom(const std::string& port)
    {
        if (!server.waitForPort(port))
            return ::testing::AssertionFailure() << port << " never appeared";
        const auto names = layer.ListMidiInDevices();
        const auto found = std::find(names.begin(), names.end(), port);
        if (found == names.end())
            return ::testing::AssertionFailure() << port << " is not listed";
        layer.OpenMidiIn(static_cast<int>(found - names.begin()));
        if (in.IsOpen() != 1)
            return ::testing::AssertionFailure() << "opening failed: " << in.LastError();
        return ::testing::AssertionSuccess();
    }

    // Waits until `sent` has reached the receiver, whole and in order. Only
    // what went into cycles the receiver or our client missed may be lost:
    // on PipeWire, without real-time threads and beside other tests, a
    // client now and then misses one.
    ::testing::AssertionResult arrivedInOrder(const Events& sent)
    {
        const auto missed = [&] { return receiver->missedCycles() + jack->missedCycles(); };
        const auto lost = [&] { return missed() * JackClient::MaxPeriodEvents; };
        test::waitUntil([&] { return receiver->received().size() + lost() >= sent.size(); });
        letPeriodsPass(4);
        const Events want = asDelivered(sent);
        const Events got = asDelivered(receiver->received());
        if (got == want)
            return ::testing::AssertionSuccess();
        if (got.size() > want.size() || want.size() - got.size() > lost())
            return ::testing::AssertionFailure() << got.size() << " of " << want.size() << " arrived; "
                                                 << missed() << " cycles were missed";
        std::size_t matched = 0;
        for (const auto& event : want)
            if (matched < got.size() && got[matched] == event)
                ++matched;
        if (matched != got.size())
            return ::testing::AssertionFailure() << "what arrived is out of order, from event " << matched;
        return ::testing::AssertionSuccess();
    }

    // Waits, running the event loop, until the receiver holds `count` events.
    bool received(std::size_t count)
    {
        return test::waitUntil([&] { return receiver->received().size() >= count; });
    }

    // Waits, running the event loop, until `spy` has caught the PortError `code`.
    static bool caught(QSignalSpy& spy, int code)
    {
        return test::waitUntil([&] {
            return std::any_of(spy.begin(), spy.end(), [&](const QList<QVariant>& args) { return args.at(0).toInt() == code; });
        });
    }

    // Waits until the receiver has run `periods` more process cycles.
    void letPeriodsPass(std::uint64_t periods)
    {
        const std::uint64_t target = receiver->cycles() + periods;
        test::waitUntil([&] { return receiver->cycles() >= target; });
    }

    test::JackServer server;
    MidiDeviceCatalogue catalogue;
    JackBackend* jack = nullptr;
    MidiOutputPort out{catalogue};
    MidiInputPort in{catalogue};
    MidiMessageLayer layer{out, in};
    std::unique_ptr<test::JackReceiver> receiver;
};

// --- listing and opening -------------------------------------------------

TEST_F(JackBackendTest, ListsOtherClientsMidiPortsButNotItsOwnOrAudioPorts)
{
    const auto outputs = jack->outputNames();
    const auto inputs = jack->inputNames();
    EXPECT_TRUE(contains(outputs, receiver->inputPort()));
    EXPECT_TRUE(contains(inputs, receiver->outputPort()));
    EXPECT_FALSE(contains(outputs, receiver->outputPort()));
    EXPECT_FALSE(contains(inputs, receiver->inputPort()));
    for (const auto& name : outputs)
        EXPECT_FALSE(name.starts_with("Kelmar:") || name.starts_with("system:")) << name;
    for (const auto& name : inputs)
        EXPECT_FALSE(name.starts_with("Kelmar:") || name.starts_with("system:")) << name;
}

// PipeWire shows ALSA sequencer ports in the JACK graph as ports of its
// "Midi-Bridge" client, named after the ALSA client; the program's own ALSA
// ports come back that way. A client of that name stands in for the bridge.
TEST_F(JackBackendTest, NeverOffersItsOwnAlsaPortsAsPipeWireBridgesThem)
{
    jack_client_t* bridge = jack_client_open("Midi-Bridge", JackNoStartServer, nullptr);
    ASSERT_NE(bridge, nullptr);
    const auto add = [&](const char* name, unsigned long flags) {
        return jack_port_register(bridge, name, JACK_DEFAULT_MIDI_TYPE, flags, 0) != nullptr;
    };
    ASSERT_TRUE(add("Kelmar:(capture_0) midi_out", JackPortIsOutput));
    ASSERT_TRUE(add("Kelmar:(playback_1) midi_in", JackPortIsInput));
    ASSERT_TRUE(add("Midi Through:(playback_0) Midi Through Port-0", JackPortIsInput));
    ASSERT_EQ(jack_activate(bridge), 0);
    const std::string through = "Midi-Bridge:Midi Through:(playback_0) Midi Through Port-0";
    ASSERT_TRUE(server.waitForPort(through));

    const auto outputs = jack->outputNames();
    EXPECT_TRUE(contains(outputs, through));
    EXPECT_FALSE(contains(outputs, "Midi-Bridge:Kelmar:(playback_1) midi_in"));
    EXPECT_FALSE(contains(jack->inputNames(), "Midi-Bridge:Kelmar:(capture_0) midi_out"));
    const auto own = jack->openOutput("Midi-Bridge:Kelmar:(playback_1) midi_in");
    EXPECT_EQ(own.device, nullptr);
    EXPECT_NE(own.error.find("own ports"), std::string::npos) << own.error;
    EXPECT_FALSE(JackBackend::isBridgedOwnPort("Midi-Bridge:Kelmar Synth:(capture_0) out", "Kelmar"));
    jack_client_close(bridge);
}

TEST_F(JackBackendTest, OpenedInTheBackgroundListsAndPlaysAsUsual)
{
    JackBackend early("Early");
    early.openInBackground();
    EXPECT_TRUE(contains(early.outputNames(), receiver->inputPort()));
    const auto output = early.openOutput(receiver->inputPort());
    ASSERT_NE(output.device, nullptr) << output.error;
    output.device->send({{0x90, 60, 100}, 3});
    ASSERT_TRUE(received(1));
    EXPECT_EQ(receiver->received(), (Events{{0x90, 60, 100}}));

    // A backend that goes before its open has been taken waits for it.
    JackBackend unused("Unused");
    unused.openInBackground();
}

TEST_F(JackBackendTest, ClientRunsFromItsOpenSoPatchbayConnectionsCarryWhatIsPlayed)
{
    // Another program (a patchbay) connects our output before any JACK
    // device is chosen; JACK2 refuses that while the client does not run.
    ASSERT_TRUE(contains(jack->outputNames(), receiver->inputPort()));
    ASSERT_TRUE(server.waitForPort("Kelmar:midi_out")); // and some periods for the activation
    auto& patchbay = server.startPeer({"jack_connect", "Kelmar:midi_out", receiver->inputPort()});
    ASSERT_TRUE(test::waitUntil([&] { return !patchbay.running(); }));
    ASSERT_EQ(patchbay.exitCode(), 0);

    // Choosing another JACK device: both connections carry what is played.
    test::JackReceiver chosen("chosen");
    ASSERT_TRUE(openOutputTo(chosen.inputPort()));
    layer.SendMidi(0x90, 60, 100);
    ASSERT_TRUE(received(1));
    ASSERT_TRUE(chosen.waitFor(1));
    EXPECT_EQ(receiver->received(), (Events{{0x90, 60, 100}}));
    EXPECT_EQ(chosen.received(), (Events{{0x90, 60, 100}}));

    // Closing and choosing again leaves the patchbay's connection alone.
    ASSERT_TRUE(openOutputTo(chosen.inputPort()));
    layer.SendMidi(0x90, 61, 100);
    ASSERT_TRUE(received(2));
    EXPECT_EQ(receiver->received().back(), (test::JackReceiver::Event{0x90, 61, 100}));
}

TEST_F(JackBackendTest, RefusesPortsThatAreMissingOrOfTheWrongKindWithAReason)
{
    MidiInputQueue queue;
    for (const std::string name : {"nobody:nothing", "system:playback_1", "Kelmar:midi_in", "Kelmar:midi_out"}) {
        const auto output = jack->openOutput(name);
        EXPECT_EQ(output.device, nullptr) << name;
        EXPECT_NE(output.error.find(name), std::string::npos) << output.error;
    }
    for (const std::string& name : std::vector<std::string>{"nobody:nothing", "system:capture_1", "Kelmar:midi_out",
                                                             "Kelmar:midi_in", receiver->inputPort()}) {
        const auto input = jack->openInput(name, queue);
        EXPECT_EQ(input.device, nullptr) << name;
        EXPECT_NE(input.error.find(name), std::string::npos) << input.error;
    }
}

// --- output ----------------------------------------------------------------

TEST_F(JackBackendTest, AnIndependentClientReceivesTheExactBytes)
{
    auto& dump = server.startPeer({"jack_midi_dump", "dump"}, {.captureOutput = true});
    ASSERT_TRUE(openOutputTo("dump:input"));

    // jack_midi_dump registers its port before it locks its (large) memory
    // and runs; what reaches the port before it runs is lost. A probe on an
    // undefined controller is sent until the dump prints one.
    const Events probe = {{0xBF, 102, 0}};
    auto dumpedAfterProbes = [&] {
        Events events = test::parseJackMidiDump(dump.output());
        std::erase(events, probe.front());
        return events;
    };
    bool heard = false;
    for (int i = 0; i < 500 && !heard; ++i) {
        layer.SendMidi(0xBF, 102, 0);
        heard = test::waitUntil([&] { return !test::parseJackMidiDump(dump.output()).empty(); }, 20);
    }
    ASSERT_TRUE(heard) << "jack_midi_dump never ran";

    layer.SendMidi(0x90, 60, 100);
    layer.SendMidi(0xB0, 10, 64);
    layer.SendMidi(0xC0, 5, 0);

    Events dumped;
    test::waitUntil([&] { return (dumped = dumpedAfterProbes()).size() >= 3; });
    EXPECT_EQ(dumped, (Events{{0x90, 60, 100}, {0xB0, 10, 64}, {0xC0, 5}}));
}

TEST_F(JackBackendTest, SweepArrivesWholeAndInOrder)
{
    ASSERT_TRUE(openOutputTo(receiver->inputPort()));
    layer.AllNotesOffSweep();
    EXPECT_TRUE(arrivedInOrder(sweep()));
    EXPECT_EQ(receiver->dropped(), 0u);
}

TEST_F(JackBackendTest, BackToBackSweepsLoseNothing)
{
    ASSERT_TRUE(openOutputTo(receiver->inputPort()));
    layer.AllNotesOffSweep();
    layer.AllNotesOffSweep();
    layer.AllNotesOffSweep();
    EXPECT_TRUE(arrivedInOrder(sweep(3)));
    EXPECT_EQ(receiver->dropped(), 0u);
}

// More than the output holds at once: sending waits for room, nothing is lost.
TEST_F(JackBackendTest, MoreThanTheOutputHoldsArrivesWholeAndInOrder)
{
    ASSERT_TRUE(openOutputTo(receiver->inputPort()));
    constexpr int sweeps = 40; // 81,920 messages
    for (int i = 0; i < sweeps; ++i)
        layer.AllNotesOffSweep();
    EXPECT_TRUE(arrivedInOrder(sweep(sweeps)));
    EXPECT_EQ(receiver->dropped(), 0u);
}

TEST_F(JackBackendTest, ClosingRightAfterASweepStillDeliversIt)
{
    ASSERT_TRUE(openOutputTo(receiver->inputPort()));
    layer.AllNotesOffSweep();
    out.Command(MidiOutputPort::Close);
    EXPECT_EQ(out.IsOpen(), 0);
    EXPECT_TRUE(arrivedInOrder(sweep()));
}

TEST_F(JackBackendTest, ClosingDisconnectsFromThePeer)
{
    test::JackReceiver other("other");
    ASSERT_TRUE(other.ok());
    ASSERT_TRUE(openOutputTo(receiver->inputPort()));
    layer.SendMidi(0x90, 60, 100);
    ASSERT_TRUE(received(1));

    ASSERT_TRUE(openOutputTo(other.inputPort())); // closes the first one
    layer.SendMidi(0x90, 61, 100);
    ASSERT_TRUE(other.waitFor(1));
    letPeriodsPass(2);
    EXPECT_EQ(receiver->received(), (Events{{0x90, 60, 100}}));
    EXPECT_EQ(other.received(), (Events{{0x90, 61, 100}}));
}

TEST_F(JackBackendTest, SendingWithNoDeviceOpenDoesNothing)
{
    layer.SendMidi(0x90, 60, 100);
    ASSERT_TRUE(openOutputTo(receiver->inputPort()));
    out.Command(MidiOutputPort::Close);
    layer.SendMidi(0x90, 61, 100);
    layer.AllNotesOffSweep();
    EXPECT_EQ(out.IsOpen(), 0);
    letPeriodsPass(4);
    EXPECT_EQ(receiver->arrived(), 0u);
}

// --- input and MidiThru ----------------------------------------------------

// A sender client plays into our input, MidiThru echoes to the receiver:
// sender -> Kelmar -> receiver. (Not one client both ways: JACK cannot
// order a loop, and clients in a loop may run at the same time.)
class JackThruTest : public JackBackendTest {
protected:
    void SetUp() override
    {
        JackBackendTest::SetUp();
        if (HasFatalFailure())
            return;
        sender = std::make_unique<test::JackReceiver>("sender");
        ASSERT_TRUE(sender->ok());
        layer.setControls(&controls.handling);
        layer.channels().CurrentChannel = 0;
        ASSERT_TRUE(openOutputTo(receiver->inputPort()));
        ASSERT_TRUE(openInputFrom(sender->outputPort()));
    }

    // Sends `events` in one period from the sender into our input, then a
    // marker note that MidiThru echoes; waits until the marker reaches the
    // receiver, so everything MidiThru did with `events` is there before it.
    Events roundTrip(const Events& events)
    {
        const std::size_t before = receiver->received().size();
        Events batch = events;
        batch.push_back(marker);
        EXPECT_TRUE(sender->send(batch));
        EXPECT_TRUE(test::waitUntil([&] {
            const auto& got = receiver->received();
            return got.size() > before && got.back() == marker;
        }));
        const auto& got = receiver->received();
        return Events(got.begin() + static_cast<std::ptrdiff_t>(before), got.end() - 1);
    }

    const test::JackReceiver::Event marker{0x9F, 127, 1};
    test::GeneralControlsStandIn controls{layer};
    std::unique_ptr<test::JackReceiver> sender;
};

TEST_F(JackThruTest, EchoesNotesAndAppliesControllersOfTheCurrentChannel)
{
    using Call = test::GeneralControlsStandIn::Call;

    EXPECT_EQ(roundTrip({{0x91, 60, 100}}), (Events{{0x91, 60, 100}})) << "other channel's note echoed unchanged";

    EXPECT_EQ(roundTrip({{0xC0, 5}}), (Events{{0xC0, 5}})) << "programme change applied and sent by the patch list";
    EXPECT_EQ(layer.channels().ChannelPatch[0], 5);

    EXPECT_EQ(roundTrip({{0xB0, 7, 90}}), Events{}) << "volume applied, nothing sent";
    EXPECT_EQ(layer.channels().ChannelVolume[0], 90);

    EXPECT_EQ(roundTrip({{0xB0, 10, 20}}), (Events{{0xB0, 10, 20}})) << "pan applied and sent by the pan bar";
    EXPECT_EQ(layer.channels().ChannelPan[0], 20);

    EXPECT_EQ(roundTrip({{0xB0, 64, 127}}), Events{}) << "other controllers of the current channel dropped";

    EXPECT_EQ(controls.calls, (std::vector<Call>{{'P', 5}, {'V', 90}, {'N', 20}}));
}

TEST_F(JackThruTest, MessagesOfOnePeriodAreHandledTogetherInArrivalOrder)
{
    QSignalSpy arrivals(&in, &MidiInputPort::MessagesArrived);
    const Events three{{0x91, 60, 100}, {0x92, 61, 101}, {0x93, 62, 102}};
    ASSERT_TRUE(sender->send(three));

    // Not running the event loop until all three are queued: one wake-up,
    // one MessagesArrived, one MidiThru for the three.
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (in.QueueCount() < 3 && std::chrono::steady_clock::now() < deadline)
        usleep(1000);
    ASSERT_EQ(in.QueueCount(), 3);
    ASSERT_TRUE(received(3)) << receiver->received().size() << " echoed, " << arrivals.count() << " deliveries";
    EXPECT_EQ(receiver->received(), three);
    EXPECT_EQ(arrivals.count(), 1);

    roundTrip({}); // a later period makes a second, separate delivery
    EXPECT_EQ(arrivals.count(), 2);
}

// A clock master's stream: start, clocks, continue, stop and active sensing
// among notes, over several periods, all echoed in order; system exclusive
// stays out.
TEST_F(JackThruTest, RealTimeStreamIsEchoedWholeAndInOrder)
{
    Events expected;
    for (std::uint8_t beat = 0; beat < 4; ++beat) {
        Events period{{0xFA}, {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}};
        if (beat > 0)
            period.front() = {static_cast<std::uint8_t>(beat == 3 ? 0xFC : 0xFB)};
        for (int tick = 0; tick < 4; ++tick) // eight events: the most one send takes
            period.push_back({0xF8});
        period.push_back({0x91, static_cast<std::uint8_t>(60 + beat), 100});
        period.push_back({0xFE});
        ASSERT_TRUE(sender->send(period));
        for (const auto& event : period)
            if (event.front() != 0xF0)
                expected.push_back(event);
    }
    EXPECT_TRUE(arrivedInOrder(expected));
}

TEST_F(JackThruTest, ReopeningTheSameInputKeepsItWorking)
{
    QSignalSpy errors(&in, &MidiInputPort::PortError);
    ASSERT_TRUE(openInputFrom(sender->outputPort())); // closes, then opens the same port
    ASSERT_TRUE(openInputFrom(sender->outputPort()));
    EXPECT_EQ(roundTrip({{0x91, 60, 100}}), (Events{{0x91, 60, 100}}));
    EXPECT_EQ(roundTrip({{0x91, 61, 100}}), (Events{{0x91, 61, 100}}));
    EXPECT_EQ(in.IsOpen(), 1);
    EXPECT_EQ(errors.count(), 0);
}

// Closing an input while messages flow in every period: once the device is
// gone the queue may be destroyed at once (AddressSanitizer sees any late push).
TEST_F(JackBackendTest, ClosedInputNeverTouchesItsQueueAgain)
{
    for (int round = 0; round < 20; ++round) {
        auto queue = std::make_unique<MidiInputQueue>();
        queue->setAccepting(true);
        auto input = jack->openInput(receiver->outputPort(), *queue);
        ASSERT_NE(input.device, nullptr) << input.error;
        for (int batch = 0; batch < 2; ++batch)
            ASSERT_TRUE(receiver->send({{0x91, 60, 100}, {0x91, 61, 100}}));
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        while (queue->size() == 0 && std::chrono::steady_clock::now() < deadline)
            usleep(200);
        ASSERT_GT(queue->size(), 0u);
        input.device.reset();
        queue.reset();
    }
}

// --- peers and the server going away -----------------------------------------

// The peer programs end as programs that quit do, closing their client.
// (One killed outright makes this synchronous server wait out its client
// timeout ten times over before it lets the client go.)
TEST_F(JackBackendTest, InputWhosePeerGoesAwayIsReportedLost)
{
    auto& sequencer = server.startPeer({"jack_midiseq", "sequencer", "24000", "0", "60", "8000"});
    ASSERT_TRUE(openInputFrom("sequencer:out"));
    std::string shown;
    layer.setErrorPresenter([&](const std::string& text) { shown = text; });
    QSignalSpy errors(&in, &MidiInputPort::PortError);

    sequencer.stop();
    ASSERT_TRUE(caught(errors, PortErrorDeviceLost));
    EXPECT_EQ(in.IsOpen(), 0);
    EXPECT_NE(shown.find("sequencer:out"), std::string::npos) << shown;
}

TEST_F(JackBackendTest, InputDisconnectedBySomeoneElseIsReportedLost)
{
    ASSERT_TRUE(openInputFrom(receiver->outputPort()));
    QSignalSpy errors(&in, &MidiInputPort::PortError);

    server.startPeer({"jack_disconnect", receiver->outputPort(), "Kelmar:midi_in"});
    ASSERT_TRUE(caught(errors, PortErrorDeviceLost));
    EXPECT_EQ(in.IsOpen(), 0);
}

TEST_F(JackBackendTest, OutputWhosePeerGoesAwayIsNoLongerOpen)
{
    auto& dump = server.startPeer({"jack_midi_dump", "dump"});
    ASSERT_TRUE(openOutputTo("dump:input"));
    dump.stop();
    EXPECT_TRUE(test::waitUntil([&] { return out.IsOpen() == 0; }));
    layer.AllNotesOffSweep(); // goes nowhere, harmlessly
}

class JackServerGoneTest : public JackBackendTest {
protected:
    void SetUp() override
    {
        JackBackendTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(openOutputTo(receiver->inputPort()));
        ASSERT_TRUE(openInputFrom(receiver->outputPort()));
    }

    // After the server has gone: the error is reported, nothing is open and
    // sending returns at once. More messages than the output ring holds are
    // sent; were they queued or waited for, this would take hours.
    void expectGoneQuietly(QSignalSpy& errors)
    {
        ASSERT_TRUE(caught(errors, PortErrorServerGone));
        EXPECT_EQ(in.IsOpen(), 0);
        EXPECT_EQ(out.IsOpen(), 0);
        auto sending = std::async(std::launch::async, [this] {
            for (int i = 0; i < 40; ++i)
                layer.AllNotesOffSweep();
            layer.SendMidi(0x90, 60, 100);
        });
        EXPECT_EQ(sending.wait_for(60s), std::future_status::ready) << "sending blocked";
    }

    // A server that comes back is found by a later listing. libjack talks to
    // one server per process: every client of the old server here must be
    // closed before any client reaches the new one. A listing lets the
    // backend's dead client go; the receiver's is closed by hand.
    void expectServerFoundAgain()
    {
        receiver.reset();
        EXPECT_TRUE(jack->inputNames().empty());
        ASSERT_TRUE(server.start());
        test::JackReceiver fresh("fresh");
        ASSERT_TRUE(fresh.ok());
        ASSERT_TRUE(openOutputTo(fresh.inputPort()));
        layer.SendMidi(0x90, 60, 100);
        ASSERT_TRUE(fresh.waitFor(1));
        EXPECT_EQ(fresh.received(), (Events{{0x90, 60, 100}}));
        layer.CloseMidi();
    }
};

TEST_F(JackServerGoneTest, ServerShutdownIsReportedAndNothingBlocks)
{
    QSignalSpy errors(&in, &MidiInputPort::PortError);
    server.stop();
    expectGoneQuietly(errors);
    expectServerFoundAgain();
}

TEST_F(JackServerGoneTest, ServerCrashIsReportedAndNothingBlocks)
{
    QSignalSpy errors(&in, &MidiInputPort::PortError);
    server.crash();
    expectGoneQuietly(errors);
    expectServerFoundAgain();
}

// Both peers quit and start again under the same names: each link is made
// again by itself, the next note reaches the receiver, and the user hears of
// each loss once (the output's at the first note it could not deliver) and
// of nothing more.
TEST_F(JackThruTest, PeersThatQuitAndStartAgainAreLinkedAgainByThemselves)
{
    std::vector<std::string> shown;
    layer.setErrorPresenter([&](const std::string& text) { shown.push_back(text); });
    QSignalSpy errors(&in, &MidiInputPort::PortError);
    sender.reset();
    receiver.reset();
    ASSERT_TRUE(caught(errors, PortErrorDeviceLost));
    ASSERT_TRUE(test::waitUntil([&] { return out.IsOpen() == 0; }));
    layer.SendMidi(0x90, 60, 100);
    layer.SendMidi(0x90, 61, 100);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_NE(shown[0].find("sender:out"), std::string::npos) << shown[0];
    EXPECT_NE(shown[1].find("\"receiver:in\" is no longer there"), std::string::npos) << shown[1];

    receiver = std::make_unique<test::JackReceiver>();
    sender = std::make_unique<test::JackReceiver>("sender");
    ASSERT_TRUE(receiver->ok() && sender->ok());
    ASSERT_TRUE(test::waitUntil([&] { return out.IsOpen() == 1 && in.IsOpen() == 1; }));
    layer.SendMidi(0x90, 62, 100);
    ASSERT_TRUE(received(1));
    EXPECT_EQ(receiver->received(), (Events{{0x90, 62, 100}}));
    EXPECT_EQ(roundTrip({{0x91, 63, 100}}), (Events{{0x91, 63, 100}}));
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(errors.count(), 1);
}

// --- a General MIDI synthesizer as the peer ----------------------------------

TEST_F(JackBackendTest, PlaysIntoAGeneralMidiSynthesizer)
{
    auto& synth = server.startPeer({"fluidsynth", "-a", "jack", "-m", "jack", "-g", "0.5", "-o", "midi.jack.id=fsynth",
                                    "/usr/share/sounds/sf2/TimGM6mb.sf2"},
                                   {.endsWithInput = true});
    ASSERT_TRUE(server.waitForPort("fsynth:midi_00", 20s));
    EXPECT_TRUE(contains(jack->outputNames(), "fsynth:midi_00"));
    ASSERT_TRUE(openOutputTo("fsynth:midi_00"));

    layer.SendMidi(0xC0, 0, 0);
    layer.SendMidi(0x90, 60, 100);
    letPeriodsPass(8);
    layer.SendMidi(0x80, 60, 0);
    letPeriodsPass(2);
    EXPECT_EQ(out.IsOpen(), 1);
    EXPECT_TRUE(synth.running());
}

// --- no server -------------------------------------------------------------

// Ok reopening the same peer while a patchbay removes another connection of
// our port: that notice must not use up the one of our own disconnection,
// which would then be taken for the loss of the new link.
TEST(JackPeerLinkTest, OnlyTheDisconnectionWeMadeIsNotTakenForALoss)
{
    std::array<int, 3> ports{};
    auto port = [&](int i) { return reinterpret_cast<jack_port_t*>(&ports.at(static_cast<std::size_t>(i))); };
    jack_port_t* own = port(0);
    jack_port_t* peer = port(1);
    jack_port_t* elsewhere = port(2);
    JackPeerLink link(own);
    link.watch(peer);
    EXPECT_EQ(link.unwatch(true), peer);
    link.watch(peer);
    EXPECT_FALSE(link.noticeDisconnect(elsewhere, own)); // the patchbay's
    EXPECT_FALSE(link.noticeDisconnect(own, peer));      // ours, arriving later
    EXPECT_FALSE(link.lost());
    EXPECT_TRUE(link.noticeDisconnect(own, peer)); // a real loss is still noticed
    EXPECT_TRUE(link.lost());
}

TEST(JackWithoutServer, ListsNothingAndOpeningFailsWithAReason)
{
    test::pointAtNoServer();
    MidiDeviceCatalogue catalogue;
    catalogue.addBackend(std::make_unique<JackBackend>("Kelmar"));
    MidiOutputPort out{catalogue};
    MidiInputPort in{catalogue};
    MidiMessageLayer layer{out, in};

    EXPECT_EQ(layer.ListMidiOutDevices(), std::vector<std::string>{""}); // only the default output
    EXPECT_TRUE(layer.ListMidiInDevices().empty());

    JackBackend jack;
    const auto output = jack.openOutput("fsynth:midi_00");
    EXPECT_EQ(output.device, nullptr);
    EXPECT_NE(output.error.find("JACK"), std::string::npos) << output.error;
    MidiInputQueue queue;
    const auto input = jack.openInput("sequencer:out", queue);
    EXPECT_EQ(input.device, nullptr);
    EXPECT_NE(input.error.find("JACK"), std::string::npos) << input.error;

    layer.SendMidi(0x90, 60, 100);
    layer.AllNotesOffSweep();
}

TEST(JackWithoutServer, FindsAServerThatStartsLater)
{
    test::JackServer server;
    server.stop();
    JackBackend jack;
    jack.openInBackground(); // finds no server; the next listing tries again
    EXPECT_TRUE(jack.outputNames().empty());

    ASSERT_TRUE(server.start());
    test::JackReceiver receiver;
    ASSERT_TRUE(receiver.ok());
    EXPECT_TRUE(contains(jack.outputNames(), receiver.inputPort()));
}

} // namespace
