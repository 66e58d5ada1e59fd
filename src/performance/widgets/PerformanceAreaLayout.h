#pragma once

#include <QtGlobal>

#include <array>

#include "performance/PerformanceState.h"
#include "ui/Twips.h"

namespace kelmar {

// Where the members of one performance area sit: the frame inside the
// "Mouse Performance Controls" frame, everything else inside the area frame.
struct PerformanceAreaLayout {
    TwipRect PerfArea;
    TwipRect PerfCheck;
    TwipRect MouseDownCheck;
    TwipRect PerformanceImage;
    TwipRect PerfModeLabel;
    TwipRect InfoLabel;
    TwipRect HeightCombo;
    TwipRect WidthCombo;
    TwipRect VelText;
    TwipRect PitchText;
    TwipRect VLimitMin;
    TwipRect VLimitMax;
    TwipRect HLimitMin;
    TwipRect HLimitMax;
    // the static captions "V:", "H:", "Vel:", "Pitch:", "VLimit:", "HLimit:"
    std::array<TwipRect, 6> captions;
};

// Translated where they are shown (PerformanceAreaWidgets).
inline constexpr std::array<const char*, 6> PerformanceAreaCaptions = {
    QT_TRANSLATE_NOOP("kelmar::PerformanceAreaWidgets", "V:"),
    QT_TRANSLATE_NOOP("kelmar::PerformanceAreaWidgets", "H:"),
    QT_TRANSLATE_NOOP("kelmar::PerformanceAreaWidgets", "Vel:"),
    QT_TRANSLATE_NOOP("kelmar::PerformanceAreaWidgets", "Pitch:"),
    QT_TRANSLATE_NOOP("kelmar::PerformanceAreaWidgets", "VLimit:"),
    QT_TRANSLATE_NOOP("kelmar::PerformanceAreaWidgets", "HLimit:"),
};

// Two mirrored layouts: areas 0 and 2 have their settings column on the
// left and the picture on the right, areas 1 and 3 the reverse; areas 2 and
// 3 have their check boxes along the bottom.
inline constexpr std::array<PerformanceAreaLayout, AreaCount> PerformanceAreaLayouts = {{
    {
        {60, 240, 4335, 2100},
        {105, 180, 2430, 255},
        {2565, 180, 1620, 255},
        {2220, 510, 2070, 1530},
        {60, 525, 465, 255},
        {525, 525, 1650, 255},
        {225, 795, 1170, 285},
        {240, 1395, 1185, 285},
        {1845, 810, 330, 255},
        {1860, 1410, 315, 255},
        {615, 1110, 435, 255},
        {1425, 1110, 435, 255},
        {630, 1725, 435, 255},
        {1425, 1740, 435, 255},
        {{{75, 870, 135, 240}, {75, 1440, 150, 240}, {1440, 840, 270, 195},
          {1440, 1440, 420, 180}, {90, 1140, 450, 195}, {105, 1740, 450, 195}}},
    },
    {
        {4410, 225, 4335, 2130},
        {1815, 180, 2430, 255},
        {90, 165, 1620, 255},
        {45, 510, 2040, 1575},
        {2160, 585, 465, 255},
        {2625, 585, 1650, 255},
        {2325, 855, 1170, 285},
        {2340, 1455, 1185, 285},
        {3960, 870, 330, 255},
        {3960, 1455, 315, 255},
        {2715, 1170, 435, 255},
        {3525, 1170, 435, 255},
        {2730, 1785, 435, 255},
        {3525, 1800, 435, 255},
        {{{2160, 900, 135, 240}, {2175, 1500, 150, 240}, {3540, 900, 270, 195},
          {3540, 1500, 420, 180}, {2190, 1200, 450, 195}, {2205, 1800, 450, 195}}},
    },
    {
        {60, 2295, 4335, 2085},
        {105, 1755, 2430, 255},
        {2640, 1755, 1620, 255},
        {2220, 120, 2070, 1575},
        {60, 165, 465, 255},
        {525, 165, 1650, 255},
        {225, 435, 1170, 285},
        {240, 1035, 1185, 285},
        {1860, 450, 330, 255},
        {1860, 1035, 315, 255},
        {615, 750, 435, 255},
        {1425, 750, 435, 255},
        {630, 1365, 435, 255},
        {1425, 1380, 435, 255},
        {{{60, 465, 135, 240}, {60, 1050, 150, 240}, {1440, 480, 270, 195},
          {1440, 1080, 420, 180}, {90, 780, 450, 195}, {210, 1395, 450, 195}}},
    },
    {
        {4380, 2295, 4380, 2085},
        {1890, 1755, 2430, 255},
        {105, 1755, 1620, 255},
        {45, 120, 2070, 1575},
        {2145, 135, 465, 255},
        {2610, 135, 1650, 255},
        {2310, 405, 1170, 285},
        {2325, 1005, 1185, 285},
        {3945, 420, 330, 255},
        {3945, 1005, 315, 255},
        {2700, 720, 435, 255},
        {3510, 720, 435, 255},
        {2715, 1335, 435, 255},
        {3510, 1350, 435, 255},
        {{{2145, 450, 135, 240}, {2160, 1050, 150, 240}, {3525, 450, 270, 195},
          {3525, 1050, 420, 180}, {2175, 750, 450, 195}, {2190, 1350, 450, 195}}},
    },
}};

} // namespace kelmar
