#pragma once

#include "performance/AxisLimits.h"
#include "performance/AxisParameter.h"
#include "performance/Scale.h"

namespace kelmar {

// The two axes of a performance picture.
enum class PictureAxis { Vertical, Horizontal };

// One axis of a picture in Extended Play: its length split into equal
// bands, one per value of its range (for pitch, one per note of the scale
// inside it). Band 0 lies at the bottom or left edge and plays the range's
// min; the last band plays its max end.
class AxisBands {
public:
    // `range` in wire units. The scale matters for pitch only.
    AxisBands(AxisParameter parameter, AxisRange range, const Scale& scale);

    // Number of bands; 0 when a pitch range holds no note of the scale.
    int count() const { return count_; }
    bool isPitch() const { return pitch_; }
    // The value band `band` (0..count() - 1) plays, in wire units.
    int value(int band) const;

    // The band at `position` from the axis' start edge: floor(position x
    // count / length), positions outside 0..length giving the end bands.
    // 0 for an axis without bands or length.
    static int bandAt(double position, double length, int count);
    // Position along the vertical axis from the bottom edge, for a pointer
    // `y` from the top of a picture `height` high.
    static double fromBottom(double y, double height) { return height - 1 - y; }

private:
    bool pitch_;
    bool rising_;
    int low_;
    int count_;
    Scale scale_;
};

} // namespace kelmar
