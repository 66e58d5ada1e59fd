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
constexpr FixedValueBox VelBox = FixedValueBox::VelText;
constexpr FixedValueBox PitchBox = FixedValueBox::PitchText;
constexpr FixedValueBox NoBox = FixedValueBox::None;
using Op = PairOperations;

constexpr std::size_t ParameterCount = AxisParameterNames.size();

// Every pair code in order: vertical parameter, then horizontal parameter,
// both in the order Pitch, Velocity, Pan, Channel, Volume, Programme.
constexpr std::array<PairDescriptor, ParameterCount * ParameterCount> Pairs = {{
    {0, X, NoBox, nullptr},         // Pitch / Pitch
    {1, P, NoBox, &Op::pair1},      // Pitch / Velocity
    {2, P, VelBox, &Op::pair2},     // Pitch / Pan
    {3, P, VelBox, &Op::pair3},     // Pitch / Channel
    {4, P, VelBox, &Op::pair4},     // Pitch / Volume
    {5, P, VelBox, &Op::pair5},     // Pitch / Programme
    {10, P, NoBox, &Op::pair10},    // Velocity / Pitch
    {11, N, NoBox, nullptr},        // Velocity / Velocity
    {12, P, PitchBox, &Op::pair12}, // Velocity / Pan
    {13, N, NoBox, nullptr},        // Velocity / Channel
    {14, N, NoBox, nullptr},        // Velocity / Volume
    {15, P, PitchBox, &Op::pair15}, // Velocity / Programme
    {20, P, VelBox, &Op::pair20},   // Pan / Pitch
    {21, P, PitchBox, &Op::pair21}, // Pan / Velocity
    {22, N, NoBox, nullptr},        // Pan / Pan
    {23, P, NoBox, &Op::pair23},    // Pan / Channel
    {24, N, NoBox, nullptr},        // Pan / Volume
    {25, N, NoBox, nullptr},        // Pan / Programme
    {30, N, NoBox, nullptr},        // Channel / Pitch
    {31, N, NoBox, nullptr},        // Channel / Velocity
    {32, N, NoBox, nullptr},        // Channel / Pan
    {33, N, NoBox, nullptr},        // Channel / Channel
    {34, N, NoBox, nullptr},        // Channel / Volume
    {35, N, NoBox, nullptr},        // Channel / Programme
    {40, N, NoBox, nullptr},        // Volume / Pitch
    {41, N, NoBox, nullptr},        // Volume / Velocity
    {42, N, NoBox, nullptr},        // Volume / Pan
    {43, N, NoBox, nullptr},        // Volume / Channel
    {44, N, NoBox, nullptr},        // Volume / Volume
    {45, N, NoBox, nullptr},        // Volume / Programme
    {50, P, NoBox, &Op::pair50},    // Programme / Pitch
    {51, X, NoBox, nullptr},        // Programme / Velocity
    {52, X, NoBox, nullptr},        // Programme / Pan
    {53, X, NoBox, nullptr},        // Programme / Channel
    {54, X, NoBox, nullptr},        // Programme / Volume
    {55, X, NoBox, nullptr},        // Programme / Programme
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

// Only a code that plays reads a fixed-value box.
constexpr bool boxesOnlyForPairs()
{
    for (const PairDescriptor& pair : Pairs) {
        if (pair.box != FixedValueBox::None && pair.kind != PairKind::Pair)
            return false;
    }
    return true;
}
static_assert(boxesOnlyForPairs());

} // namespace

PairDescriptor pairOf(int code)
{
    const int height = code / 10;
    const int width = code % 10;
    const int count = static_cast<int>(ParameterCount);
    if (code < 0 || height >= count || width >= count)
        return {code, PairKind::Nothing, FixedValueBox::None, nullptr};
    return Pairs[indexOf(height, width)];
}

} // namespace kelmar
