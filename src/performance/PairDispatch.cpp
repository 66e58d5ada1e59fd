#include "performance/PairDispatch.h"

#include <array>

namespace kelmar {

namespace {

using Row = std::array<PairKind, 6>;
constexpr PairKind P = PairKind::Pair;
constexpr PairKind N = PairKind::NotAvailable;
constexpr PairKind X = PairKind::Nothing;

// Rows: vertical parameter; columns: horizontal parameter, both in the order
// Pitch, Velocity, Pan, Channel, Volume, Programme.
constexpr std::array<Row, 6> Table = {{
    {X, P, P, P, P, P}, // Pitch
    {P, N, P, N, N, P}, // Velocity
    {P, P, N, P, N, N}, // Pan
    {N, N, N, N, N, N}, // Channel
    {N, N, N, N, N, N}, // Volume
    {P, X, X, X, X, X}, // Programme
}};

} // namespace

PairKind PairDispatch::kindOf(int code)
{
    const int height = code / 10;
    const int width = code % 10;
    if (code < 0 || height >= static_cast<int>(Table.size()) || width >= static_cast<int>(Row{}.size()))
        return PairKind::Nothing;
    return Table[static_cast<std::size_t>(height)][static_cast<std::size_t>(width)];
}

} // namespace kelmar
