#include "performance/ExtendedPairs.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

#include "midi/MidiCodes.h"
#include "performance/Scale.h"

namespace kelmar {

namespace {

constexpr int ParameterCount = static_cast<int>(ExtendedAxisParameterNames.size());
constexpr int ClassicParameterCount = static_cast<int>(AxisParameterNames.size());

// A velocity from VelText: a whole number, at least 1 (a note-on of
// velocity 0 would end the note), at most 127.
std::optional<int> velocityFromText(std::string_view text)
{
    const std::optional<long long> number = parseWholeNumber(std::string(text));
    if (!number)
        return std::nullopt;
    return static_cast<int>(std::clamp<long long>(*number, 1, 127));
}

// The velocity of a cell without a Velocity axis: from a pen's pressure,
// none (0) playing 1 and full (1) playing 127; else from VelText. A
// pressure that is not a number counts as none given.
std::optional<int> velocityWithoutAxis(const CellInputs& in)
{
    if (!in.penPressure || std::isnan(*in.penPressure))
        return velocityFromText(in.velText);
    return static_cast<int>(std::lround(std::clamp(*in.penPressure, 0.0, 1.0) * 126.0)) + 1;
}

// The readout, put together without a heap allocation of its own until
// it is handed over; its longest form has 46 characters.
struct ReadoutText {
    std::array<char, 64> text{};
    std::size_t size = 0;

    void add(std::string_view s)
    {
        const std::size_t n = std::min(s.size(), text.size() - size);
        std::copy_n(s.data(), n, text.data() + size);
        size += n;
    }
    void add(int number)
    {
        const auto [end, error] = std::to_chars(text.data() + size, text.data() + text.size(), number);
        if (error == std::errc())
            size = static_cast<std::size_t>(end - text.data());
    }
    std::string str() const { return {text.data(), size}; }
};

void addItem(ReadoutText& readout, AxisParameter parameter, const std::optional<int>& value)
{
    if (readout.size > 0)
        readout.add(", ");
    if (!value) {
        readout.add(ExtendedPairs::NoScaleNoteText);
        return;
    }
    switch (parameter) {
    case AxisParameter::Pitch: // with its note name, "Pitch 61 C#4"
        readout.add("Pitch ");
        readout.add(*value);
        readout.add(" ");
        readout.add(Scale::RootNames[static_cast<std::size_t>(*value % 12)]);
        readout.add(*value / 12 - 1);
        return;
    case AxisParameter::Velocity:
        readout.add("Vel ");
        break;
    case AxisParameter::Pan:
        readout.add("Pan ");
        break;
    case AxisParameter::Channel: // as users count channels, 1..16
        readout.add("Channel ");
        readout.add(*value + 1);
        return;
    case AxisParameter::Volume:
        readout.add("Volume ");
        break;
    case AxisParameter::Programme:
        readout.add("Prog ");
        break;
    case AxisParameter::PitchBend: // counted from the centre, as the boxes are
        readout.add("Bend ");
        readout.add(*value - midi::PitchBendCentre);
        return;
    case AxisParameter::Modulation:
        readout.add("Mod ");
        break;
    }
    readout.add(*value);
}

// The value of the axis playing `parameter`: null when neither axis plays
// it, an empty value for a pitch axis without scale notes.
const std::optional<int>* axisOf(const PairCell& cell, const CellInputs& in, AxisParameter parameter)
{
    if (cell.vertical == parameter)
        return &in.vertical;
    if (cell.horizontal == parameter)
        return &in.horizontal;
    return nullptr;
}

// Sets `to` to the value of the axis playing `parameter`, if one does.
void takeValue(std::optional<int>& to, const PairCell& cell, const CellInputs& in, AxisParameter parameter)
{
    if (const std::optional<int>* axis = axisOf(cell, in, parameter))
        to = *axis;
}

std::optional<CellNote> noteOf(const PairCell& cell, const CellInputs& in)
{
    const std::optional<int>* pitch = axisOf(cell, in, AxisParameter::Pitch);
    const std::optional<int>* velocity = axisOf(cell, in, AxisParameter::Velocity);
    if (!pitch && !velocity)
        return std::nullopt; // a pure controller cell
    CellNote note;
    if (pitch) {
        if (!*pitch)
            return std::nullopt;
        note.pitch = **pitch;
        note.pitchData = **pitch;
    } else {
        // handed to the port as text, which reads it as this very number
        MidiValue text{std::string(in.pitchText)};
        const std::optional<std::uint8_t> byte = text.dataByte();
        if (!byte)
            return std::nullopt;
        note.pitch = *byte;
        note.pitchData = std::move(text);
    }
    const std::optional<int> v = velocity ? *velocity : velocityWithoutAxis(in);
    if (!v)
        return std::nullopt;
    note.velocity = *v;
    return note;
}

} // namespace

std::optional<PairCell> ExtendedPairs::cellOf(int code)
{
    const int height = code / 10;
    const int width = code % 10;
    if (code < 0 || height >= ParameterCount || width >= ParameterCount)
        return std::nullopt;
    return PairCell{static_cast<AxisParameter>(height), static_cast<AxisParameter>(width)};
}

std::optional<CellOutcome> ExtendedPairs::play(const PairCell& cell, const CellInputs& in)
{
    if (cell.sameParameter())
        return std::nullopt;
    CellOutcome out;
    const std::optional<int>* channel = axisOf(cell, in, AxisParameter::Channel);
    out.channelFromAxis = channel != nullptr;
    out.channel = std::clamp(channel ? channel->value_or(0) : in.currentChannel, 0, 15);
    takeValue(out.programme, cell, in, AxisParameter::Programme);
    takeValue(out.pan, cell, in, AxisParameter::Pan);
    takeValue(out.volume, cell, in, AxisParameter::Volume);
    takeValue(out.modulation, cell, in, AxisParameter::Modulation);
    takeValue(out.bend, cell, in, AxisParameter::PitchBend);
    out.note = noteOf(cell, in);
    ReadoutText readout;
    addItem(readout, cell.vertical, in.vertical);
    addItem(readout, cell.horizontal, in.horizontal);
    out.readout = readout.str();
    return out;
}

bool ExtendedPairs::extendedOnly(int code)
{
    const std::optional<PairCell> cell = cellOf(code);
    return cell && (static_cast<int>(cell->vertical) >= ClassicParameterCount
                    || static_cast<int>(cell->horizontal) >= ClassicParameterCount);
}

PairView ExtendedPairs::viewOf(int code)
{
    PairView view;
    view.code = code;
    view.modeText = std::to_string(code);
    const std::optional<PairCell> cell = cellOf(code);
    const bool same = cell ? cell->sameParameter() : code % 11 == 0;
    view.infoText = same ? "same parameter" : "active";
    const bool pitch = cell && !same && cell->has(AxisParameter::Pitch);
    const bool velocity = cell && !same && cell->has(AxisParameter::Velocity);
    view.pitchTextEnabled = velocity && !pitch;
    view.velTextEnabled = pitch && !velocity;
    return view;
}

} // namespace kelmar
