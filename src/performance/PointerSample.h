#pragma once

#include <optional>
#include <string>

namespace kelmar {

// The mouse buttons as the performance areas tell them apart.
enum class PointerButton { Left, Right, Middle, Other };

// One pointer event over an area's picture (PerformanceImage(area), or a
// bigger one in a window of its own), with what the area's other controls
// hold at that moment.
struct PointerSample {
    double x = 0;      // position relative to the picture's top-left corner
    double y = 0;
    double width = 1;  // the picture's current size, in the same unit
    double height = 1;
    bool perfEnabled = true;    // PerfCheck(area) checked
    bool mouseDownOnly = false; // MouseDownCheck(area) checked
    std::string pitchText;      // PitchText(area)
    std::string velText;        // VelText(area)
    // Read by Extended Play only.
    bool leftButtonHeld = false; // the left button is down during this event
    std::string vLimitMinText;   // VLimitMin(area): the vertical axis' bottom value
    std::string vLimitMaxText;   // VLimitMax(area): its top value
    std::string hLimitMinText;   // HLimitMin(area): the horizontal axis' left value
    std::string hLimitMaxText;   // HLimitMax(area): its right value
    // A pen's pressure, 0.0 (none) to 1.0 (full); none for a mouse or a
    // touchpad. It gives the velocity of a cell without a Velocity axis.
    std::optional<double> penPressure;
};

} // namespace kelmar
