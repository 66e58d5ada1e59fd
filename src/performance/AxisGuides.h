#pragma once

#include <optional>
#include <string>
#include <vector>

#include "performance/AxisBands.h"

namespace kelmar {

// What a picture draws to show the bands of one of its axes: the edges
// between neighbouring bands and, on a pitch axis, the note of each band.
// Positions are fractions 0..1 of the axis' length from its top (vertical)
// or left (horizontal) edge, in rising order, placed where a pointer
// passes into the next band, so they hold for a picture of any size.
struct AxisGuides {
    std::vector<double> edges; // one fewer than the bands
    // Pitch axes only: each band's note name ("C4"), from the top or left;
    // band k lies between edges k - 1 and k.
    std::vector<std::string> noteNames;

    // The guides of `bands` along an axis `length` long (in the unit of
    // the pointer's positions); none for an axis without bands or length,
    // or of more than `maxBands` bands.
    static std::optional<AxisGuides> of(const AxisBands& bands, PictureAxis axis, double length, int maxBands);
};

} // namespace kelmar
