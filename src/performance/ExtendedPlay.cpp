#include "performance/ExtendedPlay.h"

#include "midi/MidiCodes.h"
#include "midi/MidiMessageLayer.h"
#include "performance/AxisBands.h"

namespace kelmar {

namespace {
constexpr int NoteOffVelocity = 64;
} // namespace

void ExtendedPlay::setOn(bool on)
{
    if (on == settings_.on)
        return;
    endAllNotes();
    settings_.on = on;
}

void ExtendedPlay::setScale(ScaleKind kind)
{
    if (kind == settings_.scale.kind())
        return;
    endAllNotes();
    settings_.scale = Scale(kind, settings_.scale.root());
}

void ExtendedPlay::setRoot(int root)
{
    const Scale scale(settings_.scale.kind(), root);
    if (scale == settings_.scale)
        return;
    endAllNotes();
    settings_.scale = scale;
}

void ExtendedPlay::setNoteMode(NoteMode mode)
{
    if (mode == settings_.noteMode)
        return;
    endAllNotes();
    settings_.noteMode = mode;
}

std::optional<std::string> ExtendedPlay::pointerMoved(int area, int code, const PointerSample& sample)
{
    if (!sample.perfEnabled) {
        endNote(area); // a switched-off area never keeps sounding
        return std::nullopt;
    }
    // on presses only, a move with the left button down glides on
    if (sample.mouseDownOnly && !sample.leftButtonHeld)
        return std::nullopt;
    return play(area, code, sample);
}

std::optional<std::string> ExtendedPlay::leftPressed(int area, int code, const PointerSample& sample)
{
    if (!sample.perfEnabled || !sample.mouseDownOnly)
        return std::nullopt;
    endNote(area); // a press strikes anew, also in the band of the sounding note
    return play(area, code, sample);
}

void ExtendedPlay::buttonReleased(int area, PointerButton button, const PointerSample& sample)
{
    if (button == PointerButton::Left && sample.mouseDownOnly)
        endNote(area);
}

void ExtendedPlay::endNote(int area)
{
    notes_.followSweeps(midi_.sweepCount());
    const std::optional<SoundingNote> note = notes_.take(area);
    if (!note || settings_.noteMode != NoteMode::OneNotePerArea)
        return;
    midi_.SendMidi(midi::NoteOff + note->channel, note->pitch, NoteOffVelocity);
    if (note->bends)
        sendBend(note->channel, midi::PitchBendCentre);
}

void ExtendedPlay::endAllNotes()
{
    for (int area = 0; area < AreaCount; ++area)
        endNote(area);
}

std::optional<std::string> ExtendedPlay::play(int area, int code, const PointerSample& sample)
{
    const std::optional<CellAxes>& axes = axes_.at(static_cast<std::size_t>(area)).of(code, sample, settings_.scale);
    if (!axes)
        return std::nullopt;
    CellInputs in;
    in.vertical = valueAt(axes->vertical, AxisBands::fromBottom(sample.y, sample.height), sample.height);
    in.horizontal = valueAt(axes->horizontal, sample.x, sample.width);
    in.pitchText = sample.pitchText;
    in.velText = sample.velText;
    in.penPressure = sample.penPressure;
    in.currentChannel = midi_.channels().CurrentChannel;
    std::optional<CellOutcome> out = ExtendedPairs::play(axes->cell, in);
    if (!out)
        return std::nullopt;
    notes_.followSweeps(midi_.sweepCount());
    send(area, *out);
    return std::move(out->readout);
}

std::optional<int> ExtendedPlay::valueAt(const AxisBands& bands, double position, double length)
{
    if (bands.count() == 0)
        return std::nullopt; // a pitch range without a scale note
    return bands.value(AxisBands::bandAt(position, length, bands.count()));
}

// The note-off of the area's note goes first, then the programme, the
// controllers and the bend, then the new note.
void ExtendedPlay::send(int area, const CellOutcome& out)
{
    using namespace midi;
    const int ch = out.channel;
    const auto c = static_cast<std::size_t>(ch);
    std::optional<SoundingNote> wanted;
    if (out.note)
        wanted = SoundingNote{ch, out.note->pitch, out.bend.has_value()};
    const bool sounding = wanted && notes_.of(area) == wanted;
    if (!sounding)
        endNote(area);

    sendProgramme(ch, out.programme);
    sendController(ch, PanController, out.pan);
    sendController(ch, VolumeController, out.volume);
    sendController(ch, ModulationWheel, out.modulation);
    sendBend(ch, out.bend);
    ChannelState& channels = midi_.channels();
    // the general controls show these when their channel is chosen again
    if (out.programme)
        channels.ChannelPatch[c] = static_cast<std::int16_t>(*out.programme);
    if (out.pan)
        channels.ChannelPan[c] = static_cast<std::int16_t>(*out.pan);
    if (out.volume)
        channels.ChannelVolume[c] = static_cast<std::int16_t>(*out.volume);

    if (wanted && !sounding) {
        midi_.SendMidi(NoteOn + ch, out.note->pitchData, out.note->velocity);
        notes_.start(area, *wanted);
    }
    if (out.channelFromAxis)
        channels.CurrentChannel = static_cast<std::int16_t>(ch);
}

void ExtendedPlay::sendProgramme(int channel, std::optional<int> programme)
{
    if (programme && *programme != midi_.output().lastSent().programme(channel))
        midi_.SendMidi(midi::ProgramChange + channel, *programme, 0);
}

void ExtendedPlay::sendController(int channel, int number, std::optional<int> value)
{
    if (value && *value != midi_.output().lastSent().controller(channel, number))
        midi_.SendMidi(midi::ControlChange + channel, number, *value);
}

// 14 bits, the low seven first.
void ExtendedPlay::sendBend(int channel, std::optional<int> bend)
{
    if (bend && *bend != midi_.output().lastSent().pitchBend(channel))
        midi_.SendMidi(midi::PitchBend + channel, *bend & 0x7F, (*bend >> 7) & 0x7F);
}

} // namespace kelmar
