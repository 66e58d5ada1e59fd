#include "performance/MousePerformance.h"

#include "midi/MidiMessageLayer.h"
#include "performance/ExtendedPairs.h"
#include "performance/PerformanceScaling.h"

namespace kelmar {

std::optional<std::string> MousePerformance::pointerMoved(int area, const PointerSample& sample)
{
    state_.CurrentArea = static_cast<std::int16_t>(area);
    if (extended())
        return extended_.pointerMoved(area, pairs_.PairCode(area), sample);
    // whether a button is held plays no part
    if (sample.perfEnabled && !sample.mouseDownOnly)
        return scaleAndDispatch(sample);
    return std::nullopt;
}

std::optional<std::string> MousePerformance::buttonPressed(int area, PointerButton button, const PointerSample& sample)
{
    state_.CurrentArea = static_cast<std::int16_t>(area);
    if (button == PointerButton::Right) {
        midi_.AllNotesOffSweep(); // whatever the area's check boxes hold
        return std::nullopt;
    }
    if (button != PointerButton::Left)
        return std::nullopt;
    if (extended())
        return extended_.leftPressed(area, pairs_.PairCode(area), sample);
    if (sample.mouseDownOnly)
        return scaleAndDispatch(sample);
    return std::nullopt;
}

void MousePerformance::buttonReleased(int area, PointerButton button, const PointerSample& sample)
{
    extended_.buttonReleased(area, button, sample);
}

void MousePerformance::pointerLeft(int area)
{
    extended_.endNote(area);
}

void MousePerformance::endNote(int area)
{
    extended_.endNote(area);
}

void MousePerformance::endAllNotes()
{
    extended_.endAllNotes();
}

PairView MousePerformance::pickHeight(int area, int position)
{
    pairs_.pickHeight(area, position);
    extended_.endNote(area);
    return view(area);
}

PairView MousePerformance::pickWidth(int area, int position)
{
    pairs_.pickWidth(area, position);
    extended_.endNote(area);
    return view(area);
}

void MousePerformance::resetPairs()
{
    pairs_.reset();
    extended_.endAllNotes();
}

PairView MousePerformance::view(int area) const
{
    const int code = pairs_.PairCode(area);
    return extended() ? ExtendedPairs::viewOf(code) : PairTable::viewOf(code);
}

ResolvedLimits MousePerformance::limitsInUse(int area, PictureAxis axis, const std::string& minText,
                                             const std::string& maxText) const
{
    return AxisLimits::resolve(parameterOn(area, axis), minText, maxText);
}

std::optional<AxisGuides> MousePerformance::guides(int area, PictureAxis axis, const std::string& minText,
                                                   const std::string& maxText, double length, int maxBands) const
{
    const std::optional<PairCell> cell = ExtendedPairs::cellOf(pairs_.PairCode(area));
    if (!extended() || !cell || cell->sameParameter())
        return std::nullopt;
    const AxisParameter parameter = parameterOn(area, axis);
    const AxisRange range = AxisLimits::toWire(parameter, AxisLimits::resolve(parameter, minText, maxText).range);
    return AxisGuides::of(AxisBands(parameter, range, extendedSettings().scale), axis, length, maxBands);
}

AxisParameter MousePerformance::parameterOn(int area, PictureAxis axis) const
{
    const int part = axis == PictureAxis::Vertical ? pairs_.HeightPart(area) / 10 : pairs_.WidthPart(area);
    // a position outside both lists reads as the first parameter
    const bool listed = part >= 0 && part < static_cast<int>(ExtendedAxisParameterNames.size());
    return listed ? static_cast<AxisParameter>(part) : AxisParameter::Pitch;
}

std::optional<std::string> MousePerformance::scaleAndDispatch(const PointerSample& sample)
{
    const ScaledPosition scaled = PerformanceScaling::scale(sample.x, sample.y, sample.width, sample.height);
    state_.HorizontalValue = scaled.horizontal;
    state_.VerticalValue = scaled.vertical;

    PairInputs in;
    in.h = scaled.horizontal;
    in.v = scaled.vertical;
    in.pitchText = sample.pitchText;
    in.velText = sample.velText;
    in.channel = midi_.channels().CurrentChannel;

    PairOutcome outcome = PairOperations::play(pairs_.PairCode(state_.CurrentArea), in);
    apply(outcome);
    return std::move(outcome.readout);
}

// The statuses already carry the channel each message belongs on, so the
// channel state is written once the messages are out.
void MousePerformance::apply(const PairOutcome& outcome)
{
    for (const OutgoingMessage& m : outcome.messages)
        midi_.SendMidi(m.status, m.data1, m.data2);
    ChannelState& channels = midi_.channels();
    if (outcome.channel)
        channels.CurrentChannel = *outcome.channel;
    if (outcome.volume)
        channels.ChannelVolume.at(static_cast<std::size_t>(outcome.volume->channel)) = outcome.volume->value;
}

} // namespace kelmar
