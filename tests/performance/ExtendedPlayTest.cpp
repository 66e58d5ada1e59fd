// Extended Play through MousePerformance, down to the bytes a recording
// device is handed: what each cell sends, what goes out only when it
// changed, and when notes end.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "performance/ExtendedPairs.h"
#include "performance/MousePerformance.h"
#include "support/RecordingMidiRig.h"

namespace kelmar {
namespace {

using Bytes = std::vector<std::vector<std::uint8_t>>;
using P = AxisParameter;

// On a picture 128 x 128 an axis of 128 values has one band per pixel:
// x is the value, y = 127 - value. A length equal to the value count does
// the same for the other parameters (width 127 for velocity 1..127: x = v - 1).
PointerSample at(double x, double y, double width = 128, double height = 128)
{
    PointerSample s;
    s.x = x;
    s.y = y;
    s.width = width;
    s.height = height;
    s.pitchText = "60";
    s.velText = "100";
    return s;
}

struct Rig {
    explicit Rig(P vertical = P::Pitch, P horizontal = P::Velocity)
    {
        performance.setExtended(true);
        performance.pickHeight(0, static_cast<int>(vertical));
        performance.pickWidth(0, static_cast<int>(horizontal));
        midi.clear();
    }
    Bytes take()
    {
        Bytes sent = midi.sent();
        midi.clear();
        return sent;
    }
    test::RecordingMidiRig midi;
    MousePerformance performance{midi.layer};
};

TEST(ExtendedPlayTest, WhatEachCellSends)
{
    const struct {
        P vertical, horizontal;
        PointerSample sample;
        Bytes bytes;
        std::optional<std::string> readout;
        int channelAfter = 0;
    } cases[] = {
        {P::Pitch, P::Velocity, at(89, 65, 127), {{0x90, 62, 90}}, "Pitch 62 D4, Vel 90"},
        {P::Velocity, P::Pitch, at(62, 37, 128, 127), {{0x90, 62, 90}}, "Vel 90, Pitch 62 D4"},
        {P::Pitch, P::Pan, at(64, 65), {{0xB0, 10, 64}, {0x90, 62, 100}}, "Pitch 62 D4, Pan 64"},
        {P::Channel, P::Programme, at(5, 13, 128, 16), {{0xC2, 5}}, "Channel 3, Prog 5", 2},
        {P::Pan, P::Volume, at(100, 63), {{0xB0, 10, 64}, {0xB0, 7, 100}}, "Pan 64, Volume 100"},
        {P::Programme, P::Velocity, at(89, 122, 127), {{0xC0, 5}, {0x90, 60, 90}}, "Prog 5, Vel 90"},
        {P::Volume, P::Pitch, at(62, 27), {{0xB0, 7, 100}, {0x90, 62, 100}}, "Volume 100, Pitch 62 D4"},
        {P::Channel, P::Pitch, at(61, 0, 128, 16), {{0x9F, 61, 100}}, "Channel 16, Pitch 61 C#4", 15},
        {P::Velocity, P::Channel, at(9, 37, 16, 127), {{0x99, 60, 90}}, "Vel 90, Channel 10", 9},
        {P::Programme, P::Channel, at(15, 127, 16), {{0xCF, 0}}, "Prog 0, Channel 16", 15},
        {P::Velocity, P::Volume, at(0, 126, 128, 127), {{0xB0, 7, 0}, {0x90, 60, 1}}, "Vel 1, Volume 0"},
        {P::Pan, P::Pan, at(64, 64), {}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "cell " << static_cast<int>(c.vertical) << static_cast<int>(c.horizontal));
        Rig rig(c.vertical, c.horizontal);
        EXPECT_EQ(rig.performance.pointerMoved(0, c.sample), c.readout);
        EXPECT_EQ(rig.take(), c.bytes);
        EXPECT_EQ(rig.midi.layer.channels().CurrentChannel, c.channelAfter);
    }
}

TEST(ExtendedPlayTest, TheOtherHalfOfTheNoteComesFromItsBox)
{
    const struct {
        P vertical, horizontal;
        const char *pitchText, *velText;
        Bytes bytes;
    } cases[] = {
        {P::Pitch, P::Channel, "60", "0", {{0x90, 62, 1}}}, // never a note-on of velocity 0
        {P::Pitch, P::Channel, "60", "300", {{0x90, 62, 127}}},
        {P::Pitch, P::Pan, "60", "", {{0xB0, 10, 0}}},
        {P::Velocity, P::Pan, "abc", "100", {{0xB0, 10, 0}}},
        {P::Velocity, P::Pan, "200", "100", {{0xB0, 10, 0}, {0x90, 127, 62}}},
        {P::Velocity, P::Pan, " 61 ", "", {{0xB0, 10, 0}, {0x90, 61, 62}}}, // the unused box does not matter
    };
    for (const auto& c : cases) {
        Rig rig(c.vertical, c.horizontal);
        PointerSample s = at(0, 65, 16); // pitch 62 or velocity 62; channel 1 or pan 0
        s.pitchText = c.pitchText;
        s.velText = c.velText;
        rig.performance.pointerMoved(0, s);
        EXPECT_EQ(rig.take(), c.bytes) << c.pitchText << " / " << c.velText;
    }
}

TEST(ExtendedPlayTest, LimitsAndScaleShapeTheAxis)
{
    Rig rig;
    rig.performance.setScale(ScaleKind::Major);
    rig.performance.setRoot(2); // D major: 8 notes from 74 down to 62 over 8 pixels
    PointerSample s = at(89, 0, 127, 8);
    s.vLimitMinText = "74";
    s.vLimitMaxText = "62";
    EXPECT_EQ(rig.performance.pointerMoved(0, s), "Pitch 62 D4, Vel 90");
    s.y = 7;
    EXPECT_EQ(rig.performance.pointerMoved(0, s), "Pitch 74 D5, Vel 90");
    s.y = 6;
    rig.performance.pointerMoved(0, s);
    EXPECT_EQ(rig.take(), (Bytes{{0x90, 62, 90}, {0x80, 62, 64}, {0x90, 74, 90}, {0x80, 74, 64}, {0x90, 73, 90}}));

    s.vLimitMinText = s.vLimitMaxText = "63"; // D#: not in D major
    EXPECT_EQ(rig.performance.pointerMoved(0, s), "No scale note in range, Vel 90");
    EXPECT_EQ(rig.take(), (Bytes{{0x80, 73, 64}}));

    // a new scale or pair takes effect with the same boxes
    s.vLimitMinText = "74";
    s.vLimitMaxText = "62";
    s.y = 4;
    EXPECT_EQ(rig.performance.pointerMoved(0, s), "Pitch 69 A4, Vel 90");
    rig.performance.setScale(ScaleKind::Chromatic);
    EXPECT_EQ(rig.performance.pointerMoved(0, s), "Pitch 70 A#4, Vel 90");
    rig.performance.pickWidth(0, static_cast<int>(P::Pan));
    EXPECT_EQ(rig.performance.pointerMoved(0, s), "Pitch 70 A#4, Pan 89");
}

TEST(ExtendedPlayTest, ProgrammeAndControllersGoOutOnlyWhenTheyDifferFromTheLastSent)
{
    Rig rig(P::Pan, P::Volume);
    rig.performance.pointerMoved(0, at(100, 63));
    rig.performance.pointerMoved(0, at(100, 63));
    rig.performance.pointerMoved(0, at(101, 63));
    EXPECT_EQ(rig.take(), (Bytes{{0xB0, 10, 64}, {0xB0, 7, 100}, {0xB0, 7, 101}}));
    rig.midi.layer.SendMidi(0xB0, 10, 30); // the pan bar
    rig.performance.pointerMoved(0, at(101, 63));
    EXPECT_EQ(rig.take(), (Bytes{{0xB0, 10, 30}, {0xB0, 10, 64}}));

    Rig programmes(P::Programme, P::Velocity);
    programmes.midi.layer.SendMidi(0xC0, 5, 0); // the patch list, on channel 1
    programmes.midi.layer.SendMidi(0xC1, 9, 0); // another channel does not count
    programmes.take();
    programmes.performance.pointerMoved(0, at(89, 122, 127));
    EXPECT_EQ(programmes.take(), (Bytes{{0x90, 60, 90}}));
    programmes.midi.layer.channels().CurrentChannel = 1;
    programmes.performance.pointerMoved(0, at(89, 122, 127));
    EXPECT_EQ(programmes.take(), (Bytes{{0x80, 60, 64}, {0xC1, 5}, {0x91, 60, 90}}));
    EXPECT_EQ(programmes.midi.layer.channels().ChannelPatch[1], 5);
}

TEST(ExtendedPlayTest, OneNotePerAreaEndsTheNoteBeforeTheNext)
{
    Rig rig(P::Programme, P::Pitch);
    rig.performance.pointerMoved(0, at(62, 122));
    rig.performance.pointerMoved(0, at(62.7, 121.6)); // the same bands
    rig.performance.pointerMoved(0, at(64, 121));
    EXPECT_EQ(rig.take(), (Bytes{{0xC0, 5}, {0x90, 62, 100}, {0x80, 62, 64}, {0xC0, 6}, {0x90, 64, 100}}));

    Rig velocity; // velocity is taken when the note starts
    velocity.performance.pointerMoved(0, at(89, 65, 127));
    velocity.performance.pointerMoved(0, at(20, 65, 127));
    EXPECT_EQ(velocity.take(), (Bytes{{0x90, 62, 90}}));

    // each area sounds a note of its own
    velocity.performance.pickHeight(1, 0);
    velocity.performance.pickWidth(1, 1);
    velocity.performance.pointerMoved(1, at(20, 64, 127));
    velocity.performance.pointerLeft(0);
    velocity.performance.pointerLeft(0);
    velocity.performance.endNote(1);
    EXPECT_EQ(velocity.take(), (Bytes{{0x90, 63, 21}, {0x80, 62, 64}, {0x80, 63, 64}}));
}

TEST(ExtendedPlayTest, OnPressesOnlyALeftPressPlaysAndItsReleaseEnds)
{
    Rig rig;
    PointerSample s = at(89, 65, 127);
    s.mouseDownOnly = true;
    rig.performance.pointerMoved(0, s); // no button held: nothing
    rig.performance.buttonPressed(0, PointerButton::Middle, s);
    rig.performance.buttonPressed(0, PointerButton::Left, s);
    s.leftButtonHeld = true;
    s.y = 64;
    rig.performance.pointerMoved(0, s); // a glide
    rig.performance.buttonPressed(0, PointerButton::Left, s); // strikes anew
    rig.performance.buttonReleased(0, PointerButton::Right, s);
    rig.performance.buttonReleased(0, PointerButton::Left, s);
    s.leftButtonHeld = false;
    rig.performance.pointerMoved(0, s);
    EXPECT_EQ(rig.take(), (Bytes{{0x90, 62, 90}, {0x80, 62, 64}, {0x90, 63, 90}, {0x80, 63, 64}, {0x90, 63, 90},
                                 {0x80, 63, 64}}));

    s.mouseDownOnly = false; // a press plays nothing then
    rig.performance.buttonPressed(0, PointerButton::Left, s);
    EXPECT_EQ(rig.take(), Bytes{});
}

TEST(ExtendedPlayTest, ChangesOfTheAreaOrTheModeEndTheNote)
{
    Rig rig;
    const PointerSample s = at(89, 65, 127);
    const auto playedAndEnded = [](const Bytes& sent) {
        return sent.size() == 2 && sent[0][0] == 0x90 && sent[1] == std::vector<std::uint8_t>{0x80, sent[0][1], 64};
    };
    const std::function<void(MousePerformance&)> changes[] = {
        [](MousePerformance& p) { p.pickWidth(0, 1); },
        [](MousePerformance& p) { p.pickHeight(0, 0); },
        [](MousePerformance& p) { p.setScale(ScaleKind::Chromatic == p.extendedSettings().scale.kind()
                                                 ? ScaleKind::Blues : ScaleKind::Chromatic); },
        [](MousePerformance& p) { p.setRoot(p.extendedSettings().scale.root() + 1); },
        [](MousePerformance& p) { p.endAllNotes(); },
        [](MousePerformance& p) { p.resetPairs(); },
    };
    for (const auto& change : changes) {
        rig.performance.pointerMoved(0, s);
        change(rig.performance);
        EXPECT_TRUE(playedAndEnded(rig.take()));
    }
    rig.performance.pointerMoved(0, s);
    PointerSample off = s;
    off.perfEnabled = false;
    rig.performance.pointerMoved(0, off);
    rig.performance.pointerMoved(0, off);
    EXPECT_TRUE(playedAndEnded(rig.take()));
}

TEST(ExtendedPlayTest, HeldNotesNeverEndButDoNotRetriggerInTheirBand)
{
    Rig rig;
    rig.performance.pointerMoved(0, at(89, 65, 127));
    rig.performance.setNoteMode(NoteMode::HeldUntilSilenced); // ends the note started before
    rig.performance.pointerMoved(0, at(89, 65, 127));
    rig.performance.pointerMoved(0, at(20, 65, 127));
    rig.performance.pointerMoved(0, at(20, 64, 127));
    rig.performance.pointerLeft(0);
    rig.performance.pointerMoved(0, at(20, 64, 127)); // forgotten, so it plays again
    rig.performance.setExtended(false);
    EXPECT_EQ(rig.take(), (Bytes{{0x90, 62, 90}, {0x80, 62, 64}, {0x90, 62, 90}, {0x90, 63, 21}, {0x90, 63, 21}}));
}

TEST(ExtendedPlayTest, AnAllNotesOffSweepLetsTheSameBandPlayAgain)
{
    for (const NoteMode mode : {NoteMode::OneNotePerArea, NoteMode::HeldUntilSilenced}) {
        Rig rig;
        rig.performance.setNoteMode(mode);
        rig.performance.pointerMoved(0, at(89, 65, 127));
        rig.performance.buttonPressed(0, PointerButton::Right, at(89, 65, 127));
        EXPECT_EQ(rig.take().size(), 1U + 128 * 16);
        rig.performance.pointerMoved(0, at(89, 65, 127));
        rig.midi.layer.AllNotesOffSweep(); // the general controls' button
        rig.take();
        rig.performance.pointerMoved(0, at(89, 65, 127));
        rig.performance.pointerLeft(0);
        const Bytes afterSweep = mode == NoteMode::OneNotePerArea ? Bytes{{0x90, 62, 90}, {0x80, 62, 64}}
                                                                   : Bytes{{0x90, 62, 90}};
        EXPECT_EQ(rig.take(), afterSweep);
    }
}

TEST(ExtendedPlayTest, SwitchingOffEndsTheNoteAndLeavesTheClassicBytes)
{
    test::RecordingMidiRig classic;
    MousePerformance plain{classic.layer};
    Rig rig;
    rig.performance.pointerMoved(0, at(89, 65, 127));
    rig.performance.setExtended(false);
    EXPECT_EQ(rig.take(), (Bytes{{0x90, 62, 90}, {0x80, 62, 64}}));
    EXPECT_EQ(rig.performance.view(0).velTextEnabled, PairTable::viewOf(1).velTextEnabled);
    for (const PointerSample& s : {at(89, 65, 127), at(89, 65, 127), at(10, 100, 127)}) {
        EXPECT_EQ(rig.performance.pointerMoved(0, s), plain.pointerMoved(0, s));
        EXPECT_EQ(rig.performance.buttonPressed(0, PointerButton::Left, s),
                  plain.buttonPressed(0, PointerButton::Left, s));
    }
    EXPECT_EQ(rig.take(), classic.sent());
}

TEST(ExtendedPlayTest, ViewsAndLimitsOfTheCells)
{
    // code -> InfoLabel, PitchText enabled, VelText enabled
    const struct {
        int code;
        const char* info;
        bool pitch, vel;
    } cases[] = {
        {1, "active", false, false},  {2, "active", false, true},   {30, "active", false, true},
        {51, "active", true, false},  {24, "active", false, false}, {22, "same parameter", false, false},
    };
    for (const auto& c : cases) {
        const PairView view = ExtendedPairs::viewOf(c.code);
        EXPECT_EQ(view.modeText, std::to_string(c.code));
        EXPECT_EQ(view.infoText, c.info) << c.code;
        EXPECT_EQ(view.pitchTextEnabled, c.pitch) << c.code;
        EXPECT_EQ(view.velTextEnabled, c.vel) << c.code;
    }

    Rig rig(P::Programme, P::Channel);
    EXPECT_EQ(rig.performance.view(0).modeText, "53");
    EXPECT_EQ(rig.performance.limitsInUse(0, PictureAxis::Horizontal, "0", "HLMax"),
              (ResolvedLimits{{1, 16}, true, false}));
    EXPECT_EQ(rig.performance.limitsInUse(0, PictureAxis::Vertical, "200", "x"),
              (ResolvedLimits{{127, 127}, true, false}));
}

TEST(ExtendedPlayTest, BendAndModulationCells)
{
    // a full bend axis 128 wide puts 128 x x on the wire, the centre at 64
    const struct {
        P vertical, horizontal;
        PointerSample sample;
        const char *hMin, *hMax;
        Bytes bytes;
        std::string readout;
    } cases[] = {
        {P::Pitch, P::PitchBend, at(64, 65), "", "", {{0xE0, 0, 64}, {0x90, 62, 100}}, "Pitch 62 D4, Bend 0"},
        {P::Pitch, P::PitchBend, at(128, 65, 256), "", "", {{0xE0, 0, 64}, {0x90, 62, 100}}, "Pitch 62 D4, Bend 0"},
        {P::Pitch, P::PitchBend, at(0, 65), "9000", "-9000", {{0xE0, 127, 127}, {0x90, 62, 100}},
         "Pitch 62 D4, Bend 8191"},
        {P::Pitch, P::PitchBend, at(9, 65), "100", "100", {{0xE0, 100, 64}, {0x90, 62, 100}}, "Pitch 62 D4, Bend 100"},
        {P::PitchBend, P::Modulation, at(64, 63), "", "", {{0xB0, 1, 64}, {0xE0, 0, 64}}, "Bend 0, Mod 64"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.readout);
        Rig rig(c.vertical, c.horizontal);
        PointerSample s = c.sample;
        s.hLimitMinText = c.hMin;
        s.hLimitMaxText = c.hMax;
        EXPECT_EQ(rig.performance.pointerMoved(0, s), c.readout);
        EXPECT_EQ(rig.take(), c.bytes);
    }
}

TEST(ExtendedPlayTest, TheBendGoesOutWhenItChangesAndCentresWhenItsNoteEnds)
{
    Rig rig(P::Pitch, P::PitchBend);
    ChannelState& channels = rig.midi.layer.channels();
    channels.CurrentChannel = 2;
    for (const PointerSample& s : {at(0, 65), at(0, 64.6), at(1, 65)}) // bend 0, the same bands, bend 128
        rig.performance.pointerMoved(0, s);
    channels.CurrentChannel = 0;
    rig.performance.pointerMoved(0, at(1, 64)); // a new note centres the old one's channel
    rig.midi.layer.SendMidi(0xE0, 0, 64);       // a bend from elsewhere
    rig.performance.pointerMoved(0, at(1, 64));
    rig.performance.pointerLeft(0);
    rig.performance.pointerMoved(0, at(64, 65)); // centred already
    rig.performance.pickWidth(0, 1);
    EXPECT_EQ(rig.take(), (Bytes{{0xE2, 0, 0}, {0x92, 62, 100}, {0xE2, 0, 1}, {0x82, 62, 64}, {0xE2, 0, 64},
                                 {0xE0, 0, 1}, {0x90, 63, 100}, {0xE0, 0, 64}, {0xE0, 0, 1}, {0x80, 63, 64},
                                 {0xE0, 0, 64}, {0x90, 62, 100}, {0x80, 62, 64}}));

    for (const NoteMode mode : {NoteMode::OneNotePerArea, NoteMode::HeldUntilSilenced}) {
        Rig picked(P::Pitch, P::PitchBend);
        picked.performance.setNoteMode(mode);
        picked.performance.pointerMoved(0, at(0, 65));
        picked.performance.pickWidth(0, 1); // the new cell bends nothing
        const Bytes centred{{0xE0, 0, 0}, {0x90, 62, 100}, {0x80, 62, 64}, {0xE0, 0, 64}};
        const bool ends = mode == NoteMode::OneNotePerArea; // a held note is only forgotten
        EXPECT_EQ(picked.take(), ends ? centred : Bytes(centred.begin(), centred.begin() + 2));
    }
}

TEST(ExtendedPlayTest, APensPressureGivesTheVelocityNoAxisPlays)
{
    const struct {
        P horizontal;
        std::optional<double> pressure;
        int velocity;
    } cases[] = {{P::Pan, 0.0, 1},   {P::Pan, 0.5, 64},     {P::Pan, 1.5, 127},
                 {P::Pan, {}, 100},  {P::Velocity, 1.0, 2}, {P::Pan, std::numeric_limits<double>::quiet_NaN(), 100}};
    for (const auto& c : cases) {
        Rig rig(P::Pitch, c.horizontal);
        PointerSample s = at(1, 65, 127); // pitch 62; velocity 2 or pan 1
        s.penPressure = c.pressure;
        rig.performance.pointerMoved(0, s);
        EXPECT_EQ(rig.take().back(), (std::vector<std::uint8_t>{0x90, 62, static_cast<std::uint8_t>(c.velocity)}));
    }
    test::RecordingMidiRig classic; // the classic rules keep to VelText
    MousePerformance plain{classic.layer};
    plain.pickWidth(0, static_cast<int>(P::Pan));
    PointerSample pen = at(1, 65, 127);
    pen.penPressure = 0.0;
    plain.pointerMoved(0, pen);
    EXPECT_EQ(classic.sent().front().back(), 100);
}

TEST(ExtendedPlayTest, CodesUpToSeventySeven)
{
    const struct {
        int code;
        P vertical, horizontal;
        bool pitch, vel;
    } cases[] = {{6, P::Pitch, P::PitchBend, false, true}, {17, P::Velocity, P::Modulation, true, false},
                 {67, P::PitchBend, P::Modulation, false, false}, {77, P::Modulation, P::Modulation, false, false}};
    for (const auto& c : cases) {
        const std::optional<PairCell> cell = ExtendedPairs::cellOf(c.code);
        ASSERT_TRUE(cell && ExtendedPairs::extendedOnly(c.code)) << c.code;
        EXPECT_EQ(std::pair(cell->vertical, cell->horizontal), std::pair(c.vertical, c.horizontal)) << c.code;
        const PairView view = ExtendedPairs::viewOf(c.code);
        EXPECT_EQ(view.pitchTextEnabled, c.pitch) << c.code;
        EXPECT_EQ(view.velTextEnabled, c.vel) << c.code;
    }
    for (const int code : {5, 55, 68, 80})
        EXPECT_FALSE(ExtendedPairs::extendedOnly(code)) << code;

    Rig rig(P::PitchBend, P::Modulation);
    EXPECT_EQ(rig.performance.limitsInUse(0, PictureAxis::Vertical, "-9000", "x"),
              (ResolvedLimits{{-8192, 8191}, true, false}));
    EXPECT_FALSE(rig.performance.guides(0, PictureAxis::Vertical, "", "", 100, 200)); // 16384 bands
    EXPECT_EQ(rig.performance.guides(0, PictureAxis::Horizontal, "", "", 100, 200)->edges.size(), 127U);
}

} // namespace
} // namespace kelmar
