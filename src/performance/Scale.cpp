#include "performance/Scale.h"

#include <cstdint>

namespace kelmar {

namespace {

// One scale's steps above its root, read without counting bits: the
// number of steps, the k-th step, and how many steps lie below each
// semitone of the octave.
struct ScaleSteps {
    int size = 0;
    std::array<std::uint8_t, 12> step{};
    std::array<std::uint8_t, 12> below{};
};

constexpr ScaleSteps steps(std::initializer_list<int> semitones)
{
    ScaleSteps s;
    std::array<bool, 12> in{};
    for (const int t : semitones)
        in[static_cast<std::size_t>(t)] = true;
    for (std::size_t t = 0; t < 12; ++t) {
        s.below[t] = static_cast<std::uint8_t>(s.size);
        if (in[t])
            s.step[static_cast<std::size_t>(s.size++)] = static_cast<std::uint8_t>(t);
    }
    return s;
}

constexpr std::array<ScaleSteps, Scale::Names.size()> Steps = {
    steps({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}), // Chromatic
    steps({0, 2, 4, 5, 7, 9, 11}),                 // Major
    steps({0, 2, 3, 5, 7, 8, 10}),                 // Natural Minor
    steps({0, 2, 3, 5, 7, 8, 11}),                 // Harmonic Minor
    steps({0, 2, 4, 7, 9}),                        // Major Pentatonic
    steps({0, 3, 5, 7, 10}),                       // Minor Pentatonic
    steps({0, 3, 5, 6, 7, 10}),                    // Blues
    steps({0, 2, 3, 5, 7, 9, 10}),                 // Dorian
    steps({0, 2, 4, 5, 7, 9, 10}),                 // Mixolydian
};

constexpr std::array<std::string_view, Scale::Names.size()> CommandLineNames = {
    "chromatic",        "major",  "natural minor", "harmonic minor", "major pentatonic",
    "minor pentatonic", "blues", "dorian",        "mixolydian",
};

int floorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
int floorMod(int a, int b) { return a - b * floorDiv(a, b); }

const ScaleSteps& stepsOf(ScaleKind kind) { return Steps[static_cast<std::size_t>(kind)]; }

std::optional<int> naturalOf(char letter)
{
    constexpr std::string_view Letters = "cdefgab";
    constexpr std::array<int, 7> Naturals = {0, 2, 4, 5, 7, 9, 11};
    const char lower = letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
    const std::size_t at = Letters.find(lower);
    if (at == std::string_view::npos)
        return std::nullopt;
    return Naturals[at];
}

} // namespace

int Scale::rank(int note) const
{
    const ScaleSteps& steps = stepsOf(kind_);
    const int relative = note - root_;
    return floorDiv(relative, 12) * steps.size + steps.below[static_cast<std::size_t>(floorMod(relative, 12))];
}

int Scale::notesIn(int low, int high) const
{
    return high < low ? 0 : rank(high + 1) - rank(low);
}

int Scale::note(int low, int index) const
{
    const ScaleSteps& steps = stepsOf(kind_);
    const int r = rank(low) + index;
    return root_ + 12 * floorDiv(r, steps.size) + steps.step[static_cast<std::size_t>(floorMod(r, steps.size))];
}

std::optional<Scale> Scale::parse(std::string_view text)
{
    const std::size_t space = text.find(' ');
    if (space == std::string_view::npos || space == 0 || space > 2)
        return std::nullopt;
    const std::optional<int> natural = naturalOf(text[0]);
    if (!natural)
        return std::nullopt;
    int root = *natural;
    if (space == 2) {
        const char accidental = text[1];
        if (accidental == '#')
            ++root;
        else if (accidental == 'b' || accidental == 'B')
            --root;
        else
            return std::nullopt;
    }
    const std::string_view name = text.substr(space + 1);
    for (std::size_t k = 0; k < CommandLineNames.size(); ++k) {
        if (name == CommandLineNames[k])
            return Scale(static_cast<ScaleKind>(k), root);
    }
    return std::nullopt;
}

std::string Scale::noteName(int note)
{
    std::string name(RootNames[static_cast<std::size_t>(floorMod(note, 12))]);
    name += std::to_string(floorDiv(note, 12) - 1);
    return name;
}

} // namespace kelmar
