#include "performance/PairTable.h"

#include "performance/Pairs.h"

namespace kelmar {

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
    // the box the pair reads is enabled and the other left as it is;
    // a pair that reads neither disables both
    switch (pairOf(code).box) {
    case FixedValueBox::VelText:
        view.velTextEnabled = true;
        break;
    case FixedValueBox::PitchText:
        view.pitchTextEnabled = true;
        break;
    case FixedValueBox::None:
        view.pitchTextEnabled = false;
        view.velTextEnabled = false;
        break;
    }
    return view;
}

} // namespace kelmar
