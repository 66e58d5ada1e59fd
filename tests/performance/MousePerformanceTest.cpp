#include <gtest/gtest.h>

#include "performance/MousePerformance.h"
#include "support/RecordingMidiRig.h"

namespace kelmar {
namespace {

using Bytes = std::vector<std::vector<std::uint8_t>>;

// A pointer event at the middle of a 138 x 102 picture (2070 x 1530 twips).
PointerSample middle(bool mouseDownOnly = false)
{
    PointerSample s;
    s.x = 69;
    s.y = 51;
    s.width = 138;
    s.height = 102;
    s.mouseDownOnly = mouseDownOnly;
    s.pitchText = "63";
    s.velText = "120";
    return s;
}

class MousePerformanceTest : public ::testing::Test {
protected:
    test::RecordingMidiRig midi;
    MousePerformance performance{midi.layer};
};

TEST_F(MousePerformanceTest, KeepsTheScaledPositionOfTheLastPlayingEvent)
{
    PointerSample s = middle();
    s.x = -40; // a drag that has left the picture
    s.y = 500;
    performance.pointerMoved(0, s);
    EXPECT_EQ(performance.state().HorizontalValue, 0);
    EXPECT_EQ(performance.state().VerticalValue, 126);

    performance.pointerMoved(3, middle(true)); // plays nothing
    EXPECT_EQ(performance.state().CurrentArea, 3);
    EXPECT_EQ(performance.state().HorizontalValue, 0);
    EXPECT_EQ(performance.state().VerticalValue, 126);
}

TEST_F(MousePerformanceTest, ChannelAndVolumePairsWriteTheChannelState)
{
    ChannelState& channels = midi.layer.channels();
    performance.pairs().pickWidth(0, 3); // Pitch / Channel
    PointerSample right = middle();
    right.x = 137.9;
    performance.pointerMoved(0, right);
    EXPECT_EQ(channels.CurrentChannel, 15);

    performance.pairs().pickWidth(0, 4); // Pitch / Volume
    performance.pointerMoved(0, middle());
    EXPECT_EQ(channels.ChannelVolume[15], 63);
    EXPECT_EQ(channels.CurrentChannel, 15);

    midi.clear();
    performance.pairs().pickWidth(0, 1); // later messages go on the new channel
    performance.pointerMoved(0, middle());
    EXPECT_EQ(midi.sent(), (Bytes{{0x9F, 65, 63}}));
}

} // namespace
} // namespace kelmar
