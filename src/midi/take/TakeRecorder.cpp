#include "midi/take/TakeRecorder.h"

#include <algorithm>

#include "midi/MidiCodes.h"

namespace kelmar {

namespace {

// The most a batch of queued messages takes in the file: four bytes of
// delta and three of message each.
constexpr std::size_t BatchBytes = TakeRecorder::QueueCapacity * 7;

std::uint8_t dataByte(std::int16_t value)
{
    return static_cast<std::uint8_t>(std::clamp<std::int16_t>(value, 0, 127));
}

} // namespace

TakeRecorder::TakeRecorder(std::chrono::milliseconds writeInterval)
    : writeInterval_(writeInterval)
    , queue_(std::make_unique<Queue>())
{
}

TakeRecorder::~TakeRecorder()
{
    stop();
}

std::vector<MidiBytes> TakeRecorder::channelSetup(const ChannelState& channels)
{
    std::vector<MidiBytes> setup;
    for (std::uint8_t channel = 0; channel < 16; ++channel) {
        const auto programme = static_cast<std::uint8_t>(midi::ProgramChange | channel);
        const auto control = static_cast<std::uint8_t>(midi::ControlChange | channel);
        setup.push_back({{programme, dataByte(channels.ChannelPatch[channel])}, 2});
        setup.push_back({{control, midi::VolumeController, dataByte(channels.ChannelVolume[channel])}, 3});
        setup.push_back({{control, midi::PanController, dataByte(channels.ChannelPan[channel])}, 3});
    }
    return setup;
}

std::int64_t TakeRecorder::now()
{
    return std::chrono::steady_clock::now().time_since_epoch().count();
}

std::string TakeRecorder::start(const std::string& path, const std::vector<MidiBytes>& initialMessages)
{
    if (running_)
        return "A take is already being recorded to " + path_ + ".";
    if (!writerEnded_.load())
        return "The take " + path_ + " is still being written; try again in a moment.";
    if (writer_.joinable())
        writer_.join(); // a take stopped without waiting: its writer has ended
    if (const std::error_code why = file_.create(path))
        return "The take cannot be written to " + path + ": " + why.message() + ".";
    path_ = path;
    leftOut_ = 0;
    failure_.clear();
    failed_.store(false, std::memory_order_relaxed);
    stopping_ = false; // no writer runs now
    startedAt_ = now();
    stoppedAt_ = startedAt_;
    done_ = nullptr;
    writerEnded_.store(false);
    try {
        writer_ = std::thread([this, initialMessages] {
            write(initialMessages);
            if (done_)
                done_(stopReport());
            writerEnded_.store(true);
        });
    } catch (const std::system_error& e) {
        writerEnded_.store(true);
        (void)file_.close();
        return "The take cannot be recorded: " + std::string(e.what()) + ".";
    }
    running_ = true;
    return {};
}

std::string TakeRecorder::stop()
{
    const bool stopped = requestStop(nullptr);
    if (writer_.joinable())
        writer_.join();
    return stopped ? stopReport() : std::string();
}

void TakeRecorder::stopLater(std::function<void(const std::string&)> done)
{
    requestStop(std::move(done));
}

bool TakeRecorder::requestStop(std::function<void(const std::string&)> done)
{
    if (!running_)
        return false;
    running_ = false;
    stoppedAt_ = now();
    {
        const std::lock_guard lock(stopLock_);
        done_ = std::move(done);
        stopping_ = true;
    }
    wake_.notify_one();
    return true;
}

std::string TakeRecorder::stopReport() const
{
    std::string report = failure_;
    if (leftOut_ > 0) {
        if (!report.empty())
            report += '\n';
        report += std::to_string(leftOut_) + (leftOut_ == 1 ? " message" : " messages")
                  + " came faster than the take could be written and had to be left out of it.";
    }
    return report;
}

std::chrono::nanoseconds TakeRecorder::elapsed() const
{
    return std::chrono::nanoseconds((running_ ? now() : stoppedAt_) - startedAt_);
}

void TakeRecorder::tapped(const MidiBytes& message, std::int64_t steadyNanoseconds) noexcept
{
    // System messages (clocks above all) are no file events: they need no room.
    // The writer checks the rest in full.
    if (!running_ || failed_.load(std::memory_order_relaxed) || message.data[0] >= 0xF0)
        return;
    if (!queue_->push({message, steadyNanoseconds}))
        ++leftOut_;
}

// The writer thread: the beginning, then a batch every write interval
// until stop() wakes it for the end.
void TakeRecorder::write(const std::vector<MidiBytes>& initialMessages)
{
    TakeTrack track(startedAt_, BatchBytes);
    for (const MidiBytes& message : initialMessages)
        track.add(message, startedAt_);
    if (const std::error_code why = file_.begin(track.pending()))
        fail(why, true, true);
    track.clearPending();
    for (;;) {
        bool ending = false;
        {
            std::unique_lock lock(stopLock_);
            ending = wake_.wait_for(lock, writeInterval_, [this] { return stopping_; });
        }
        drain(track);
        if (ending)
            break;
        writeBatch(track);
    }
    finish(track);
}

// At most a full queue a batch, so that a batch never outgrows its buffer.
void TakeRecorder::drain(TakeTrack& track)
{
    for (std::size_t n = 0; n < QueueCapacity; ++n) {
        const TakenMessage* taken = queue_->front();
        if (!taken)
            return;
        track.add(taken->message, taken->steadyNanoseconds);
        queue_->pop();
    }
}

void TakeRecorder::writeBatch(TakeTrack& track)
{
    if (!failed_.load(std::memory_order_relaxed)) {
        if (const std::error_code why = file_.append(track.pending()))
            fail(why, false, true);
    }
    track.clearPending();
}

void TakeRecorder::finish(TakeTrack& track)
{
    if (failed_.load(std::memory_order_relaxed)) {
        (void)file_.close();
        return;
    }
    track.endNotes(stoppedAt_);
    if (const std::error_code why = file_.finish(track.pending(), track.deltaTo(stoppedAt_)))
        fail(why, false, false); // stop() reports it
}

void TakeRecorder::fail(std::error_code why, bool firstWrite, bool tell)
{
    failed_.store(true, std::memory_order_relaxed);
    if (firstWrite)
        failure_ = "The take cannot be written to " + path_ + ": " + why.message() + ".";
    else
        failure_ = "The take cannot be written to " + path_ + " any more: " + why.message()
                   + ". The file keeps what was played until then.";
    if (tell && failureListener_)
        failureListener_(failure_);
}

} // namespace kelmar
