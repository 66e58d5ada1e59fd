#include "performance/AreaNotes.h"

namespace kelmar {

std::optional<SoundingNote> AreaNotes::take(int area)
{
    std::optional<SoundingNote> note = notes_.at(index(area));
    notes_.at(index(area)).reset();
    return note;
}

void AreaNotes::followSweeps(std::uint64_t sweepCount)
{
    if (sweepCount == sweepsSeen_)
        return;
    sweepsSeen_ = sweepCount;
    clear();
}

} // namespace kelmar
