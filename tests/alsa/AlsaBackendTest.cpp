// The ALSA sequencer backend where the machine may have no sequencer:
// it must list only what exists and fail to open with a reason, never throw.
// The port watch is tested with a list of its own. Its output's sender
// thread is tested through OutputSender, with a device
// that refuses or stops taking messages as a full sequencer queue would.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <rtmidi/RtMidi.h>

#include "midi/MidiInputQueue.h"
#include "midi/OutputBackpressure.h"
#include "midi/alsa/AlsaBackend.h"
#include "midi/alsa/AlsaOwnPorts.h"
#include "midi/alsa/AlsaPeerLink.h"
#include "midi/alsa/AlsaPortWatch.h"
#include "midi/alsa/OutputSender.h"

namespace {

bool hasSequencer()
{
    return std::filesystem::exists("/dev/snd/seq");
}

} // namespace

TEST(AlsaBackend, WithoutASequencerListsNothingAndRefusesToOpen)
{
    if (hasSequencer())
        GTEST_SKIP() << "this machine has an ALSA sequencer";
    kelmar::AlsaBackend alsa;
    EXPECT_TRUE(alsa.outputNames().empty());
    EXPECT_TRUE(alsa.inputNames().empty());

    const auto out = alsa.openOutput("Midi Through:Midi Through Port-0 14:0");
    EXPECT_EQ(out.device, nullptr);
    EXPECT_FALSE(out.error.empty());

    kelmar::MidiInputQueue queue;
    const auto in = alsa.openInput("Midi Through:Midi Through Port-0 14:0", queue);
    EXPECT_EQ(in.device, nullptr);
    EXPECT_FALSE(in.error.empty());
}

TEST(AlsaBackend, WithASequencerOpensItsOwnListedPorts)
{
    if (!hasSequencer())
        GTEST_SKIP() << "no ALSA sequencer on this machine";
    kelmar::AlsaBackend alsa;
    for (const auto& name : alsa.outputNames()) {
        const auto out = alsa.openOutput(name);
        EXPECT_NE(out.device, nullptr) << name << ": " << out.error;
    }
    EXPECT_EQ(alsa.openOutput("no such port").device, nullptr);
}

// Kelmar:midi_out, connected by another client as a patchbay would, gets
// what an open ALSA output takes; Kelmar:midi_in feeds the chosen input's
// queue.
TEST(AlsaBackend, WithASequencerItsOwnPortsCarryWhatIsPlayed)
{
    if (!hasSequencer())
        GTEST_SKIP() << "no ALSA sequencer on this machine";
    kelmar::AlsaBackend alsa;
    RtMidiIn listener(RtMidi::LINUX_ALSA, "patchbay");
    RtMidiOut player(RtMidi::LINUX_ALSA, "patchbay");
    const auto find = [](auto& rtmidi, const std::string& prefix) {
        for (unsigned int i = 0; i < rtmidi.getPortCount(); ++i)
            if (rtmidi.getPortName(i).rfind(prefix, 0) == 0)
                return static_cast<int>(i);
        return -1;
    };
    const int ownOut = find(listener, "Kelmar:midi_out");
    const int ownIn = find(player, "Kelmar:midi_in");
    ASSERT_GE(ownOut, 0);
    ASSERT_GE(ownIn, 0);
    listener.openPort(static_cast<unsigned int>(ownOut));
    player.openPort(static_cast<unsigned int>(ownIn));

    kelmar::MidiInputQueue queue;
    queue.setAccepting(true);
    const auto in = alsa.openInput("Midi Through:Midi Through Port-0 14:0", queue);
    const auto out = alsa.openOutput("Midi Through:Midi Through Port-0 14:0");
    if (!in.device || !out.device)
        GTEST_SKIP() << "no Midi Through port: " << in.error << out.error;
    out.device->send({{0x90, 60, 100}, 3});
    std::vector<unsigned char> heard;
    for (int i = 0; i < 200 && heard.empty(); ++i) {
        listener.getMessage(&heard);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(heard, (std::vector<unsigned char>{0x90, 60, 100}));

    const std::vector<unsigned char> patched{0xB0, 7, 90};
    player.sendMessage(&patched);
    for (int i = 0; i < 200 && queue.size() == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_GT(queue.size(), 0U) << "what midi_in received did not reach the chosen input's queue";
}

// What midi_in receives goes to the input chosen last: an input closed
// after the next one opened (as the setup dialog's Ok does) must not cut
// the new one off. Runs without a sequencer: the routing needs no port.
TEST(AlsaOwnPorts, MidiInFeedsTheInputChosenLast)
{
    kelmar::AlsaOwnPorts own("Kelmar");
    kelmar::MidiInputQueue first;
    kelmar::MidiInputQueue second;
    first.setAccepting(true);
    second.setAccepting(true);
    const std::uint8_t note[] = {0x90, 60, 100};

    own.push(note); // nothing chosen: dropped
    const auto old = own.attach(first);
    own.push(note);
    const auto current = own.attach(second);
    own.detach(old);
    own.push(note);
    EXPECT_EQ(first.size(), 1U);
    EXPECT_EQ(second.size(), 1U);
    own.detach(current);
    own.push(note);
    EXPECT_EQ(second.size(), 1U);
}

// A receiver that quits is told as lost; started again (with new client
// numbers), it gets the next note without a word.
TEST(AlsaBackend, WithASequencerAReceiverThatComesBackGetsTheNextNote)
{
    if (!hasSequencer())
        GTEST_SKIP() << "no ALSA sequencer on this machine";
    kelmar::AlsaBackend alsa;
    auto receiver = std::make_unique<RtMidiIn>(RtMidi::LINUX_ALSA, "Receiver");
    receiver->openVirtualPort("in");
    std::string name;
    for (const auto& listed : alsa.outputNames())
        if (listed.rfind("Receiver:in", 0) == 0)
            name = listed;
    ASSERT_FALSE(name.empty());
    const auto out = alsa.openOutput(name);
    ASSERT_NE(out.device, nullptr) << out.error;

    receiver.reset();
    const auto waitFor = [](auto done) {
        for (int i = 0; i < 400 && !done(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return done();
    };
    EXPECT_TRUE(waitFor([&] { return !out.device->isOpen(); })) << "the receiver's end was not noticed";
    receiver = std::make_unique<RtMidiIn>(RtMidi::LINUX_ALSA, "Receiver");
    receiver->openVirtualPort("in");
    EXPECT_TRUE(waitFor([&] { return out.device->isOpen(); })) << "not linked again";
    out.device->send({{0x90, 60, 100}, 3});
    std::vector<unsigned char> heard;
    EXPECT_TRUE(waitFor([&] {
        receiver->getMessage(&heard);
        return !heard.empty();
    }));
    EXPECT_EQ(heard, (std::vector<unsigned char>{0x90, 60, 100}));
}

// A peer that starts again gets new client numbers; it is the same peer by
// the rest of its name, and only numbers at the very end are left out.
TEST(AlsaPeerLink, KnowsAPeerByItsNameWithoutItsNumbers)
{
    using kelmar::AlsaPeerLink;
    EXPECT_EQ(AlsaPeerLink::stableName("FLUID Synth (1234):Synth input port (1234:0) 130:0"),
              "FLUID Synth (1234):Synth input port (1234:0)");
    EXPECT_EQ(AlsaPeerLink::stableName("Midi Through:Midi Through Port-0 14:0"), "Midi Through:Midi Through Port-0");
    for (const char* kept : {"Keyboard:Port 1", "Keyboard:Port x:0", "Keyboard:Port 1:", "Keyboard", ""})
        EXPECT_EQ(AlsaPeerLink::stableName(kept), kept);
}

TEST(AlsaBackend, OwnPortsAreNeverOfferedNorOpened)
{
    using kelmar::AlsaBackend;
    EXPECT_TRUE(AlsaBackend::isOwnPort("Kelmar:Kelmar output 128:0", "Kelmar"));
    EXPECT_FALSE(AlsaBackend::isOwnPort("Kelmar Synth:Out 130:0", "Kelmar"));
    EXPECT_FALSE(AlsaBackend::isOwnPort("Midi Through:Midi Through Port-0 14:0", "Kelmar"));
    EXPECT_FALSE(AlsaBackend::isOwnPort("Kelmar", "Kelmar"));

    AlsaBackend alsa("Kelmar");
    for (const auto& name : alsa.outputNames())
        EXPECT_FALSE(AlsaBackend::isOwnPort(name, "Kelmar")) << name;
    for (const auto& name : alsa.inputNames())
        EXPECT_FALSE(AlsaBackend::isOwnPort(name, "Kelmar")) << name;
    const auto out = alsa.openOutput("Kelmar:Kelmar input 128:1");
    EXPECT_EQ(out.device, nullptr);
    EXPECT_NE(out.error.find("own ports"), std::string::npos) << out.error;
    kelmar::MidiInputQueue queue;
    const auto in = alsa.openInput("Kelmar:Kelmar output 128:0", queue);
    EXPECT_EQ(in.device, nullptr);
    EXPECT_NE(in.error.find("own ports"), std::string::npos) << in.error;
}

namespace {

using kelmar::MidiBytes;
using kelmar::OutputSender;
using namespace std::chrono_literals;

MidiBytes noteOn(int i)
{
    return {{static_cast<std::uint8_t>(0x90 + i % 16), static_cast<std::uint8_t>(i / 16 % 128), 1}, 3};
}

// A device as the sender's thread sees it: takes a message unless told to
// refuse, and records what it took.
struct Device {
    bool write(const MidiBytes& message)
    {
        const long attempt = ++attempts;
        if (refuseAll || (refuseEverySecond && attempt % 2 == 1))
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(pauseUs.load()));
        std::lock_guard lock(mutex);
        took.push_back(message);
        return true;
    }
    std::vector<MidiBytes> taken()
    {
        std::lock_guard lock(mutex);
        return took;
    }

    std::atomic<bool> refuseAll{false};
    std::atomic<bool> refuseEverySecond{false};
    std::atomic<int> pauseUs{0};
    std::atomic<long> attempts{0};
    std::mutex mutex;
    std::vector<MidiBytes> took;
};

template <typename Done>
bool waitFor(Done done)
{
    for (int i = 0; i < 2000 && !done(); ++i)
        std::this_thread::sleep_for(5ms);
    return done();
}

std::vector<MidiBytes> messages(int count)
{
    std::vector<MidiBytes> all;
    for (int i = 0; i < count; ++i)
        all.push_back(noteOn(i));
    return all;
}

} // namespace

TEST(OutputSender, RefusedMessagesAreTriedAgainAndGoOutInOrder)
{
    Device device;
    device.refuseEverySecond = true;
    OutputSender sender([&](const MidiBytes& m) { return device.write(m); });
    const auto sent = messages(300);
    for (const auto& m : sent)
        sender.send(m);
    ASSERT_TRUE(waitFor([&] { return device.taken().size() == sent.size(); }));
    EXPECT_EQ(device.taken(), sent);
    EXPECT_EQ(sender.dropped(), 0u);

    // after a while of refusing everything, the device takes the rest, still in order
    device.refuseAll = true;
    sender.send(noteOn(1000));
    sender.send(noteOn(1001));
    std::this_thread::sleep_for(20ms);
    device.refuseAll = false;
    ASSERT_TRUE(waitFor([&] { return device.taken().size() == sent.size() + 2; }));
    EXPECT_EQ(device.taken().back(), noteOn(1001));
}

TEST(OutputSender, ClosingLetsWhatIsQueuedGoOut)
{
    Device device;
    device.pauseUs = 100;
    const auto sent = messages(300);
    {
        OutputSender sender([&](const MidiBytes& m) { return device.write(m); });
        for (const auto& m : sent)
            sender.send(m);
    }
    EXPECT_EQ(device.taken(), sent);
}

TEST(OutputSender, ADeviceThatTakesNothingMakesSendsDropAndClosingGiveUp)
{
    Device device;
    device.refuseAll = true;
    const auto sent = messages(static_cast<int>(OutputSender::Capacity) + 5);
    {
        OutputSender sender([&](const MidiBytes& m) { return device.write(m); });
        for (const auto& m : sent)
            sender.send(m); // the queue fills; the rest waits out the stall limit once, then drops
        EXPECT_EQ(sender.dropped(), 5u);
    } // returns although nothing was taken
    EXPECT_TRUE(device.taken().empty());
}

// A port that comes or goes is told once; nothing is told after the watch ends.
TEST(AlsaPortWatch, SaysWhenTheListChangesAndNothingOnceStopped)
{
    using namespace std::chrono_literals;
    std::mutex mutex;
    std::vector<std::string> ports{"Synth:in 128:0"};
    auto list = [&] {
        std::lock_guard lock(mutex);
        return ports;
    };
    auto change = [&](std::vector<std::string> now) {
        std::lock_guard lock(mutex);
        ports = std::move(now);
    };
    std::atomic<int> told{0};
    {
        kelmar::AlsaPortWatch watch(list, [&] { ++told; }, 5ms);
        std::this_thread::sleep_for(50ms);
        EXPECT_EQ(told.load(), 0);
        change({"Synth:in 128:0", "Keys:out 129:0"});
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        while (told.load() == 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(1ms);
        std::this_thread::sleep_for(50ms);
        EXPECT_EQ(told.load(), 1);
    }
    change({});
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(told.load(), 1);
}
