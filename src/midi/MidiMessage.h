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

// True for the system real-time bytes (0xF8..0xFF): one byte each, and
// allowed anywhere in the stream, also between a message's bytes.
constexpr bool isRealtime(std::uint8_t byte)
{
    return byte >= 0xF8;
}

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

// Splits one received event into complete messages and hands each to
// `take`, in the order their last byte arrived: a real-time byte found
// between a message's bytes comes before that message. System exclusive,
// undefined codes, stray data bytes and truncated messages are skipped.
// Real-time safe.
template <typename Take>
void splitIncoming(std::span<const std::uint8_t> bytes, Take&& take)
{
    auto takeRealtime = [&](std::uint8_t byte) {
        if (messageLength(byte) == 1) // 0xF9 and 0xFD are undefined
            take(InputMessage{byte, 0, 0});
    };
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::uint8_t status = bytes[i++];
        if (isRealtime(status)) {
            takeRealtime(status);
            continue;
        }
        if (status == 0xF0) { // system exclusive: skip to its end, keeping real-time bytes
            while (i < bytes.size() && bytes[i] != 0xF7) {
                if (isRealtime(bytes[i]))
                    takeRealtime(bytes[i]);
                ++i;
            }
            ++i;
            continue;
        }
        const int length = messageLength(status);
        if (length == 0)
            continue;
        InputMessage m{status, 0, 0};
        int have = 1;
        std::size_t next = i;
        std::size_t realtimeSeen = 0;
        while (have < length && next < bytes.size()) {
            const std::uint8_t byte = bytes[next];
            if (isRealtime(byte)) {
                ++realtimeSeen;
            } else if (byte >= 0x80) {
                break; // a status byte where data belongs: the message is broken
            } else {
                (have == 1 ? m.data1 : m.data2) = byte;
                ++have;
            }
            ++next;
        }
        if (have < length)
            continue; // resume at the byte after the status; its real-time bytes come then
        for (std::size_t k = i; realtimeSeen > 0 && k < next; ++k) {
            if (isRealtime(bytes[k])) {
                takeRealtime(bytes[k]);
                --realtimeSeen;
            }
        }
        take(m);
        i = next;
    }
}

} // namespace kelmar
