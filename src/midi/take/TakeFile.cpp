#include "midi/take/TakeFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "midi/take/StandardMidiFile.h"

namespace kelmar {

namespace {

std::error_code lastError()
{
    return {errno, std::system_category()};
}

} // namespace

TakeFile::~TakeFile()
{
    close();
}

std::error_code TakeFile::create(const std::string& path)
{
    close();
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd_ < 0)
        return lastError();
    size_ = 0;
    trackLength_ = 0;
    return {};
}

std::error_code TakeFile::begin(std::span<const std::uint8_t> events)
{
    StandardMidiFile::Bytes track;
    StandardMidiFile::appendTempo(track);
    track.insert(track.end(), events.begin(), events.end());
    StandardMidiFile::appendEndOfTrack(track, 0);
    StandardMidiFile::Bytes file = StandardMidiFile::header(static_cast<std::uint32_t>(track.size()));
    file.insert(file.end(), track.begin(), track.end());
    if (const std::error_code failed = writeAt(file, 0))
        return undo(failed);
    size_ = file.size();
    trackLength_ = static_cast<std::uint32_t>(track.size());
    return {};
}

std::error_code TakeFile::append(std::span<const std::uint8_t> events)
{
    if (events.empty())
        return {};
    return extend(events, 0);
}

std::error_code TakeFile::finish(std::span<const std::uint8_t> events, std::uint64_t endDelta)
{
    const std::error_code failed = events.empty() && endDelta == 0 ? std::error_code{} : extend(events, endDelta);
    const std::error_code closing = close();
    return failed ? failed : closing;
}

std::error_code TakeFile::extend(std::span<const std::uint8_t> events, std::uint64_t endDelta)
{
    StandardMidiFile::Bytes tail(events.begin(), events.end());
    StandardMidiFile::appendEndOfTrack(tail, endDelta);
    if (trackLength_ + std::uint64_t{tail.size()} > std::numeric_limits<std::uint32_t>::max())
        return std::make_error_code(std::errc::file_too_large);
    const auto length = static_cast<std::uint32_t>(trackLength_ + tail.size());
    if (const std::error_code failed = writeAt(tail, size_))
        return undo(failed);
    if (const std::error_code failed = writeAt(StandardMidiFile::bigEndian(length), StandardMidiFile::TrackLengthOffset))
        return undo(failed);
    const std::uint64_t oldEnd = size_ - StandardMidiFile::EndOfTrack.size();
    size_ += tail.size();
    trackLength_ = length;
    // Should this fail, the file still reads up to the old End of Track.
    return writeAt(StandardMidiFile::EmptyText, oldEnd);
}

// One system call for the whole, but for a disk that takes only part of it.
std::error_code TakeFile::writeAt(std::span<const std::uint8_t> bytes, std::uint64_t offset) const
{
    if (fd_ < 0)
        return std::make_error_code(std::errc::bad_file_descriptor);
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd_, bytes.data(), bytes.size(), static_cast<off_t>(offset));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return lastError();
        if (written == 0)
            return std::make_error_code(std::errc::no_space_on_device);
        bytes = bytes.subspan(static_cast<std::size_t>(written));
        offset += static_cast<std::uint64_t>(written);
    }
    return {};
}

// Cuts off whatever part of a failed write went beyond the track. Should
// that fail too (/dev/full cannot be cut), those bytes stand past the
// track's length, where readers do not look.
std::error_code TakeFile::undo(std::error_code why) const
{
    [[maybe_unused]] const int cut = fd_ >= 0 ? ::ftruncate(fd_, static_cast<off_t>(size_)) : 0;
    return why;
}

std::error_code TakeFile::close()
{
    if (fd_ < 0)
        return {};
    const int closed = ::close(fd_);
    fd_ = -1;
    return closed == 0 ? std::error_code{} : lastError();
}

} // namespace kelmar
