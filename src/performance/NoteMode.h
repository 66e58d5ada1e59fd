#pragma once

#include <array>
#include <string_view>

namespace kelmar {

// How long the notes of Extended Play sound.
enum class NoteMode {
    HeldUntilSilenced, // no note-off ever: notes ring until an all-notes-off sweep
    OneNotePerArea,    // each area sounds one note, ended by a note-off
};

// The modes' names for menus, in the enum's order.
inline constexpr std::array<std::string_view, 2> NoteModeNames = {"Held Until Silenced", "One Note per Area"};

} // namespace kelmar
