#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <system_error>

namespace kelmar {

// A take's Standard MIDI File on disk, a complete file after every single
// write, so that a reader sees one whatever moment the program is killed
// at (nothing is synced: what the kernel holds is enough for that).
// The track always ends with End of Track; adding events to it takes three
// writes of one system call each:
//   1. the events and a new End of Track after the end of the file (beyond
//      the track's length: readers do not see them yet);
//   2. the track's new length, which takes them in (the old End of Track
//      now stands before them: a reader stops there, losing that batch);
//   3. the old End of Track, in place, becomes an empty text event of the
//      same four bytes.
// A write that fails puts the file back as it was before step 1.
class TakeFile {
public:
    TakeFile() = default;
    ~TakeFile();
    TakeFile(const TakeFile&) = delete;
    TakeFile& operator=(const TakeFile&) = delete;

    // Creates the file at `path`, or empties the one there.
    std::error_code create(const std::string& path);
    // Writes the header, the tempo and `events` (track event bytes), then
    // End of Track, in one write.
    std::error_code begin(std::span<const std::uint8_t> events);
    // Adds `events` after the last ones.
    std::error_code append(std::span<const std::uint8_t> events);
    // Adds the last events, with End of Track `endDelta` ticks after them
    // (the take's end), and closes the file.
    std::error_code finish(std::span<const std::uint8_t> events, std::uint64_t endDelta);
    // Closes the file, if open.
    std::error_code close();

private:
    std::error_code extend(std::span<const std::uint8_t> events, std::uint64_t endDelta);
    std::error_code writeAt(std::span<const std::uint8_t> bytes, std::uint64_t offset) const;
    std::error_code undo(std::error_code why) const;

    int fd_ = -1;
    std::uint64_t size_ = 0;        // the file's length, which is where the track ends
    std::uint32_t trackLength_ = 0; // the track chunk's length, End of Track included
};

} // namespace kelmar
