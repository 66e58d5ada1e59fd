#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kelmar {

// The scales a pitch axis can keep to, in menu order.
enum class ScaleKind {
    Chromatic,
    Major,
    NaturalMinor,
    HarmonicMinor,
    MajorPentatonic,
    MinorPentatonic,
    Blues,
    Dorian,
    Mixolydian,
};

// A scale on a root (0 C .. 11 B): the MIDI notes in key, counted and
// found without a loop, and the names of scales, roots and notes.
class Scale {
public:
    static constexpr std::array<std::string_view, 9> Names = {
        "Chromatic",  "Major", "Natural Minor", "Harmonic Minor", "Major Pentatonic", "Minor Pentatonic",
        "Blues", "Dorian", "Mixolydian",
    };
    static constexpr std::array<std::string_view, 12> RootNames = {
        "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B",
    };

    // Any root is taken modulo 12.
    constexpr Scale(ScaleKind kind = ScaleKind::Chromatic, int root = 0)
        : kind_(kind)
        , root_(((root % 12) + 12) % 12)
    {
    }

    ScaleKind kind() const { return kind_; }
    int root() const { return root_; }
    bool operator==(const Scale&) const = default;

    // Number of notes in key from `low` to `high`, both included.
    int notesIn(int low, int high) const;
    // The note in key `index` places above the first one at or above `low`.
    int note(int low, int index) const;

    // The command-line form: a root ("C", "f#", "Db"), one space and the
    // scale's name in lower case ("d dorian", "a natural minor").
    static std::optional<Scale> parse(std::string_view text);
    // "C4" for 60, "C-1" for 0, "G9" for 127; sharps as "C#4".
    static std::string noteName(int note);

private:
    // Scale notes below `note`, counted from a fixed origin: it rises by
    // one at every note in key.
    int rank(int note) const;

    ScaleKind kind_;
    int root_;
};

} // namespace kelmar
