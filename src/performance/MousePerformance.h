#pragma once

#include <optional>
#include <string>

#include "performance/PairOperations.h"
#include "performance/PairTable.h"
#include "performance/PerformanceState.h"

namespace kelmar {

class MidiMessageLayer;

// The mouse buttons as the performance areas tell them apart.
enum class PointerButton { Left, Right, Middle, Other };

// One pointer event over PerformanceImage(area), with what the area's other
// controls hold at that moment.
struct PointerSample {
    double x = 0;      // position relative to the picture's top-left corner
    double y = 0;
    double width = 1;  // the picture's current size, in the same unit
    double height = 1;
    bool perfEnabled = true;    // PerfCheck(area) checked
    bool mouseDownOnly = false; // MouseDownCheck(area) checked
    std::string pitchText;      // PitchText(area)
    std::string velText;        // VelText(area)
};

// Decides what a pointer event over a performance area plays and sends it:
// movement plays on an enabled area unless it plays on presses only; a left
// press plays only then; a right press silences every note. The messages go
// through the message layer, whose channel state the pairs read and write.
class MousePerformance {
public:
    explicit MousePerformance(MidiMessageLayer& midi) : midi_(midi) {}

    // Each returns the new caption of InfoLabel(area), or none to keep it.
    std::optional<std::string> pointerMoved(int area, const PointerSample& sample);
    std::optional<std::string> buttonPressed(int area, PointerButton button, const PointerSample& sample);

    PairTable& pairs() { return pairs_; }
    const PairTable& pairs() const { return pairs_; }
    const PerformanceState& state() const { return state_; }

private:
    std::optional<std::string> scaleAndDispatch(const PointerSample& sample);
    void apply(const PairOutcome& outcome);

    MidiMessageLayer& midi_;
    PerformanceState state_;
    PairTable pairs_;
};

} // namespace kelmar
