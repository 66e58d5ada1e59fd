#include "performance/AxisLimits.h"

#include <algorithm>

#include "midi/MidiCodes.h"
#include "midi/MidiValue.h"

namespace kelmar {

namespace {

struct LimitEnd {
    int value;
    bool isNumber;
};

LimitEnd readEnd(const std::string& text, int fallback, AxisRange full)
{
    const std::optional<long long> number = parseWholeNumber(text);
    if (!number)
        return {fallback, false};
    return {static_cast<int>(std::clamp<long long>(*number, full.min, full.max)), true};
}

} // namespace

AxisRange AxisLimits::fullRange(AxisParameter parameter)
{
    switch (parameter) {
    case AxisParameter::Velocity:
        return {1, 127};
    case AxisParameter::Channel:
        return {1, 16};
    case AxisParameter::PitchBend:
        return {-midi::PitchBendCentre, midi::PitchBendCentre - 1};
    case AxisParameter::Pitch:
    case AxisParameter::Pan:
    case AxisParameter::Volume:
    case AxisParameter::Programme:
    case AxisParameter::Modulation:
        break;
    }
    return {0, 127};
}

ResolvedLimits AxisLimits::resolve(AxisParameter parameter, const std::string& minText, const std::string& maxText)
{
    const AxisRange full = fullRange(parameter);
    const LimitEnd min = readEnd(minText, full.min, full);
    const LimitEnd max = readEnd(maxText, full.max, full);
    return {{min.value, max.value}, min.isNumber, max.isNumber};
}

AxisRange AxisLimits::toWire(AxisParameter parameter, AxisRange boxRange)
{
    // the box's value that goes on the wire as 0
    int zero = 0;
    if (parameter == AxisParameter::Channel)
        zero = 1;
    else if (parameter == AxisParameter::PitchBend)
        zero = -midi::PitchBendCentre;
    return {boxRange.min - zero, boxRange.max - zero};
}

} // namespace kelmar
