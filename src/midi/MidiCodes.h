#pragma once

#include <cstdint>

// The MIDI numbers the program sends, echoes and plays by name.
namespace kelmar::midi {

// Kinds of channel message: the status byte's upper half (the lower half is
// the channel).
enum Status : std::uint8_t {
    NoteOff = 0x80,
    NoteOn = 0x90, // velocity 0 ends the note
    KeyPressure = 0xA0,
    ControlChange = 0xB0,
    ProgramChange = 0xC0,
    ChannelPressure = 0xD0,
    PitchBend = 0xE0,
};

// A pitch bend's 14-bit value that leaves the pitch as it is.
inline constexpr int PitchBendCentre = 8192;

// Controller numbers: a control change's first data byte.
enum Controller : std::uint8_t {
    BankSelect = 0,
    ModulationWheel = 1,
    VolumeController = 7,
    PanController = 10,
    BankSelectFine = 32,
    Sustain = 64,
    Sostenuto = 66,
    AllSoundOff = 120,
    ResetAllControllers = 121,
    AllNotesOff = 123, // 124 to 127 (omni and mono/poly) also end all notes
};

} // namespace kelmar::midi
