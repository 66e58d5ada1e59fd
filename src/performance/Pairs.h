#pragma once

namespace kelmar {

struct PairInputs;
struct PairOutcome;

// What a pointer event plays for a pair code (10 x vertical parameter +
// horizontal parameter).
enum class PairKind {
    Pair,         // the pair operation of that code runs
    NotAvailable, // the readout says "Not yet available"; nothing is sent
    Nothing,      // nothing is sent and the readout keeps its text
};

// Which of its area's fixed-value boxes a pair takes a value from.
enum class FixedValueBox {
    None,
    VelText,   // the note's velocity
    PitchText, // the note itself
};

using PairOperation = PairOutcome (*)(const PairInputs&);

// One pair code: what it plays, the fixed-value box it reads and, for a
// pair operation, the operation.
struct PairDescriptor {
    int code = 0;
    PairKind kind = PairKind::Nothing;
    FixedValueBox box = FixedValueBox::None;
    PairOperation operation = nullptr; // set exactly for PairKind::Pair
};

// The descriptor of a pair code among the 36 codes 0..55 of the six axis
// parameters. Codes outside them play nothing.
PairDescriptor pairOf(int code);

} // namespace kelmar
