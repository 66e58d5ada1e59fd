// Extended Play's mapping: bands along an axis, scales and note names, and
// the limit boxes.
#include <gtest/gtest.h>

#include <cctype>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "performance/AxisBands.h"
#include "performance/AxisGuides.h"
#include "performance/AxisLimits.h"
#include "performance/Scale.h"

namespace kelmar {
namespace {

// Band k covers positions [k x length / n, (k + 1) x length / n).
TEST(AxisBandsTest, FirstAndLastPixelOfBands)
{
    const struct {
        double position, length;
        int count, band;
    } cases[] = {
        {0, 100, 12, 0},    {8, 100, 12, 0},    {9, 100, 12, 1},    {16, 100, 12, 1},  {17, 100, 12, 2},
        {49, 100, 12, 5},   {50, 100, 12, 6},   {58, 100, 12, 6},   {91, 100, 12, 10}, {92, 100, 12, 11},
        {99, 100, 12, 11},  {8.33, 100, 12, 0}, {8.34, 100, 12, 1}, {0, 100, 15, 0},   {6, 100, 15, 0},
        {7, 100, 15, 1},    {13, 100, 15, 1},   {47, 100, 15, 7},   {53, 100, 15, 7},  {93, 100, 15, 13},
        {94, 100, 15, 14},  {99, 100, 15, 14},  {0, 254, 127, 0},   {1, 254, 127, 0},  {2, 254, 127, 1},
        {126, 254, 127, 63}, {127, 254, 127, 63}, {128, 254, 127, 64}, {252, 254, 127, 126}, {253, 254, 127, 126},
        // outside the picture: the end bands
        {-1, 100, 12, 0},   {100, 100, 12, 11}, {1e9, 100, 12, 11}, {-1e9, 100, 15, 0},
        {std::numeric_limits<double>::quiet_NaN(), 100, 12, 0},
        // nothing to split
        {50, 100, 0, 0},    {50, 0, 12, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AxisBands::bandAt(c.position, c.length, c.count), c.band)
            << c.position << " of " << c.length << " in " << c.count;
}

TEST(AxisBandsTest, TheBottomRowIsBandZero)
{
    const struct {
        double y;
        int band;
    } cases[] = {{99, 0}, {99.5, 0}, {91, 0}, {90, 1}, {8, 10}, {7, 11}, {0, 11}, {-5, 11}, {150, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(AxisBands::bandAt(AxisBands::fromBottom(c.y, 100), 100, 12), c.band) << "y " << c.y;
}

std::vector<int> valuesOf(const AxisBands& bands)
{
    std::vector<int> values;
    for (int k = 0; k < bands.count(); ++k)
        values.push_back(bands.value(k));
    return values;
}

TEST(AxisBandsTest, ValuesRiseFromMinToMaxAndFallWhenReversed)
{
    const Scale chromatic;
    const Scale cMajor(ScaleKind::Major, 0);
    const struct {
        AxisParameter parameter;
        AxisRange range;
        Scale scale;
        std::vector<int> values;
    } cases[] = {
        {AxisParameter::Pan, {3, 7}, chromatic, {3, 4, 5, 6, 7}},
        {AxisParameter::Volume, {7, 3}, chromatic, {7, 6, 5, 4, 3}},
        {AxisParameter::Channel, {14, 15}, cMajor, {14, 15}}, // scales are for pitch only
        {AxisParameter::Programme, {9, 9}, chromatic, {9}},
        {AxisParameter::Pitch, {60, 64}, chromatic, {60, 61, 62, 63, 64}},
        {AxisParameter::Pitch, {60, 72}, cMajor, {60, 62, 64, 65, 67, 69, 71, 72}},
        {AxisParameter::Pitch, {72, 60}, cMajor, {72, 71, 69, 67, 65, 64, 62, 60}},
        {AxisParameter::Pitch, {61, 61}, cMajor, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(valuesOf(AxisBands(c.parameter, c.range, c.scale)), c.values)
            << AxisParameterNames[static_cast<std::size_t>(c.parameter)] << " " << c.range.min << ".." << c.range.max;
    EXPECT_EQ(AxisBands(AxisParameter::Pitch, {0, 127}, chromatic).count(), 128);
}

TEST(ScaleTest, NotesInKeyOverARange)
{
    const struct {
        ScaleKind kind;
        int root, low, high;
        std::vector<int> notes;
    } cases[] = {
        {ScaleKind::Major, 0, 60, 72, {60, 62, 64, 65, 67, 69, 71, 72}},
        {ScaleKind::Major, 7, 60, 71, {60, 62, 64, 66, 67, 69, 71}},          // G
        {ScaleKind::Major, 6, 60, 71, {61, 63, 65, 66, 68, 70, 71}},          // F#
        {ScaleKind::Dorian, 2, 62, 74, {62, 64, 65, 67, 69, 71, 72, 74}},     // D
        {ScaleKind::Dorian, 11, 59, 71, {59, 61, 62, 64, 66, 68, 69, 71}},    // B
        {ScaleKind::Blues, 0, 60, 72, {60, 63, 65, 66, 67, 70, 72}},
        {ScaleKind::Blues, 9, 57, 69, {57, 60, 62, 63, 64, 67, 69}},          // A
        {ScaleKind::NaturalMinor, 9, 57, 69, {57, 59, 60, 62, 64, 65, 67, 69}},
        {ScaleKind::HarmonicMinor, 9, 57, 69, {57, 59, 60, 62, 64, 65, 68, 69}},
        {ScaleKind::MajorPentatonic, 5, 60, 72, {60, 62, 65, 67, 69, 72}},    // F
        {ScaleKind::MinorPentatonic, 4, 0, 12, {2, 4, 7, 9, 11}},             // E
        {ScaleKind::Mixolydian, 10, 120, 127, {120, 122, 123, 125, 127}},     // A#
        {ScaleKind::Chromatic, 5, 126, 127, {126, 127}},
        {ScaleKind::MajorPentatonic, 0, 61, 61, {}},
    };
    for (const auto& c : cases) {
        const Scale scale(c.kind, c.root);
        std::vector<int> notes;
        for (int k = 0; k < scale.notesIn(c.low, c.high); ++k)
            notes.push_back(scale.note(c.low, k));
        EXPECT_EQ(notes, c.notes) << Scale::Names[static_cast<std::size_t>(c.kind)] << " on " << c.root;
    }
    EXPECT_EQ(Scale(ScaleKind::Major, 0).notesIn(0, 127), 75);
    EXPECT_EQ(Scale(ScaleKind::MinorPentatonic, 9).notesIn(0, 127), 54);
    EXPECT_EQ(Scale(ScaleKind::Major, 14).root(), 2);
}

TEST(ScaleTest, NoteNames)
{
    const struct {
        int note;
        const char* name;
    } cases[] = {{0, "C-1"}, {11, "B-1"}, {12, "C0"}, {60, "C4"}, {61, "C#4"}, {62, "D4"}, {69, "A4"}, {127, "G9"}};
    for (const auto& c : cases)
        EXPECT_EQ(Scale::noteName(c.note), c.name);
}

TEST(ScaleTest, ParsesTheCommandLineForm)
{
    const struct {
        const char* text;
        std::optional<Scale> scale;
    } cases[] = {
        {"D dorian", Scale(ScaleKind::Dorian, 2)},
        {"c major", Scale(ScaleKind::Major, 0)},
        {"f# minor pentatonic", Scale(ScaleKind::MinorPentatonic, 6)},
        {"a natural minor", Scale(ScaleKind::NaturalMinor, 9)},
        {"Db major", Scale(ScaleKind::Major, 1)},
        {"bb blues", Scale(ScaleKind::Blues, 10)},
        {"Cb mixolydian", Scale(ScaleKind::Mixolydian, 11)},
        {"G harmonic minor", Scale(ScaleKind::HarmonicMinor, 7)},
        {"D  dorian", std::nullopt},
        {"D Dorian", std::nullopt},
        {"H major", std::nullopt},
        {"Cx major", std::nullopt},
        {"c majors", std::nullopt},
        {"c minor", std::nullopt},
        {"dorian", std::nullopt},
        {"C", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Scale::parse(c.text), c.scale) << '"' << c.text << '"';

    // every menu name in lower case parses to its own scale
    for (std::size_t k = 0; k < Scale::Names.size(); ++k) {
        std::string text = "e ";
        for (const char ch : Scale::Names[k])
            text += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        EXPECT_EQ(Scale::parse(text), Scale(static_cast<ScaleKind>(k), 4)) << text;
    }
}

TEST(AxisLimitsTest, BoxesNarrowTheRangeInTheirOwnUnits)
{
    using P = AxisParameter;
    const struct {
        P parameter;
        const char *min, *max;
        ResolvedLimits resolved;
    } cases[] = {
        {P::Pitch, "VLimitMin", "VLimitMax", {{0, 127}, false, false}},
        {P::Velocity, "HLMin", "HLMax", {{1, 127}, false, false}},
        {P::Velocity, "0", "200", {{1, 127}, true, true}},
        {P::Channel, "", "", {{1, 16}, false, false}},
        {P::Channel, "3", "0", {{3, 1}, true, true}},
        {P::Channel, "17", "-4", {{16, 1}, true, true}},
        {P::Pan, " 100 ", "+20", {{100, 20}, true, true}},
        {P::Programme, "5.5", "-3", {{0, 0}, false, true}},
        {P::Volume, "99999999999", "1e2", {{127, 127}, true, false}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AxisLimits::resolve(c.parameter, c.min, c.max), c.resolved) << c.min << " / " << c.max;
    EXPECT_EQ(AxisLimits::toWire(P::Channel, {3, 1}), (AxisRange{2, 0}));
    EXPECT_EQ(AxisLimits::toWire(P::Pan, {3, 1}), (AxisRange{3, 1}));
}

// On a length of 100, edges where a pointer passes into the next band.
TEST(AxisGuidesTest, EdgesFromTheTopOrLeftAndTheNotesOfAPitchAxis)
{
    const struct {
        AxisRange range;
        PictureAxis axis;
        std::vector<double> edges;
    } cases[] = {{{62, 60}, PictureAxis::Horizontal, {1.0 / 3, 2.0 / 3}},
                 {{60, 62}, PictureAxis::Vertical, {97.0 / 300, 197.0 / 300}}};
    for (const auto& c : cases) {
        const auto guides = AxisGuides::of(AxisBands(AxisParameter::Pitch, c.range, Scale()), c.axis, 100, 3);
        ASSERT_TRUE(guides && guides->edges.size() == 2);
        EXPECT_NEAR(guides->edges[0], c.edges[0], 1e-9);
        EXPECT_NEAR(guides->edges[1], c.edges[1], 1e-9);
        EXPECT_EQ(guides->noteNames, (std::vector<std::string>{"D4", "C#4", "C4"}));
    }
    EXPECT_FALSE(AxisGuides::of(AxisBands(AxisParameter::Pan, {0, 3}, Scale()), PictureAxis::Vertical, 100, 3));
}

} // namespace
} // namespace kelmar
