// What the output port remembers of the values it sent on each channel.
#include <gtest/gtest.h>

#include "midi/LastSentValues.h"
#include "midi/MidiMessage.h"

using kelmar::LastSentValues;

namespace {

void send(LastSentValues& values, int status, int data1, int data2 = 0)
{
    values.record(kelmar::encodeShortMessage(status, data1, data2).value());
}

constexpr int Unknown = LastSentValues::Unknown;

} // namespace

TEST(LastSentValues, KeepsTheLastValuePerChannelAndForgetsWhatTheReceiverResets)
{
    LastSentValues v;
    EXPECT_EQ(v.programme(0), Unknown);
    EXPECT_EQ(v.controller(0, 7), Unknown);
    EXPECT_EQ(v.pitchBend(0), Unknown);

    send(v, 0xC3, 41);
    send(v, 0xB3, 7, 100);
    send(v, 0xB3, 10, 0);
    send(v, 0xB3, 1, 127);
    send(v, 0xE3, 0x7F, 0x7F);
    send(v, 0x93, 60, 100); // notes leave the table alone
    send(v, 0xC4, 0);
    EXPECT_EQ(v.programme(3), 41);
    EXPECT_EQ(v.programme(4), 0);
    EXPECT_EQ(v.controller(3, 7), 100);
    EXPECT_EQ(v.controller(3, 10), 0);
    EXPECT_EQ(v.controller(3, 1), 127);
    EXPECT_EQ(v.pitchBend(3), 16383);
    EXPECT_EQ(v.controller(2, 7), Unknown);

    EXPECT_EQ(v.controller(16, 7), Unknown);
    EXPECT_EQ(v.controller(3, 128), Unknown);

    send(v, 0xB3, 121, 0); // Reset All Controllers: that channel's controllers
    EXPECT_EQ(v.controller(3, 7), Unknown);
    EXPECT_EQ(v.pitchBend(3), Unknown);
    EXPECT_EQ(v.programme(3), 41);

    v.record(kelmar::encodeShortMessage(0xFF, 0, 0).value()); // System Reset: everything
    EXPECT_EQ(v.programme(3), Unknown);
    EXPECT_EQ(v.programme(4), Unknown);
}
