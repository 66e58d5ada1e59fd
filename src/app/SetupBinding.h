#pragma once

#include "app/PerformanceSetup.h"

namespace kelmar {

class MainWindow;

// Between a performance setup and the window's controls: what they hold
// now, and a setup applied as the user's own picks would apply it, so that
// the same messages go out (each channel's programme and pan, as choosing
// that channel and its entries sends them).
class SetupBinding {
public:
    static PerformanceSetup capture(MainWindow& window);
    static void apply(MainWindow& window, const PerformanceSetup& setup);

private:
    static void applyChannels(MainWindow& window, const PerformanceSetup& setup);
    static void applyAreas(MainWindow& window, const PerformanceSetup& setup);
};

} // namespace kelmar
