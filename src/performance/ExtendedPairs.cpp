#include "performance/ExtendedPairs.h"

#include <algorithm>

#include "performance/Scale.h"

namespace kelmar {

namespace {

constexpr int ParameterCount = static_cast<int>(AxisParameterNames.size());

// A velocity from VelText: a whole number, at least 1 (a note-on of
// velocity 0 would end the note), at most 127.
std::optional<int> velocityFromText(std::string_view text)
{
    const std::optional<long long> number = parseWholeNumber(std::string(text));
    if (!number)
        return std::nullopt;
    return static_cast<int>(std::clamp<long long>(*number, 1, 127));
}

void appendItem(std::string& readout, AxisParameter parameter, const std::optional<int>& value)
{
    if (!readout.empty())
        readout += ", ";
    if (!value) {
        readout += ExtendedPairs::NoScaleNoteText;
        return;
    }
    switch (parameter) {
    case AxisParameter::Pitch:
        readout.append("Pitch ").append(std::to_string(*value)).append(" ").append(Scale::noteName(*value));
        return;
    case AxisParameter::Velocity:
        readout += "Vel ";
        break;
    case AxisParameter::Pan:
        readout += "Pan ";
        break;
    case AxisParameter::Channel:
        readout.append("Channel ").append(std::to_string(*value + 1));
        return;
    case AxisParameter::Volume:
        readout += "Volume ";
        break;
    case AxisParameter::Programme:
        readout += "Prog ";
        break;
    }
    readout += std::to_string(*value);
}

// The value of the axis playing `parameter`: absent when neither axis
// plays it; present without a value for a pitch axis without scale notes.
struct AxisValue {
    bool present = false;
    std::optional<int> value;
};

AxisValue valueOf(const PairCell& cell, const CellInputs& in, AxisParameter parameter)
{
    if (cell.vertical == parameter)
        return {true, in.vertical};
    if (cell.horizontal == parameter)
        return {true, in.horizontal};
    return {};
}

std::optional<CellNote> noteOf(const PairCell& cell, const CellInputs& in)
{
    const AxisValue pitch = valueOf(cell, in, AxisParameter::Pitch);
    const AxisValue velocity = valueOf(cell, in, AxisParameter::Velocity);
    if (!pitch.present && !velocity.present)
        return std::nullopt; // a pure controller cell
    CellNote note;
    if (pitch.present) {
        if (!pitch.value)
            return std::nullopt;
        note.pitch = *pitch.value;
        note.pitchData = *pitch.value;
    } else {
        // handed to the port as text, which reads it as this very number
        MidiValue text{std::string(in.pitchText)};
        const std::optional<std::uint8_t> byte = text.dataByte();
        if (!byte)
            return std::nullopt;
        note.pitch = *byte;
        note.pitchData = std::move(text);
    }
    const std::optional<int> v = velocity.present ? velocity.value : velocityFromText(in.velText);
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
    const AxisValue channel = valueOf(cell, in, AxisParameter::Channel);
    out.channelFromAxis = channel.present;
    out.channel = std::clamp(channel.value.value_or(in.currentChannel), 0, 15);
    out.programme = valueOf(cell, in, AxisParameter::Programme).value;
    out.pan = valueOf(cell, in, AxisParameter::Pan).value;
    out.volume = valueOf(cell, in, AxisParameter::Volume).value;
    out.note = noteOf(cell, in);
    out.readout.reserve(40);
    appendItem(out.readout, cell.vertical, in.vertical);
    appendItem(out.readout, cell.horizontal, in.horizontal);
    return out;
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
