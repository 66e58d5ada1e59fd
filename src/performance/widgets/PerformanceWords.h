#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace kelmar {

// The performance logic's texts (plain English, made without Qt) in the
// user's language, where the areas show them: the axis parameters' names,
// the readouts ("Pitch 62 D4, Vel 90", "active", "Not yet available") and
// note names. A readout is translated word by word: its numbers stay, its
// note names and the words before its numbers are looked up; what is not
// known is left as it is, so without a translation a text stays the same.
class PerformanceWords {
public:
    // "Pitch", "Pitch Bend": an entry of the H: and V: lists.
    static QString parameter(std::string_view name);
    // A readout or a pair's state, as the performance makes it.
    static QString readout(const std::string& text);
    // "C#4", "B-1": a note's name with its octave.
    static QString note(const QString& name);
};

} // namespace kelmar
