#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "midi/MidiMessage.h"
#include "midi/synth/HeldNotes.h"

namespace kelmar {
namespace {

MidiBytes bytes(int status, int channel, int data1, int data2)
{
    return {{static_cast<std::uint8_t>(status | channel), static_cast<std::uint8_t>(data1), static_cast<std::uint8_t>(data2)}, 3};
}
MidiBytes on(int channel, int key, int velocity = 100) { return bytes(0x90, channel, key, velocity); }
MidiBytes off(int channel, int key) { return bytes(0x80, channel, key, 64); }
MidiBytes cc(int channel, int controller, int value) { return bytes(0xB0, channel, controller, value); }

struct Case {
    const char* what;
    std::vector<MidiBytes> messages;
    bool held;
};

TEST(HeldNotesTest, TellsWhetherAnyKeyOrPedalIsHeld)
{
    constexpr int Sustain = 64;
    constexpr int Sostenuto = 66;
    constexpr int AllSoundOff = 120;
    constexpr int ResetAllControllers = 121;
    constexpr int AllNotesOff = 123;
    const std::vector<Case> cases = {
        {"nothing played", {}, false},
        {"key down", {on(0, 60)}, true},
        {"key up by note off", {on(0, 60), off(0, 60)}, false},
        {"key up by velocity 0", {on(0, 60), on(0, 60, 0)}, false},
        {"key struck twice, released once", {on(0, 60), on(0, 60), off(0, 60)}, false},
        {"note off on another channel", {on(0, 60), off(1, 60)}, true},
        {"one of two keys released", {on(0, 60), on(0, 64), off(0, 60)}, true},
        {"sustain alone", {cc(0, Sustain, 64)}, true},
        {"sustain holds a released key", {on(0, 60), cc(0, Sustain, 127), off(0, 60)}, true},
        {"sustain up at 63", {on(0, 60), cc(0, Sustain, 127), off(0, 60), cc(0, Sustain, 63)}, false},
        {"sostenuto", {cc(0, Sostenuto, 127)}, true},
        {"sostenuto still down", {cc(0, Sustain, 127), cc(0, Sostenuto, 127), cc(0, Sustain, 0)}, true},
        {"pedal still down on another channel", {cc(0, Sustain, 127), cc(1, Sustain, 127), cc(0, Sustain, 0)}, true},
        {"pedal up twice", {cc(0, Sustain, 127), cc(0, Sustain, 0), cc(0, Sustain, 0), cc(1, Sustain, 127)}, true},
        {"reset all controllers lifts both pedals", {cc(0, Sustain, 127), cc(0, Sostenuto, 127), cc(0, ResetAllControllers, 0)}, false},
        {"reset all controllers keeps keys", {on(0, 60), cc(0, ResetAllControllers, 0)}, true},
        {"all notes off", {on(0, 60), on(0, 64), cc(0, AllNotesOff, 0)}, false},
        {"all sound off", {on(0, 60), cc(0, AllSoundOff, 0)}, false},
        {"poly mode on ends notes", {on(0, 60), cc(0, 127, 0)}, false},
        {"all notes off on another channel", {on(0, 60), cc(1, AllNotesOff, 0)}, true},
        {"all notes off leaves the pedal", {on(0, 60), cc(0, Sustain, 127), cc(0, AllNotesOff, 0)}, true},
        {"note off after all notes off counts once", {on(0, 60), cc(0, AllNotesOff, 0), off(0, 60), on(0, 64)}, true},
        {"other controllers", {cc(0, 7, 127), cc(0, 10, 0), cc(0, 122, 127)}, false},
    };
    for (const Case& c : cases) {
        HeldNotes held;
        for (const MidiBytes& message : c.messages)
            held.track(message);
        EXPECT_EQ(held.any(), c.held) << c.what;
    }
}

} // namespace
} // namespace kelmar
