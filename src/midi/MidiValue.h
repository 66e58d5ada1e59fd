#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace kelmar {

// The content of a port's data field: a number, or the text of a fixed-value
// box that the port reads as a number when it sends.
class MidiValue {
public:
    MidiValue(int number = 0) : value_(number) {}
    MidiValue(std::string text) : value_(std::move(text)) {}
    MidiValue(const char* text) : value_(std::string(text)) {}

    // The data byte this value puts on the wire: clamped to 0..127. Text must
    // be a whole number (blanks around it allowed); otherwise there is none.
    std::optional<std::uint8_t> dataByte() const;

    // The value as a 16-bit signed integer, as the program reads a field back.
    std::int16_t toInt16() const;

private:
    std::variant<int, std::string> value_;
};

// Reads a whole number from text with optional blanks around it and an
// optional sign; anything else (empty, fractions, letters) gives nothing.
// Numbers too large for an int are saturated.
std::optional<long long> parseWholeNumber(const std::string& text);

std::uint8_t clampDataByte(long long value);

} // namespace kelmar
