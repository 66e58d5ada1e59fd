// What reaches the wire: message lengths, data-byte clamping, text fields,
// and how received events are split into queued messages.
#include <gtest/gtest.h>

#include <vector>

#include "midi/MidiInputQueue.h"
#include "midi/MidiMessage.h"
#include "midi/PortError.h"

using kelmar::encodeShortMessage;
using kelmar::InputMessage;
using kelmar::MidiValue;

namespace {

std::vector<int> wire(int status, const MidiValue& d1, const MidiValue& d2)
{
    const kelmar::MidiBytes m = encodeShortMessage(status, d1, d2).value_or(kelmar::MidiBytes{});
    return {m.data.begin(), m.data.begin() + m.size};
}

std::vector<InputMessage> split(std::vector<std::uint8_t> bytes)
{
    std::vector<InputMessage> out;
    kelmar::splitIncoming(bytes, [&](const InputMessage& m) { out.push_back(m); });
    return out;
}

} // namespace

TEST(MidiWire, LengthFollowsTheStatusByte)
{
    EXPECT_EQ(wire(0x90, 60, 100), (std::vector<int>{0x90, 60, 100}));
    EXPECT_EQ(wire(0x8F, 60, 0), (std::vector<int>{0x8F, 60, 0}));
    EXPECT_EQ(wire(0xA3, 1, 2), (std::vector<int>{0xA3, 1, 2}));
    EXPECT_EQ(wire(0xB0, 10, 64), (std::vector<int>{0xB0, 10, 64}));
    EXPECT_EQ(wire(0xE5, 0, 64), (std::vector<int>{0xE5, 0, 64}));
    // programme change and channel pressure carry one data byte; the second field is not sent
    EXPECT_EQ(wire(0xC0, 5, 0), (std::vector<int>{0xC0, 5}));
    EXPECT_EQ(wire(0xDF, 99, 77), (std::vector<int>{0xDF, 99}));
    // system common and real-time messages
    EXPECT_EQ(wire(0xF1, 3, 9), (std::vector<int>{0xF1, 3}));
    EXPECT_EQ(wire(0xF2, 1, 2), (std::vector<int>{0xF2, 1, 2}));
    EXPECT_EQ(wire(0xF3, 4, 9), (std::vector<int>{0xF3, 4}));
    EXPECT_EQ(wire(0xF6, 4, 9), (std::vector<int>{0xF6}));
    EXPECT_EQ(wire(0xFA, 4, 9), (std::vector<int>{0xFA}));
}

TEST(MidiWire, NothingIsSentForAStatusThatIsNotOne)
{
    for (int status : {0, 0x7F, -1, 0x100, 0x190, 0xF0, 0xF7, 0xF4, 0xF5, 0xF9, 0xFD})
        EXPECT_TRUE(wire(status, 1, 2).empty()) << "status " << status;
}

TEST(MidiWire, IntegersOutsideTheDataRangeAreClamped)
{
    EXPECT_EQ(wire(0x90, 128, 127), (std::vector<int>{0x90, 127, 127}));
    EXPECT_EQ(wire(0x90, -1, 300), (std::vector<int>{0x90, 0, 127}));
    EXPECT_EQ(wire(0x90, 32767, -32768), (std::vector<int>{0x90, 127, 0}));
    EXPECT_EQ(wire(0xC0, 200, 0), (std::vector<int>{0xC0, 127}));
}

TEST(MidiWire, TextFieldsAreReadAsWholeNumbers)
{
    EXPECT_EQ(wire(0x90, "63", "120"), (std::vector<int>{0x90, 63, 120}));
    EXPECT_EQ(wire(0x90, "  63 ", "\t7"), (std::vector<int>{0x90, 63, 7}));
    EXPECT_EQ(wire(0x90, "+5", "0"), (std::vector<int>{0x90, 5, 0}));
    EXPECT_EQ(wire(0x90, "500", "-3"), (std::vector<int>{0x90, 127, 0}));
    EXPECT_EQ(wire(0x90, "99999999999999999999", "1"), (std::vector<int>{0x90, 127, 1}));
}

TEST(MidiWire, TextThatIsNotANumberSendsNothing)
{
    for (const char* bad : {"", "   ", "abc", "12a", "1.5", "0x10", "+", "- 3", "6 3"}) {
        EXPECT_TRUE(wire(0x90, bad, 100).empty()) << '"' << bad << '"';
        EXPECT_TRUE(wire(0x90, 60, bad).empty()) << '"' << bad << '"';
    }
    // a field the message does not carry does not matter
    EXPECT_EQ(wire(0xC0, 5, "rubbish"), (std::vector<int>{0xC0, 5}));
}

TEST(MidiWire, FieldsReadBackAsSixteenBitIntegers)
{
    EXPECT_EQ(MidiValue(10).toInt16(), 10);
    EXPECT_EQ(MidiValue(70000).toInt16(), 32767);
    EXPECT_EQ(MidiValue(" 42 ").toInt16(), 42);
    EXPECT_EQ(MidiValue("x").toInt16(), 0);
}

TEST(MidiIncoming, SplitsEventsAndKeepsWhatInputQueues)
{
    EXPECT_EQ(split({0x91, 60, 100}), (std::vector<InputMessage>{{0x91, 60, 100}}));
    EXPECT_EQ(split({0xC0, 5}), (std::vector<InputMessage>{{0xC0, 5, 0}}));
    EXPECT_EQ(split({0xFA}), (std::vector<InputMessage>{{0xFA, 0, 0}}));
    // several messages in one event, in order
    EXPECT_EQ(split({0x90, 1, 2, 0xC3, 4, 0xB0, 7, 90}),
              (std::vector<InputMessage>{{0x90, 1, 2}, {0xC3, 4, 0}, {0xB0, 7, 90}}));
}

TEST(MidiIncoming, DropsSysexUndefinedCodesAndBrokenMessages)
{
    EXPECT_TRUE(split({0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}).empty());
    EXPECT_TRUE(split({0xF9, 0xFD}).empty());   // undefined real-time codes
    EXPECT_TRUE(split({0x90, 60}).empty());     // truncated
    EXPECT_TRUE(split({60, 100}).empty());      // data without status
    EXPECT_TRUE(split({0x90, 0x80, 1}).empty()); // a status byte where data belongs
    // what follows the dropped parts still arrives
    EXPECT_EQ(split({0xF0, 1, 2, 0xF7, 0x92, 3, 4}), (std::vector<InputMessage>{{0x92, 3, 4}}));
}

TEST(MidiIncoming, KeepsRealTimeBytesInArrivalOrderWhereverTheyStand)
{
    using M = std::vector<InputMessage>;
    EXPECT_EQ(split({0xF8, 0xFA, 0xFB, 0xFC, 0xFE}), (M{{0xF8, 0, 0}, {0xFA, 0, 0}, {0xFB, 0, 0}, {0xFC, 0, 0}, {0xFE, 0, 0}}));
    // between a message's bytes: the clock is complete first
    EXPECT_EQ(split({0x90, 60, 0xF8, 100, 0xC1}), (M{{0xF8, 0, 0}, {0x90, 60, 100}}));
    // inside system exclusive, and in a message that turns out broken
    EXPECT_EQ(split({0xF0, 1, 0xF8, 2, 0xF7, 0x90, 0xFE, 0x80, 1, 2}), (M{{0xF8, 0, 0}, {0xFE, 0, 0}, {0x80, 1, 2}}));
}

TEST(MidiInputQueue, QueuesOnlyWhileAcceptingAndReportsOverflow)
{
    kelmar::MidiInputQueue queue;
    const std::uint8_t note[] = {0x90, 60, 100};
    queue.pushEvent(note);
    EXPECT_EQ(queue.size(), 0u);

    queue.setAccepting(true);
    for (std::size_t i = 0; i < kelmar::MidiInputQueue::Capacity + 5; ++i)
        queue.pushEvent(note);
    EXPECT_EQ(queue.size(), kelmar::MidiInputQueue::Capacity);
    EXPECT_EQ(queue.takeErrors(), 1u << kelmar::PortErrorOverflow);
    EXPECT_EQ(queue.takeErrors(), 0u);
    queue.clear();
    EXPECT_EQ(queue.size(), 0u);
}

TEST(PortErrors, OnlyZeroAndEightAreWarnings)
{
    EXPECT_TRUE(kelmar::isPortWarning(0));
    EXPECT_TRUE(kelmar::isPortWarning(8));
    for (int code : {1, 2, 3, 7, 9})
        EXPECT_FALSE(kelmar::isPortWarning(code));
    EXPECT_NE(kelmar::portErrorText(kelmar::PortErrorDeviceLost, "peer:out").find("peer:out"), std::string::npos);
}
