#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <condition_variable>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "midi/ChannelState.h"
#include "midi/MidiMessage.h"
#include "midi/MidiTap.h"
#include "midi/SpscRing.h"
#include "midi/take/TakeFile.h"
#include "midi/take/TakeTrack.h"

namespace kelmar {

// Records a take: what the output port sends, into a Standard MIDI File
// (see StandardMidiFile) that is on disk, complete, as it is played.
// It is the output port's tap (messages sent while no take runs are passed
// by; take it off the port before destroying it). Sending only queues the
// message (lock-free, bounded, no allocation); a writer thread of the
// take's own writes the queue to the file every write interval, so that a
// killed program leaves a file holding all but the last interval or so.
//
// Everything but the failure listener is called on the sending (UI) thread.
class TakeRecorder final : public MidiTap {
public:
    // Messages that may wait for the writer: at 200 ms a batch, 80,000 a second.
    static constexpr std::size_t QueueCapacity = 16384;
    static constexpr std::chrono::milliseconds DefaultWriteInterval{200};

    explicit TakeRecorder(std::chrono::milliseconds writeInterval = DefaultWriteInterval);
    // Stops a take still running.
    ~TakeRecorder();
    TakeRecorder(const TakeRecorder&) = delete;
    TakeRecorder& operator=(const TakeRecorder&) = delete;

    // What a take begins with so that it plays as the program sounds: for
    // each of the 16 channels, its programme, volume (CC 7) and pan (CC 10).
    static std::vector<MidiBytes> channelSetup(const ChannelState& channels);

    // Creates the file at `path` (replacing one there) and starts the take
    // with `initialMessages` at its beginning; empty when it runs, else
    // why not, as a sentence. The file is written on the writer thread.
    std::string start(const std::string& path, const std::vector<MidiBytes>& initialMessages);
    // Writes what is queued, a note-off for every note still sounding and
    // End of Track, then closes the file, waiting for the writer thread to
    // end. Empty when the take is complete; else what went wrong (the
    // failure the listener was told of, messages that had to be left out).
    std::string stop();
    // As stop(), without waiting: the writer thread ends the file by itself
    // and then calls `done` (on that thread) with what stop() would return.
    // A take that stopped this way is joined by the next start or the
    // destructor; start() refuses while its writer is still at work.
    void stopLater(std::function<void(const std::string&)> done);
    // Told once, on the writer thread, when the file cannot be written any
    // more; the take then keeps what was written until then and playing
    // goes on. Set it while no take runs.
    void setFailureListener(std::function<void(const std::string&)> listener) { failureListener_ = std::move(listener); }

    bool running() const { return running_; }
    // Time since the take started; once stopped, the length of the last take.
    std::chrono::nanoseconds elapsed() const;
    // The file of the running or last take.
    const std::string& path() const { return path_; }
    // Messages of the running or last take that found the queue full.
    std::uint64_t leftOut() const { return leftOut_; }
    // Messages waiting for the writer thread now.
    std::size_t queued() const { return queue_->size(); }

    void tapped(const MidiBytes& message, std::int64_t steadyNanoseconds) noexcept override;

private:
    using Queue = SpscRing<TakenMessage, QueueCapacity>;

    static std::int64_t now();
    void write(const std::vector<MidiBytes>& initialMessages);
    void drain(TakeTrack& track);
    void writeBatch(TakeTrack& track);
    void finish(TakeTrack& track);
    void fail(std::error_code why, bool firstWrite, bool tell);
    std::string stopReport() const;
    // Asks the writer to end the take; false when none runs.
    bool requestStop(std::function<void(const std::string&)> done);

    const std::chrono::milliseconds writeInterval_;
    std::unique_ptr<Queue> queue_;
    std::function<void(const std::string&)> failureListener_;
    TakeFile file_;
    std::thread writer_;

    // The sending thread's.
    bool running_ = false;
    std::string path_;
    std::uint64_t leftOut_ = 0;

    // Set before the writer starts or before stopping_, read by the writer.
    std::int64_t startedAt_ = 0;
    std::int64_t stoppedAt_ = 0;

    // stop() sets it to wake the writer for the end; the lock is held for
    // no more than that, never while writing.
    std::mutex stopLock_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::function<void(const std::string&)> done_; // stopLater's, called by the writer at its end
    std::atomic<bool> writerEnded_{true};
    // The writer's: once failed, it writes nothing more and sending stops queuing.
    std::atomic<bool> failed_{false};
    std::string failure_; // read by stop() once the writer has ended
};

} // namespace kelmar
