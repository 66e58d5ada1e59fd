#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "midi/MidiMessage.h"
#include "performance/PairOperations.h"
#include "performance/PairTable.h"
#include "performance/Pairs.h"

namespace kelmar {
namespace {

using Wire = std::vector<std::vector<int>>;

// Every cell of the pair table: rows vertical, columns horizontal
// parameter (Pitch, Velocity, Pan, Channel, Volume, Programme).
TEST(PairsTest, EveryCellOfTheTable)
{
    constexpr char table[6][7] = {
        "-PPPPP", // Pitch
        "PNPNNP", // Velocity
        "PPNPNN", // Pan
        "NNNNNN", // Channel
        "NNNNNN", // Volume
        "P-----", // Programme
    };
    for (int height = 0; height < 6; ++height) {
        for (int width = 0; width < 6; ++width) {
            const int code = 10 * height + width;
            const char cell = table[height][width];
            const PairKind expected =
                cell == 'P' ? PairKind::Pair : cell == 'N' ? PairKind::NotAvailable : PairKind::Nothing;
            EXPECT_EQ(pairOf(code).kind, expected) << "code " << code;
            // Exactly the codes that play have an operation (a function
            // pointer's comparison is not constant under the sanitizers).
            EXPECT_EQ(pairOf(code).operation != nullptr, expected == PairKind::Pair) << "code " << code;
        }
    }
}

TEST(PairsTest, CodesOutsideTheTablePlayNothing)
{
    for (const int code : {-1, 6, 9, 56, 60, 99})
        EXPECT_EQ(pairOf(code).kind, PairKind::Nothing) << "code " << code;
}

// The bytes each message of an outcome puts on the wire, as the output port
// encodes them; a message whose text is not a number sends nothing.
Wire wire(const PairOutcome& outcome)
{
    Wire bytes;
    for (const OutgoingMessage& m : outcome.messages) {
        if (const auto encoded = encodeShortMessage(m.status, m.data1, m.data2))
            bytes.emplace_back(encoded->bytes().begin(), encoded->bytes().end());
    }
    return bytes;
}

struct PairCase {
    int code;
    int h, v;
    int channel;
    Wire bytes;
    std::string readout;
    std::optional<int> newChannel = std::nullopt;
};

// Fixed-value boxes at their start texts: PitchText "63", VelText "120".
// A flipped value reads 128 at the top or left edge and goes out as 127.
TEST(PairOperationsTest, MessagesAndReadoutOfEveryPair)
{
    const PairCase cases[] = {
        {1, 64, 27, 0, {{0x90, 101, 64}}, "Pitch 101, Vel 64"},
        {1, 126, 0, 0, {{0x90, 127, 126}}, "Pitch 128, Vel 126"},
        {1, 0, 126, 9, {{0x99, 2, 0}}, "Pitch 2, Vel 0"},
        {2, 64, 28, 0, {{0x90, 100, 120}, {0xB0, 10, 64}}, "Pitch 100, Pan 64"},
        {2, 126, 0, 4, {{0x94, 127, 120}, {0xB4, 10, 126}}, "Pitch 128, Pan 126"},
        {3, 126, 0, 0, {{0x9F, 127, 120}}, "Pitch 128, Channel 15", 15},
        {3, 7, 126, 5, {{0x90, 2, 120}}, "Pitch 2, Channel 0", 0},
        {3, 8, 64, 0, {{0x91, 64, 120}}, "Pitch 64, Channel 1", 1},
        {4, 126, 0, 5, {{0x95, 127, 120}}, "Pitch 128, Volume 126"},
        {5, 126, 126, 0, {{0x90, 2, 120}, {0xC0, 126}}, "Pitch 2, Prog 126"},
        {10, 126, 0, 0, {{0x90, 126, 0}}, "Vel 0, Pitch 126"},
        {10, 0, 126, 0, {{0x90, 0, 126}}, "Vel 126, Pitch 0"},
        {12, 126, 0, 0, {{0x90, 63, 127}, {0xB0, 10, 126}}, "Velocity 128, Pan 126"},
        {15, 0, 126, 2, {{0x92, 63, 2}, {0xC2, 0}}, "Vel 2, Prog 0"},
        {20, 126, 0, 0, {{0x90, 126, 120}, {0xB0, 10, 127}}, "Pan 128, Pitch 126"},
        {21, 0, 0, 0, {{0xB0, 10, 127}, {0x90, 63, 0}}, "Pan 128, Vel 0"},
        {23, 126, 126, 3, {{0xB3, 10, 126}}, "Pan 126, Chn 15", 15},
        {23, 0, 7, 3, {{0xB3, 10, 0}}, "Pan 0, Chn 0", 0},
        {50, 1, 0, 0, {{0x90, 127, 120}, {0xC0, 0}}, "Pitch 127, Prog 0"},
        {50, 0, 126, 0, {{0x90, 127, 120}, {0xC0, 126}}, "Pitch 128, Prog 126"},
        {50, 126, 64, 0, {{0x90, 2, 120}, {0xC0, 64}}, "Pitch 2, Prog 64"},
    };
    for (const PairCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "pair " << c.code << " h=" << c.h << " v=" << c.v);
        const PairInputs in{static_cast<std::int16_t>(c.h), static_cast<std::int16_t>(c.v), "63", "120",
                            static_cast<std::int16_t>(c.channel)};
        const PairOutcome out = PairOperations::play(c.code, in);
        EXPECT_EQ(wire(out), c.bytes);
        EXPECT_EQ(out.readout, c.readout);
        EXPECT_EQ(out.channel ? std::optional<int>(*out.channel) : std::nullopt, c.newChannel);
    }
}

TEST(PairOperationsTest, PitchAndVolumeStoresTheVolumeOfTheCurrentChannel)
{
    const PairOutcome out = PairOperations::play(4, {90, 10, "63", "120", 5});
    ASSERT_TRUE(out.volume);
    EXPECT_EQ(out.volume->channel, 5);
    EXPECT_EQ(out.volume->value, 90);
    EXPECT_FALSE(out.channel);

    // a channel that cannot index the volume table is first set to 0
    const PairOutcome reset = PairOperations::play(4, {90, 10, "63", "120", 17});
    ASSERT_TRUE(reset.volume);
    EXPECT_EQ(reset.volume->channel, 0);
    EXPECT_EQ(reset.channel, std::optional<std::int16_t>(0));
    EXPECT_EQ(wire(reset), (Wire{{0x90, 118, 120}}));
}

// An empty fixed-value box sends nothing for the message that needs it; the
// pair's other message still goes. The texts are handed over as they are.
TEST(PairOperationsTest, AnEmptyFixedValueBoxDropsOnlyItsOwnMessage)
{
    const struct {
        int code;
        const char* pitchText;
        const char* velText;
        Wire bytes;
    } cases[] = {
        {2, "63", "", {{0xB0, 10, 64}}},
        {5, "63", "", {{0xC0, 64}}},
        {12, "", "120", {{0xB0, 10, 64}}},
        {15, "", "120", {{0xC0, 64}}},
        {20, "63", "", {{0xB0, 10, 64}}},
        {21, "", "120", {{0xB0, 10, 64}}},
        {3, "63", "", {}},
        {12, "5", "", {{0x90, 5, 64}, {0xB0, 10, 64}}}, // the unused box does not matter
    };
    for (const auto& c : cases) {
        const PairOutcome out = PairOperations::play(c.code, {64, 64, c.pitchText, c.velText, 0});
        EXPECT_EQ(wire(out), c.bytes) << "pair " << c.code;
        EXPECT_TRUE(out.readout) << "pair " << c.code;
    }
}

TEST(PairOperationsTest, NotAvailableShowsItAndNothingKeepsTheReadout)
{
    for (const int code : {11, 13, 14, 22, 24, 25, 30, 33, 35, 40, 45}) {
        const PairOutcome out = PairOperations::play(code, {64, 64, "63", "120", 0});
        EXPECT_TRUE(out.messages.empty()) << code;
        EXPECT_EQ(out.readout, std::optional<std::string>("Not yet available")) << code;
    }
    for (const int code : {0, 51, 52, 55}) {
        const PairOutcome out = PairOperations::play(code, {64, 64, "63", "120", 0});
        EXPECT_TRUE(out.messages.empty()) << code;
        EXPECT_FALSE(out.readout) << code;
        EXPECT_FALSE(out.channel) << code;
    }
}

TEST(PairTableTest, PicksSetTheCodeTheCaptionsAndTheFixedValueBoxes)
{
    PairTable table;
    const PairView velocityHeight = table.pickHeight(3, 1);
    EXPECT_EQ(velocityHeight.code, 11);
    const PairView v = table.pickWidth(3, 2); // Velocity / Pan
    EXPECT_EQ(table.PairCode(3), 12);
    EXPECT_EQ(v.modeText, "12");
    EXPECT_EQ(v.infoText, "active");
    EXPECT_EQ(v.pitchTextEnabled, std::optional<bool>(true));
    EXPECT_FALSE(v.velTextEnabled); // left as it is

    for (int i = 0; i < 3; ++i) // the other areas keep their start pair
        EXPECT_EQ(table.PairCode(i), 1);

    table.pickHeight(0, 2);
    const PairView same = table.pickWidth(0, 2); // Pan / Pan
    EXPECT_EQ(same.code, 22);
    EXPECT_EQ(same.infoText, "same parameter");
    EXPECT_EQ(same.pitchTextEnabled, std::optional<bool>(false));
    EXPECT_EQ(same.velTextEnabled, std::optional<bool>(false));
}

TEST(PairTableTest, FixedValueBoxesFollowTheCode)
{
    // code -> VelText switch, PitchText switch ('+' enable, '-' disable, '=' keep)
    const struct {
        int code;
        char vel, pitch;
    } cases[] = {
        {0, '-', '-'},  {1, '-', '-'},  {2, '+', '='},  {5, '+', '='},  {20, '+', '='},
        {12, '=', '+'}, {15, '=', '+'}, {21, '=', '+'}, {10, '-', '-'}, {23, '-', '-'},
        {50, '-', '-'}, {33, '-', '-'}, {55, '-', '-'}, {3, '+', '='},  {4, '+', '='},
        {56, '-', '-'}, {-1, '-', '-'}, // outside the table
    };
    const auto switchOf = [](std::optional<bool> s) { return !s ? '=' : *s ? '+' : '-'; };
    for (const auto& c : cases) {
        const PairView view = PairTable::viewOf(c.code);
        EXPECT_EQ(switchOf(view.velTextEnabled), c.vel) << "code " << c.code;
        EXPECT_EQ(switchOf(view.pitchTextEnabled), c.pitch) << "code " << c.code;
        EXPECT_EQ(view.infoText, c.code % 11 == 0 ? "same parameter" : "active") << "code " << c.code;
    }
}

TEST(PairTableTest, ResetRestoresTheStartPairs)
{
    PairTable table;
    table.pickHeight(2, 5);
    table.pickWidth(2, 0);
    EXPECT_EQ(table.PairCode(2), 50);
    table.reset();
    for (int i = 0; i < AreaCount; ++i) {
        EXPECT_EQ(table.HeightPart(i), 0);
        EXPECT_EQ(table.WidthPart(i), 1);
        EXPECT_EQ(table.PairCode(i), 1);
    }
}

} // namespace
} // namespace kelmar
