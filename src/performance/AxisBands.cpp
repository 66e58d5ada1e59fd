#include "performance/AxisBands.h"

#include <algorithm>

namespace kelmar {

AxisBands::AxisBands(AxisParameter parameter, AxisRange range, const Scale& scale)
    : pitch_(parameter == AxisParameter::Pitch)
    , rising_(range.min <= range.max)
    , low_(std::min(range.min, range.max))
    , count_(0)
    , scale_(scale)
{
    const int high = std::max(range.min, range.max);
    count_ = pitch_ ? scale_.notesIn(low_, high) : high - low_ + 1;
}

int AxisBands::value(int band) const
{
    const int step = rising_ ? band : count_ - 1 - band;
    return pitch_ ? scale_.note(low_, step) : low_ + step;
}

int AxisBands::bandAt(double position, double length, int count)
{
    if (count <= 0 || !(length > 0.0))
        return 0;
    // kept within 0..length (also a NaN position), the quotient is not
    // negative and truncating it is its floor
    const double p = position > 0.0 ? std::min(position, length) : 0.0;
    const auto band = static_cast<int>(p * count / length);
    return std::min(band, count - 1);
}

} // namespace kelmar
