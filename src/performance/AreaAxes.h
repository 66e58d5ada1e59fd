#pragma once

#include <array>
#include <optional>
#include <string>

#include "performance/AxisBands.h"
#include "performance/ExtendedPairs.h"
#include "performance/PointerSample.h"
#include "performance/Scale.h"

namespace kelmar {

// A cell of two different parameters with the bands of both its axes.
struct CellAxes {
    PairCell cell;
    AxisBands vertical;
    AxisBands horizontal;
};

// The axes one area plays under Extended Play, worked out again only when
// its pair code, its limit boxes' texts or the scale change: pointer
// samples come far more often than any of these. The bands do not hang on
// the picture's size, which each sample brings, so pictures of any size
// play the same area alike.
class AreaAxes {
public:
    // None for a code outside the table or a cell of one parameter.
    const std::optional<CellAxes>& of(int code, const PointerSample& sample, const Scale& scale);

private:
    bool holds(int code, const PointerSample& sample, const Scale& scale) const;
    static std::optional<CellAxes> build(int code, const PointerSample& sample, const Scale& scale);

    bool built_ = false;
    int code_ = 0;
    Scale scale_;
    std::array<std::string, 4> limitTexts_; // vertical min and max, horizontal min and max
    std::optional<CellAxes> axes_;
};

} // namespace kelmar
