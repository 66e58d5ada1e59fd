#include "performance/AxisGuides.h"

#include <algorithm>

#include "performance/Scale.h"

namespace kelmar {

std::optional<AxisGuides> AxisGuides::of(const AxisBands& bands, PictureAxis axis, double length, int maxBands)
{
    const int count = bands.count();
    if (count == 0 || count > maxBands || !(length > 0.0))
        return std::nullopt;
    const bool vertical = axis == PictureAxis::Vertical;
    AxisGuides guides;
    guides.edges.reserve(static_cast<std::size_t>(count - 1));
    // the k-th band from the top or left edge, and the edge after it
    for (int k = 0; k < count; ++k) {
        const int band = vertical ? count - 1 - k : k;
        if (bands.isPitch())
            guides.noteNames.push_back(Scale::noteName(bands.value(band)));
        if (k == count - 1)
            break;
        // band b starts b x length / count from the bottom or left edge
        // (AxisBands::bandAt); fromBottom turns a vertical position back
        // into a pointer's y, being its own inverse
        const double fromStart = (vertical ? band : band + 1) * length / count;
        const double at = vertical ? AxisBands::fromBottom(fromStart, length) : fromStart;
        guides.edges.push_back(std::clamp(at / length, 0.0, 1.0));
    }
    return guides;
}

} // namespace kelmar
