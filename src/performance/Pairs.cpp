#include "performance/Pairs.h"

#include <array>
#include <cstddef>

#include "performance/AxisParameter.h"
#include "performance/PairOperations.h"

namespace kelmar {

namespace {

constexpr PairKind P = PairKind::Pair;
constexpr PairKind N = PairKind::NotAvailable;
constexpr PairKind X = PairKind::Nothing;
using Op = PairOperations;

constexpr std::size_t ParameterCount = AxisParameterNames.size();

// Every pair code in order: vertical parameter, then horizontal parameter,
// both in the order Pitch, Velocity, Pan, Channel, Volume, Programme.
constexpr std::array<PairDescriptor, ParameterCount * ParameterCount> Pairs = {{
    {0, X, nullptr},       // Pitch / Pitch
    {1, P, &Op::pair1},    // Pitch / Velocity
    {2, P, &Op::pair2},    // Pitch / Pan
    {3, P, &Op::pair3},    // Pitch / Channel
    {4, P, &Op::pair4},    // Pitch / Volume
    {5, P, &Op::pair5},    // Pitch / Programme
    {10, P, &Op::pair10},  // Velocity / Pitch
    {11, N, nullptr},      // Velocity / Velocity
    {12, P, &Op::pair12},  // Velocity / Pan
    {13, N, nullptr},      // Velocity / Channel
    {14, N, nullptr},      // Velocity / Volume
    {15, P, &Op::pair15},  // Velocity / Programme
    {20, P, &Op::pair20},  // Pan / Pitch
    {21, P, &Op::pair21},  // Pan / Velocity
    {22, N, nullptr},      // Pan / Pan
    {23, P, &Op::pair23},  // Pan / Channel
    {24, N, nullptr},      // Pan / Volume
    {25, N, nullptr},      // Pan / Programme
    {30, N, nullptr},      // Channel / Pitch
    {31, N, nullptr},      // Channel / Velocity
    {32, N, nullptr},      // Channel / Pan
    {33, N, nullptr},      // Channel / Channel
    {34, N, nullptr},      // Channel / Volume
    {35, N, nullptr},      // Channel / Programme
    {40, N, nullptr},      // Volume / Pitch
    {41, N, nullptr},      // Volume / Velocity
    {42, N, nullptr},      // Volume / Pan
    {43, N, nullptr},      // Volume / Channel
    {44, N, nullptr},      // Volume / Volume
    {45, N, nullptr},      // Volume / Programme
    {50, P, &Op::pair50},  // Programme / Pitch
    {51, X, nullptr},      // Programme / Velocity
    {52, X, nullptr},      // Programme / Pan
    {53, X, nullptr},      // Programme / Channel
    {54, X, nullptr},      // Programme / Volume
    {55, X, nullptr},      // Programme / Programme
}};

// The place of a code in the table, which holds code 10 x height + width at
// ParameterCount x height + width.
constexpr std::size_t indexOf(int height, int width)
{
    return ParameterCount * static_cast<std::size_t>(height) + static_cast<std::size_t>(width);
}

// Each code once, in its place: the lookup below indexes instead of searching.
constexpr bool everyCodeInItsPlace()
{
    for (std::size_t i = 0; i < Pairs.size(); ++i) {
        const int height = static_cast<int>(i / ParameterCount);
        const int width = static_cast<int>(i % ParameterCount);
        if (Pairs[i].code != 10 * height + width)
            return false;
    }
    return true;
}
static_assert(everyCodeInItsPlace());

// The codes that play run an operation; the others have none.
constexpr bool operationExactlyForPairs()
{
    for (const PairDescriptor& pair : Pairs) {
        if ((pair.kind == PairKind::Pair) != (pair.operation != nullptr))
            return false;
    }
    return true;
}
static_assert(operationExactlyForPairs());

} // namespace

PairDescriptor pairOf(int code)
{
    const int height = code / 10;
    const int width = code % 10;
    const int count = static_cast<int>(ParameterCount);
    if (code < 0 || height >= count || width >= count)
        return {code, PairKind::Nothing, nullptr};
    return Pairs[indexOf(height, width)];
}

} // namespace kelmar
