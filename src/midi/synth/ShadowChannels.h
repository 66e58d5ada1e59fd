#pragma once

#include <fluidsynth/types.h>

#include <atomic>
#include <cstdint>

#include "midi/MidiCodes.h"
#include "midi/MidiMessage.h"

namespace kelmar {

// Loading programmes and drum kits off the audio thread. FluidSynth reads a
// programme's samples when the programme is first selected, so the
// synthesizer has 32 channels: channel c + 16 is channel c's shadow, never
// played, on which the engine's thread selects a programme (and mirrors a
// bank select) before the audio thread selects it on c.
//
// The drum channel's kit is selected, and its samples loaded, when the
// channel is first played rather than with the soundfont: a large
// soundfont's kit takes more memory than its piano (FluidR3_GM: 11 MB
// against 8 MB).
//
// needsEngine() may be asked from any thread; the rest runs on the engine's
// thread (selectDrumKitBefore only while that thread plays the messages).
class ShadowChannels {
public:
    static constexpr int MidiChannels = 16;
    // What the synthesizer is created with: the channels and their shadows.
    static constexpr int SynthChannels = 2 * MidiChannels;
    // MIDI channel 10, which General MIDI gives to percussion.
    static constexpr int DrumChannel = 9;

    // Makes the drum channel's shadow a drum channel too.
    static void setUp(fluid_synth_t* synth);
    // Once the soundfont is loaded: programme 0 on every channel but the
    // drum channel and its shadow, whose kit waits for its first note.
    static void selectDefaults(fluid_synth_t* synth);

    // What the engine's thread must see before the audio thread plays it:
    // a programme change or a bank select, and the drum channel's first
    // note while its kit is still to be selected.
    bool needsEngine(const MidiBytes& message) const;
    // While the audio thread plays messages, for a whole message that
    // needsEngine(), with the synthesizer's lock held: selects on the shadow
    // channel what the message will select. True when the drum kit has been
    // selected now as well: the audio thread must then play
    // drumKitSelection() before the message.
    bool prepare(fluid_synth_t* synth, const MidiBytes& message);
    // While the engine's thread plays the messages itself: selects the drum
    // channel's default kit just before the first message that could tell.
    void selectDrumKitBefore(fluid_synth_t* synth, const MidiBytes& message);

    // The programme change to the drum channel's default kit.
    static constexpr MidiBytes drumKitSelection()
    {
        return MidiBytes{{static_cast<std::uint8_t>(midi::ProgramChange | DrumChannel), 0, 0}, 2};
    }

private:
    static constexpr int shadowOf(int channel) { return channel + MidiChannels; }

    // Once false it stays false; set by the engine's thread, read by senders.
    std::atomic<bool> drumKitPending_{true};
};

} // namespace kelmar
