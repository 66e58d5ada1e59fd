#pragma once

#include <cctype>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace kelmar::test {

// The MIDI bytes of each event line that jack_midi_dump prints, e.g.
// "  64: 90 3c 64 note on  (channel  0): pitch  60, velocity 100".
inline std::vector<std::vector<std::uint8_t>> parseJackMidiDump(const std::string& text)
{
    std::vector<std::vector<std::uint8_t>> events;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const auto colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        std::istringstream words(line.substr(colon + 1));
        std::vector<std::uint8_t> bytes;
        std::string word;
        while (words >> word && word.size() == 2 && std::isxdigit(static_cast<unsigned char>(word[0])) &&
               std::isxdigit(static_cast<unsigned char>(word[1])))
            bytes.push_back(static_cast<std::uint8_t>(std::stoi(word, nullptr, 16)));
        if (!bytes.empty())
            events.push_back(bytes);
    }
    return events;
}

} // namespace kelmar::test
