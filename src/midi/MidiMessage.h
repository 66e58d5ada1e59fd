#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "midi/MidiValue.h"

namespace kelmar {

// One complete MIDI message as it goes on the wire: 1 to 3 bytes.
struct MidiBytes {
    std::array<std::uint8_t, 3> data{};
    std::uint8_t size = 0;

    std::span<const std::uint8_t> bytes() const { return {data.data(), size}; }
    bool operator==(const MidiBytes&) const = default;
};

// Number of bytes, status included, that MIDI defines for a message with this
// status byte; 0 for anything that cannot be sent as one short message (data
// bytes, system exclusive, the undefined system codes).
int messageLength(int status);

// True for the real-time bytes that input does not queue (timing clock,
// active sensing); system exclusive is left out by the splitter below.
bool isFilteredRealtime(std::uint8_t status);

// Builds the bytes to transmit for the port's Status, Data1 and Data2 fields:
// the length follows the status, data bytes are clamped to 0..127, and a
// text field that is not a number sends nothing.
std::optional<MidiBytes> encodeShortMessage(int status, const MidiValue& data1, const MidiValue& data2);

// A message as the input queue keeps it: missing data bytes read 0.
struct InputMessage {
    std::uint8_t status = 0;
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0;
    bool operator==(const InputMessage&) const = default;
};

// Splits one received event into complete messages and hands each one that
// input keeps to `take`. System exclusive, timing clock, active sensing,
// stray data bytes and truncated messages are skipped. Real-time safe.
template <typename Take>
void splitIncoming(std::span<const std::uint8_t> bytes, Take&& take)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::uint8_t status = bytes[i];
        if (status == 0xF0) { // system exclusive: skip to its end
            while (i < bytes.size() && bytes[i] != 0xF7)
                ++i;
            ++i;
            continue;
        }
        const int length = messageLength(status);
        if (length == 0 || i + static_cast<std::size_t>(length) > bytes.size()) {
            ++i;
            continue;
        }
        bool complete = true;
        for (int k = 1; k < length; ++k)
            complete = complete && bytes[i + k] < 0x80;
        if (!complete) {
            ++i;
            continue;
        }
        if (!isFilteredRealtime(status)) {
            InputMessage m;
            m.status = status;
            m.data1 = length > 1 ? bytes[i + 1] : 0;
            m.data2 = length > 2 ? bytes[i + 2] : 0;
            take(m);
        }
        i += static_cast<std::size_t>(length);
    }
}

} // namespace kelmar
