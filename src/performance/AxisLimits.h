#pragma once

#include <string>

#include "performance/AxisParameter.h"

namespace kelmar {

// The two ends of an axis: `min` plays at the bottom or left edge, `max` at
// the top or right; min greater than max runs the axis the other way.
struct AxisRange {
    int min = 0;
    int max = 0;
    bool operator==(const AxisRange&) const = default;
};

// What a pair of limit boxes (VLimitMin/VLimitMax, HLimitMin/HLimitMax)
// holds once read: the range in use, in the boxes' units, and whether each
// box held a whole number. A box that did not keeps its text; one that did
// shows the (possibly clamped) value in use.
struct ResolvedLimits {
    AxisRange range;
    bool minIsNumber = false;
    bool maxIsNumber = false;
    bool operator==(const ResolvedLimits&) const = default;
};

// The values each parameter can take and how the limit boxes narrow them.
// Box units are the parameter's own, except the channel, which users count
// 1..16, and the pitch bend, counted from its centre (-8192..8191); wire
// units are what the messages carry (channel 0..15, bend 0..16383).
class AxisLimits {
public:
    // The full range in box units: velocity 1..127 (a note-on of velocity 0
    // would end the note), channel 1..16, pitch bend -8192..8191, everything
    // else 0..127.
    static AxisRange fullRange(AxisParameter parameter);

    // A box that is not a whole number leaves its end at the full range's;
    // a number outside the full range is clamped into it.
    static ResolvedLimits resolve(AxisParameter parameter, const std::string& minText, const std::string& maxText);

    // The same range in wire units.
    static AxisRange toWire(AxisParameter parameter, AxisRange boxRange);
};

} // namespace kelmar
