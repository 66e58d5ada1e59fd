#pragma once

#include <optional>
#include <string>

#include "performance/AxisBands.h"
#include "performance/AxisGuides.h"
#include "performance/AxisLimits.h"
#include "performance/ExtendedPlay.h"
#include "performance/PairOperations.h"
#include "performance/PairTable.h"
#include "performance/PerformanceState.h"
#include "performance/PointerSample.h"

namespace kelmar {

class MidiMessageLayer;

// Decides what a pointer event over a performance area plays and sends it.
//
// Classic rules (Extended Play off): movement plays on an enabled area
// unless it plays on presses only; a left press plays only then; a right
// press silences every note. Each pair code runs its own operation.
//
// Extended Play (on): every cell of two different parameters plays, each
// axis over its limit boxes' range in equal bands (see ExtendedPlay). On
// presses only, a left press plays, moving with it held glides on and the
// release ends the note; otherwise movement plays. A right press silences
// every note as ever.
//
// The messages go through the message layer, whose channel state the pairs
// read and write.
class MousePerformance {
public:
    explicit MousePerformance(MidiMessageLayer& midi)
        : midi_(midi)
        , extended_(midi)
    {
    }

    // Pointer events. Each returning one gives the new caption of
    // InfoLabel(area), or none to keep it.
    std::optional<std::string> pointerMoved(int area, const PointerSample& sample);
    std::optional<std::string> buttonPressed(int area, PointerButton button, const PointerSample& sample);
    void buttonReleased(int area, PointerButton button, const PointerSample& sample);
    // The pointer has left PerformanceImage(area).
    void pointerLeft(int area);

    // Ends the area's note under Extended Play: call it when the area is
    // switched off or its limit boxes change (picks below end it themselves).
    void endNote(int area);
    // Ends every area's note: call it before the program ends.
    void endAllNotes();

    // Extended Play and its choices; each change ends the sounding notes.
    void setExtended(bool on) { extended_.setOn(on); }
    bool extended() const { return extended_.settings().on; }
    void setScale(ScaleKind kind) { extended_.setScale(kind); }
    void setRoot(int root) { extended_.setRoot(root); }
    void setNoteMode(NoteMode mode) { extended_.setNoteMode(mode); }
    const ExtendedSettings& extendedSettings() const { return extended_.settings(); }

    // A pick in HeightCombo(area) or WidthCombo(area): stores it, ends the
    // area's note and gives what the area shows now under the rules in use.
    PairView pickHeight(int area, int position);
    PairView pickWidth(int area, int position);
    // Every area back to its start pair, their notes ended.
    void resetPairs();
    // What the area shows for its pair under the rules in use (after
    // Extended Play is switched on or off).
    PairView view(int area) const;

    // The range a pair of the area's limit boxes sets for the parameter its
    // `axis` plays, in the boxes' units, for showing the value in use.
    ResolvedLimits limitsInUse(int area, PictureAxis axis, const std::string& minText,
                               const std::string& maxText) const;
    // Under Extended Play, where the bands of the area's `axis` lie on a
    // picture whose axis is `length` long, with the limit boxes holding
    // `minText` and `maxText`; none with Extended Play off, for a cell of
    // one parameter, or for more than `maxBands` bands.
    std::optional<AxisGuides> guides(int area, PictureAxis axis, const std::string& minText,
                                     const std::string& maxText, double length, int maxBands) const;

    PairTable& pairs() { return pairs_; }
    const PairTable& pairs() const { return pairs_; }
    const PerformanceState& state() const { return state_; }

private:
    // The parameter the area's `axis` plays, in Extended Play's list.
    AxisParameter parameterOn(int area, PictureAxis axis) const;
    std::optional<std::string> scaleAndDispatch(const PointerSample& sample);
    void apply(const PairOutcome& outcome);

    MidiMessageLayer& midi_;
    PerformanceState state_;
    PairTable pairs_;
    ExtendedPlay extended_;
};

} // namespace kelmar
