#pragma once

namespace kelmar {

// What a pointer event plays for a pair code (10 x vertical parameter +
// horizontal parameter).
enum class PairKind {
    Pair,         // the pair operation of that code runs
    NotAvailable, // the readout says "Not yet available"; nothing is sent
    Nothing,      // nothing is sent and the readout keeps its text
};

// The dispatch table over the 36 pair codes 0..55 of the six axis parameters.
class PairDispatch {
public:
    // Codes outside the table play nothing.
    static PairKind kindOf(int code);
};

} // namespace kelmar
