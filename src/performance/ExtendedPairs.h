#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "midi/MidiValue.h"
#include "performance/AxisParameter.h"
#include "performance/PairTable.h"

namespace kelmar {

// One cell of the pair table: the vertical and the horizontal parameter.
struct PairCell {
    AxisParameter vertical = AxisParameter::Pitch;
    AxisParameter horizontal = AxisParameter::Velocity;
    bool sameParameter() const { return vertical == horizontal; }
    bool has(AxisParameter p) const { return vertical == p || horizontal == p; }
};

// What a pointer event plays in a cell under Extended Play: the two axes'
// values (none: a pitch range without a scale note) and what the area's
// fixed-value boxes and the channel state add.
struct CellInputs {
    std::optional<int> vertical; // wire units
    std::optional<int> horizontal;
    std::string_view pitchText;  // PitchText: the note of a cell without a Pitch axis
    std::string_view velText;    // VelText: the velocity of a cell without a Velocity axis
    std::optional<double> penPressure; // a pen's, 0..1: then it gives that velocity instead
    int currentChannel = 0;
};

// The note an event asks for. `pitchData` is what goes on the wire as the
// note number: the value itself, or PitchText's text for the port to read
// (it reads the same number as `pitch`).
struct CellNote {
    int pitch = 0;
    MidiValue pitchData;
    int velocity = 1; // 1..127
};

// What an event in a cell plays, before the note bookkeeping and the
// last-sent values decide which messages go out. Every value is in wire
// units and in range.
struct CellOutcome {
    int channel = 0;            // the channel of every message of the event
    bool channelFromAxis = false; // then it becomes the current channel
    std::optional<int> programme;
    std::optional<int> pan;
    std::optional<int> volume;
    std::optional<int> modulation;
    std::optional<int> bend; // 0..16383, 8192 the centre
    std::optional<CellNote> note;
    std::string readout; // vertical axis first: "Pitch 62 D4, Vel 90"
};

// The 56 cells of two different parameters under Extended Play: a Channel
// axis picks the channel, Programme, Pan, Volume, Modulation and Pitch Bend
// axes their controls, and a Pitch or Velocity axis a note (the other half
// from its box, or a pen's pressure for the velocity). Cells of one
// parameter play nothing.
class ExtendedPairs {
public:
    static constexpr std::string_view NoScaleNoteText = "No scale note in range";

    // The cell of pair code 10 x vertical + horizontal; none outside the table.
    static std::optional<PairCell> cellOf(int code);

    // Whether `code` is a cell only Extended Play's lists can pick: one of
    // its axes plays Pitch Bend or Modulation.
    static bool extendedOnly(int code);

    // None for a cell of one parameter.
    static std::optional<CellOutcome> play(const PairCell& cell, const CellInputs& in);

    // What an area with pair code `code` shows: PitchText enabled exactly
    // when the cell plays velocity but not pitch, VelText exactly when it
    // plays pitch but not velocity.
    static PairView viewOf(int code);
};

} // namespace kelmar
