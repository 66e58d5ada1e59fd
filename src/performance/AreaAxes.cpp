#include "performance/AreaAxes.h"

#include "performance/AxisLimits.h"

namespace kelmar {

namespace {

AxisBands bandsOf(AxisParameter parameter, const std::string& minText, const std::string& maxText,
                  const Scale& scale)
{
    const AxisRange range = AxisLimits::toWire(parameter, AxisLimits::resolve(parameter, minText, maxText).range);
    return AxisBands(parameter, range, scale);
}

} // namespace

const std::optional<CellAxes>& AreaAxes::of(int code, const PointerSample& sample, const Scale& scale)
{
    if (!holds(code, sample, scale)) {
        axes_ = build(code, sample, scale);
        built_ = true;
        code_ = code;
        scale_ = scale;
        limitTexts_ = {sample.vLimitMinText, sample.vLimitMaxText, sample.hLimitMinText, sample.hLimitMaxText};
    }
    return axes_;
}

bool AreaAxes::holds(int code, const PointerSample& sample, const Scale& scale) const
{
    return built_ && code == code_ && scale == scale_ && sample.vLimitMinText == limitTexts_[0]
        && sample.vLimitMaxText == limitTexts_[1] && sample.hLimitMinText == limitTexts_[2]
        && sample.hLimitMaxText == limitTexts_[3];
}

std::optional<CellAxes> AreaAxes::build(int code, const PointerSample& sample, const Scale& scale)
{
    const std::optional<PairCell> cell = ExtendedPairs::cellOf(code);
    if (!cell || cell->sameParameter())
        return std::nullopt;
    return CellAxes{*cell, bandsOf(cell->vertical, sample.vLimitMinText, sample.vLimitMaxText, scale),
                    bandsOf(cell->horizontal, sample.hLimitMinText, sample.hLimitMaxText, scale)};
}

} // namespace kelmar
