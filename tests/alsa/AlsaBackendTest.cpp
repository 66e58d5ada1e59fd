// The ALSA sequencer backend where the machine may have no sequencer:
// it must list only what exists and fail to open with a reason, never throw.
#include <gtest/gtest.h>

#include <filesystem>

#include "midi/MidiInputQueue.h"
#include "midi/alsa/AlsaBackend.h"

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
