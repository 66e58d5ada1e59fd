#include "midi/MidiValue.h"

#include <algorithm>
#include <limits>

namespace kelmar {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
} // namespace

std::optional<long long> parseWholeNumber(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    if (begin == end)
        return std::nullopt;

    bool negative = false;
    if (text[begin] == '+' || text[begin] == '-') {
        negative = text[begin] == '-';
        ++begin;
    }
    if (begin == end)
        return std::nullopt;

    constexpr long long limit = std::numeric_limits<int>::max();
    long long value = 0;
    for (std::size_t i = begin; i < end; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min(limit, value * 10 + (c - '0'));
    }
    return negative ? -value : value;
}

std::uint8_t clampDataByte(long long value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0LL, 127LL));
}

std::optional<std::uint8_t> MidiValue::dataByte() const
{
    if (const int* number = std::get_if<int>(&value_))
        return clampDataByte(*number);
    const auto parsed = parseWholeNumber(std::get<std::string>(value_));
    if (!parsed)
        return std::nullopt;
    return clampDataByte(*parsed);
}

std::int16_t MidiValue::toInt16() const
{
    constexpr long long lo = std::numeric_limits<std::int16_t>::min();
    constexpr long long hi = std::numeric_limits<std::int16_t>::max();
    long long v = 0;
    if (const int* number = std::get_if<int>(&value_))
        v = *number;
    else
        v = parseWholeNumber(std::get<std::string>(value_)).value_or(0);
    return static_cast<std::int16_t>(std::clamp(v, lo, hi));
}

} // namespace kelmar
