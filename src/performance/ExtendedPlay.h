#pragma once

#include <optional>
#include <string>

#include <array>

#include "performance/AreaAxes.h"
#include "performance/AreaNotes.h"
#include "performance/ExtendedPairs.h"
#include "performance/NoteMode.h"
#include "performance/PointerSample.h"
#include "performance/Scale.h"

namespace kelmar {

class MidiMessageLayer;

// The choices of Extended Play. Off at start; when on, notes keep to C
// chromatic and each area sounds one note.
struct ExtendedSettings {
    bool on = false;
    Scale scale;
    NoteMode noteMode = NoteMode::OneNotePerArea;
};

// Extended Play: what pointer events over the areas play when it is on.
// Each axis maps its limited range onto equal bands, every cell of two
// different parameters plays, programme and controllers go out only when
// they differ from what the output last sent on the channel, and each area
// starts a note only when its channel or pitch changes (ending the one
// before in One Note per Area, and centring its bend).
class ExtendedPlay {
public:
    explicit ExtendedPlay(MidiMessageLayer& midi) : midi_(midi) {}

    const ExtendedSettings& settings() const { return settings_; }
    // Each change ends every sounding note first, by the rules it was started under.
    void setOn(bool on);
    void setScale(ScaleKind kind);
    void setRoot(int root);
    void setNoteMode(NoteMode mode);

    // The events of an area whose pair code is `code`; each returns the new
    // readout, or none to keep it.
    std::optional<std::string> pointerMoved(int area, int code, const PointerSample& sample);
    std::optional<std::string> leftPressed(int area, int code, const PointerSample& sample);
    void buttonReleased(int area, PointerButton button, const PointerSample& sample);

    // Ends the area's note: a note-off in One Note per Area, followed by the
    // bend back to its centre when the note's cell bends; in Held Until
    // Silenced the note is only forgotten, so the next event plays again.
    void endNote(int area);
    void endAllNotes();

private:
    std::optional<std::string> play(int area, int code, const PointerSample& sample);
    static std::optional<int> valueAt(const AxisBands& bands, double position, double length);
    void send(int area, const CellOutcome& out);
    // Each sends only a value that differs from the one last sent on the channel.
    void sendProgramme(int channel, std::optional<int> programme);
    void sendController(int channel, int number, std::optional<int> value);
    void sendBend(int channel, std::optional<int> bend);

    MidiMessageLayer& midi_;
    ExtendedSettings settings_;
    AreaNotes notes_;
    std::array<AreaAxes, AreaCount> axes_;
};

} // namespace kelmar
