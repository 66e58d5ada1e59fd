#include "performance/PerformanceScaling.h"

#include <algorithm>
#include <cmath>

namespace kelmar {

std::int16_t PerformanceScaling::scaleAxis(double position, double extent)
{
    if (!(extent > 0.0))
        return 0; // a picture without size receives no pointer events
    const double step = extent / 127.0;
    const double scaled = std::trunc(position / step);
    if (std::isnan(scaled))
        return 0;
    return static_cast<std::int16_t>(std::clamp(scaled, 0.0, static_cast<double>(MaxValue)));
}

ScaledPosition PerformanceScaling::scale(double x, double y, double width, double height)
{
    return {scaleAxis(x, width), scaleAxis(y, height)};
}

} // namespace kelmar
