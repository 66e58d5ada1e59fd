#include "midi/synth/ShadowChannels.h"

#include <fluidsynth.h>

#include "midi/MidiCodes.h"
#include "midi/synth/FluidSynthLibrary.h"

namespace kelmar {

using namespace midi;

namespace {

const FluidSynthLibrary& fluid() { return FluidSynthLibrary::inUse(); }

bool isBankSelect(int status, int data1)
{
    return status == ControlChange && (data1 == BankSelect || data1 == BankSelectFine);
}

} // namespace

void ShadowChannels::setUp(fluid_synth_t* synth)
{
    fluid().fluid_synth_set_channel_type(synth, shadowOf(DrumChannel), CHANNEL_TYPE_DRUM);
}

void ShadowChannels::selectDefaults(fluid_synth_t* synth)
{
    for (int channel = 0; channel < SynthChannels; ++channel) {
        if (channel != DrumChannel && channel != shadowOf(DrumChannel))
            fluid().fluid_synth_program_change(synth, channel, 0);
    }
}

bool ShadowChannels::needsEngine(const MidiBytes& message) const
{
    const int status = message.data[0] & 0xF0;
    const int channel = message.data[0] & 0x0F;
    const int data1 = message.data[1] & 0x7F;
    if (status == ProgramChange || isBankSelect(status, data1))
        return true;
    return status == NoteOn && channel == DrumChannel && (message.data[2] & 0x7F) != 0
           && drumKitPending_.load(std::memory_order_acquire);
}

bool ShadowChannels::prepare(fluid_synth_t* synth, const MidiBytes& message)
{
    const int status = message.data[0] & 0xF0;
    const int channel = message.data[0] & 0x0F;
    const int data1 = message.data[1] & 0x7F;
    bool kitSelected = false;
    if (status == ProgramChange) {
        fluid().fluid_synth_program_change(synth, shadowOf(channel), data1); // reads its samples
        if (channel == DrumChannel)
            drumKitPending_.store(false, std::memory_order_release);
    } else if (channel == DrumChannel && drumKitPending_.load(std::memory_order_relaxed)) {
        // The kit, as selectDrumKitBefore selects it, before the note or
        // bank select.
        fluid().fluid_synth_program_change(synth, shadowOf(DrumChannel), 0);
        drumKitPending_.store(false, std::memory_order_release);
        kitSelected = true;
    }
    if (status == ControlChange)
        fluid().fluid_synth_cc(synth, shadowOf(channel), data1, message.data[2] & 0x7F);
    return kitSelected;
}

// The first message that could tell is a note on, or a bank select (which
// must not alter the kit chosen for the channel at the start). A programme
// change chooses a kit itself; other messages neither need nor change it.
void ShadowChannels::selectDrumKitBefore(fluid_synth_t* synth, const MidiBytes& message)
{
    if (!drumKitPending_.load(std::memory_order_relaxed) || (message.data[0] & 0x0F) != DrumChannel)
        return;
    const int status = message.data[0] & 0xF0;
    const bool noteOn = status == NoteOn && (message.data[2] & 0x7F) != 0;
    if (status == ProgramChange) {
        drumKitPending_.store(false, std::memory_order_release);
    } else if (noteOn || isBankSelect(status, message.data[1] & 0x7F)) {
        fluid().fluid_synth_program_change(synth, DrumChannel, 0);
        drumKitPending_.store(false, std::memory_order_release);
    }
}

} // namespace kelmar
