#include "midi/take/StandardMidiFile.h"

namespace kelmar {

namespace {

constexpr std::int64_t NanosecondsPerQuarter = std::int64_t{StandardMidiFile::MicrosecondsPerQuarter} * 1000;

void appendAll(StandardMidiFile::Bytes& out, std::initializer_list<std::uint8_t> bytes)
{
    out.insert(out.end(), bytes.begin(), bytes.end());
}

} // namespace

StandardMidiFile::Bytes StandardMidiFile::header(std::uint32_t trackLength)
{
    constexpr std::uint8_t division[2] = {TicksPerQuarter >> 8, TicksPerQuarter & 0xFF};
    Bytes out{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, division[0], division[1], 'M', 'T', 'r', 'k'};
    const auto length = bigEndian(trackLength);
    out.insert(out.end(), length.begin(), length.end());
    return out;
}

std::array<std::uint8_t, 4> StandardMidiFile::bigEndian(std::uint32_t value)
{
    return {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
            static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

void StandardMidiFile::appendTempo(Bytes& out)
{
    constexpr std::uint32_t tempo = MicrosecondsPerQuarter;
    appendAll(out, {0x00, 0xFF, 0x51, 0x03, static_cast<std::uint8_t>(tempo >> 16),
                    static_cast<std::uint8_t>(tempo >> 8), static_cast<std::uint8_t>(tempo)});
}

void StandardMidiFile::appendDelta(Bytes& out, std::uint32_t ticks)
{
    int shift = 21;
    while (shift > 0 && (ticks >> shift) == 0)
        shift -= 7;
    for (; shift > 0; shift -= 7)
        out.push_back(static_cast<std::uint8_t>(0x80 | ((ticks >> shift) & 0x7F)));
    out.push_back(static_cast<std::uint8_t>(ticks & 0x7F));
}

void StandardMidiFile::appendEvent(Bytes& out, std::uint64_t delta, const MidiBytes& message)
{
    appendDelta(out, static_cast<std::uint32_t>(carryLongDelta(out, delta)));
    out.insert(out.end(), message.data.begin(), message.data.begin() + message.size);
}

void StandardMidiFile::appendEndOfTrack(Bytes& out, std::uint64_t delta)
{
    appendDelta(out, static_cast<std::uint32_t>(carryLongDelta(out, delta)));
    appendAll(out, {0xFF, 0x2F, 0x00});
}

// Over 38 hours without a message: empty text events carry the time.
std::uint64_t StandardMidiFile::carryLongDelta(Bytes& out, std::uint64_t delta)
{
    for (; delta > MaxDelta; delta -= MaxDelta) {
        appendDelta(out, MaxDelta);
        appendAll(out, {0xFF, 0x01, 0x00});
    }
    return delta;
}

std::uint64_t StandardMidiFile::ticksIn(std::int64_t nanoseconds)
{
    if (nanoseconds <= 0)
        return 0;
    // whole quarters first, so that no product overflows however long the take
    const std::int64_t quarters = nanoseconds / NanosecondsPerQuarter;
    const std::int64_t rest = nanoseconds % NanosecondsPerQuarter;
    const std::int64_t ticks =
        quarters * TicksPerQuarter + (rest * TicksPerQuarter + NanosecondsPerQuarter / 2) / NanosecondsPerQuarter;
    return static_cast<std::uint64_t>(ticks);
}

bool StandardMidiFile::isTrackMessage(const MidiBytes& message)
{
    if (message.size < 2 || message.data[0] < 0x80 || message.data[0] >= 0xF0)
        return false;
    if (message.size != messageLength(message.data[0]))
        return false;
    for (std::size_t i = 1; i < message.size; ++i) {
        if (message.data[i] >= 0x80)
            return false;
    }
    return true;
}

} // namespace kelmar
