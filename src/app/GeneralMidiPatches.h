#pragma once

#include <QStringList>

namespace kelmar {

// The 128 General MIDI instrument names in programme order: list position
// is the programme number.
QStringList generalMidiPatchNames();

// The favourites list: the same names at the same positions, with "-" at
// the programmes left out of the favourites (1-5 and 16-28).
QStringList favouritePatchNames();

} // namespace kelmar
