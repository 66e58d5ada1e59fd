#include "performance/PairTable.h"

namespace kelmar {

namespace {

// Pairs that take their velocity from VelText.
bool usesVelText(int code) { return (code >= 2 && code <= 5) || code == 20; }
// Pairs that take their note from PitchText.
bool usesPitchText(int code) { return code == 12 || code == 15 || code == 21; }

} // namespace

PairView PairTable::pickHeight(int area, int position)
{
    heightPart_.at(static_cast<std::size_t>(area)) = static_cast<std::int16_t>(10 * position);
    return update(area);
}

PairView PairTable::pickWidth(int area, int position)
{
    widthPart_.at(static_cast<std::size_t>(area)) = static_cast<std::int16_t>(position);
    return update(area);
}

void PairTable::reset()
{
    heightPart_.fill(0);
    widthPart_.fill(1);
    pairCode_.fill(1);
}

PairView PairTable::update(int area)
{
    const auto i = static_cast<std::size_t>(area);
    pairCode_.at(i) = static_cast<std::int16_t>(heightPart_.at(i) + widthPart_.at(i));
    return viewOf(pairCode_.at(i));
}

PairView PairTable::viewOf(int code)
{
    PairView view;
    view.code = code;
    view.modeText = std::to_string(code);
    // both lists on the same parameter: 0, 11, 22, 33, 44, 55
    view.infoText = code % 11 == 0 ? "same parameter" : "active";
    if (usesVelText(code)) {
        view.velTextEnabled = true;
    } else if (usesPitchText(code)) {
        view.pitchTextEnabled = true;
    } else {
        view.pitchTextEnabled = false;
        view.velTextEnabled = false;
    }
    return view;
}

} // namespace kelmar
