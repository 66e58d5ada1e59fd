#include "midi/synth/FluidSynthEngine.h"

#include <fluidsynth.h>

#include <malloc.h>
#include <pthread.h>

#include <thread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <utility>

#include "midi/MidiCodes.h"
#include "midi/synth/FluidSynthLibrary.h"

namespace kelmar {

namespace {

const FluidSynthLibrary& fluid() { return FluidSynthLibrary::inUse(); }

// While playing a batch, the engine's thread records its progress after
// every so many messages, so that a sender finding the queue full waits
// instead of dropping while a long batch plays.
constexpr std::size_t ProgressEvery = 64;

// Longest block rendered at once for render().
constexpr std::size_t RenderChunk = 4096;

using namespace midi;

// MIDI channel 10, which General MIDI gives to percussion.
constexpr int DrumChannel = 9;
// The synthesizer has 32 channels: channel c + 16 is channel c's shadow,
// never played, on which the engine's thread selects a programme before the
// audio thread selects it on c, so that its samples are read off the audio
// thread (FluidSynth reads them when a programme is first selected).
constexpr int MidiChannels = 16;
constexpr int shadowOf(int channel) { return channel + MidiChannels; }

void setLogFunction(fluid_log_function_t function, void* data)
{
    for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
        fluid().fluid_set_log_function(level, function, data);
}

float peakOf(const float* samples, int frames)
{
    float peak = 0.0F;
    for (int i = 0; i < frames; ++i)
        peak = std::max(peak, std::fabs(samples[i]));
    return peak;
}

} // namespace

void FluidSynthEngine::FluidDeleter::operator()(fluid_settings_t* settings) const { fluid().delete_fluid_settings(settings); }
void FluidSynthEngine::FluidDeleter::operator()(fluid_synth_t* synth) const { fluid().delete_fluid_synth(synth); }

const std::string& FluidSynthEngine::defaultLibrary()
{
    return FluidSynthLibrary::defaultFile();
}

FluidSynthEngine::FluidSynthEngine(std::string soundFont, Output output, std::string library,
                                   std::shared_ptr<AudioHost> host)
    : soundFont_(std::move(soundFont))
    , library_(std::move(library))
    , host_(std::move(host))
{
    queue_.reserve(64);
    drumKitPending_.store(true, std::memory_order_relaxed);
    thread_ = std::thread([this, output] { run(output); });
}

FluidSynthEngine::~FluidSynthEngine()
{
    {
        const std::lock_guard lock(queueMutex_);
        stopping_ = true;
    }
    queueChanged_.notify_one();
    thread_.join();
    if (host_)
        host_->detach();
    driver_.stop();
}

// The engine's thread: sets FluidSynth up with its messages caught, so that
// failed attempts stay quiet, then plays what is sent until the engine goes.
// Each finished step of the start-up counts as a take for the senders'
// backpressure: what is sent while it goes on is kept, not dropped.
void FluidSynthEngine::run(Output output)
{
    pthread_setname_np(pthread_self(), "kelmar-synth");
    if (const FluidSynthLibrary& library = FluidSynthLibrary::load(library_); !library.isLoaded()) {
        noteFailure("FluidSynth could not be loaded: " + library.error() + ".");
        synthFailed_.store(true, std::memory_order_release);
        markStarted();
        markReady();
        playQueued();
        return;
    }
    noteProgress();
    if (output == Output::Driver)
        attachToHost();
    setLogFunction(&logToEngine, this);
    const bool created = createSynth();
    if (!created && host_)
        host_->detach();
    markStarted();
    if (created) {
        if (output == Output::Driver)
            startAudioDriver();
        noteProgress();
        loadSoundFont();
    }
    setLogFunction(&logToStandardError, nullptr);
    // Parsing the soundfont leaves several megabytes of freed memory behind;
    // give it back to the system. (Under AddressSanitizer glibc's allocator
    // is not in use, and trimming it would touch an arena never set up.)
#ifndef __SANITIZE_ADDRESS__
    malloc_trim(0);
#endif
    // From now on messages go straight to an audio driver that calls the
    // engine; the engine's thread hands over what waited for the start-up
    // first (playQueued opens the straight path once it has).
    const bool audioCallsEngine = hosted_.load(std::memory_order_acquire) || (driver_.isRunning() && driver_.callsEngine());
    if (synth_ && audioCallsEngine && soundFontLoaded())
        direct_.store(true, std::memory_order_release);
    markReady();
    playQueued();
}

bool FluidSynthEngine::createSynth()
{
    settings_.reset(fluid().new_fluid_settings());
    if (fluid_settings_t* settings = settings_.get()) {
        const int hostRate = hostRate_.load(std::memory_order_relaxed);
        fluid().fluid_settings_setnum(settings, "synth.sample-rate", hostRate > 0 ? hostRate : SampleRate);
        fluid().fluid_settings_setint(settings, "synth.polyphony", Polyphony);
        fluid().fluid_settings_setnum(settings, "synth.gain", Gain);
        // Only the samples of programmes in use are kept in memory; a
        // programme change loads the ones it needs (on this thread).
        fluid().fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
        fluid().fluid_settings_setint(settings, "synth.midi-channels", 2 * MidiChannels); // with the shadows
        FluidSynthAudioDriver::configure(settings);
        synth_.reset(fluid().new_fluid_synth(settings));
    }
    if (synth_) {
        fluid().fluid_synth_set_channel_type(synth_.get(), shadowOf(DrumChannel), CHANNEL_TYPE_DRUM);
        return true;
    }
    const std::string why = takeLogged();
    noteFailure("FluidSynth could not create a synthesizer" + (why.empty() ? "." : ": " + why));
    synthFailed_.store(true, std::memory_order_release);
    return false;
}

void FluidSynthEngine::startAudioDriver()
{
    if (hostRate_.load(std::memory_order_relaxed) > 0) {
        hosted_.store(true, std::memory_order_release);
        return;
    }
    const std::string reasons = driver_.start(
        settings_.get(), synth_.get(), &renderForDriver, this,
        [this] {
            noteProgress();
            takeLogged();
        },
        [this] { return takeLogged(); });
    if (!reasons.empty())
        noteProblem("No audio output could be started (" + reasons + ").");
}

// Has the host, if there is one, call the engine from now on; its calls
// render once the synthesizer exists at the host's rate (startAudioDriver).
void FluidSynthEngine::attachToHost()
{
    if (!host_)
        return;
    hostRate_.store(host_->attach(*this), std::memory_order_relaxed);
    noteProgress();
}

// Selects programme 0 on every channel but the drum channel, whose kit
// waits for its first note (see selectDrumKitBefore): a large soundfont's
// kit takes more memory than its piano (FluidR3_GM: 11 MB against 8 MB).
void FluidSynthEngine::loadSoundFont()
{
    const std::lock_guard synthLock(synthMutex_);
    takeLogged();
    if (fluid().fluid_synth_sfload(synth_.get(), soundFont_.c_str(), 0) == FLUID_FAILED) {
        const std::string why = takeLogged();
        noteFailure("The soundfont " + soundFont_ + " could not be loaded" + (why.empty() ? "." : ": " + why));
        return;
    }
    for (int channel = 0; channel < 2 * MidiChannels; ++channel) {
        if (channel != DrumChannel && channel != shadowOf(DrumChannel))
            fluid().fluid_synth_program_change(synth_.get(), channel, 0);
    }
    soundFontLoaded_.store(true, std::memory_order_release);
}

void FluidSynthEngine::markStarted()
{
    noteProgress();
    {
        const std::lock_guard lock(readyMutex_);
        started_.store(true, std::memory_order_release);
    }
    readyChanged_.notify_all();
}

bool FluidSynthEngine::waitUntilStarted(std::chrono::milliseconds bound) const
{
    std::unique_lock lock(readyMutex_);
    return readyChanged_.wait_for(lock, bound, [this] { return started_.load(std::memory_order_acquire); });
}

void FluidSynthEngine::markReady()
{
    noteProgress();
    {
        const std::lock_guard lock(readyMutex_);
        ready_.store(true, std::memory_order_release);
    }
    readyChanged_.notify_all();
}

void FluidSynthEngine::waitUntilReady() const
{
    std::unique_lock lock(readyMutex_);
    readyChanged_.wait(lock, [this] { return isReady(); });
}

// Takes queued messages in batches: the queue is swapped for an empty
// vector that keeps its capacity, so senders wait at most for the swap.
// Each swap counts as a take for the senders' backpressure. Once the queue
// is empty and the audio thread plays messages, senders put them straight
// onto its ring again.
void FluidSynthEngine::playQueued()
{
    std::vector<MidiBytes> batch;
    batch.reserve(64);
    for (;;) {
        {
            std::unique_lock lock(queueMutex_);
            batch.clear();
            if (queue_.empty() && direct_.load(std::memory_order_relaxed))
                fastPath_ = true;
            queueChanged_.wait(lock, [this] { return !queue_.empty() || stopping_; });
            if (queue_.empty())
                return; // stopping, and everything sent has been played
            batch.swap(queue_);
            noteProgress();
        }
        for (std::size_t i = 0; i < batch.size(); ++i) {
            handOver(batch[i]);
            if (i % ProgressEvery == ProgressEvery - 1)
                noteProgress(); // a long batch is still a take
        }
    }
}

void FluidSynthEngine::waitUntilPlayed() const
{
    std::uint64_t sent = 0;
    {
        const std::lock_guard lock(queueMutex_);
        sent = sent_;
    }
    while (played_.load(std::memory_order_acquire) < sent)
        std::this_thread::sleep_for(std::chrono::microseconds(50));
}

// What the engine's thread must see before the audio thread plays it: a
// programme change or a bank select (see the class comment), and the drum
// channel's first note while its kit is still to be selected.
bool FluidSynthEngine::needsEngine(const MidiBytes& message) const
{
    const int status = message.data[0] & 0xF0;
    const int channel = message.data[0] & 0x0F;
    const int data1 = message.data[1] & 0x7F;
    if (status == ProgramChange)
        return true;
    if (status == ControlChange && (data1 == BankSelect || data1 == BankSelectFine))
        return true;
    return status == NoteOn && channel == DrumChannel && (message.data[2] & 0x7F) != 0
           && drumKitPending_.load(std::memory_order_acquire);
}

bool FluidSynthEngine::send(const MidiBytes& message)
{
    if (synthFailed_.load(std::memory_order_acquire))
        return true; // nothing will play it; failure() tells why
    bool queued = false;
    const auto tryPush = [this, &message, &queued] {
        const std::lock_guard lock(queueMutex_);
        if (fastPath_ && !needsEngine(message)) {
            if (!toAudio_->push(message))
                return false;
        } else {
            if (queue_.size() >= QueueCapacity)
                return false;
            queue_.push_back(message);
            fastPath_ = false; // what follows waits behind it
            queued = true;
        }
        ++sent_;
        return true;
    };
    const auto lastTaken = [this] { return lastTaken_.load(std::memory_order_relaxed); };
    if (!backpressure::queueOrDrop(tryPush, lastTaken))
        return false;
    if (queued)
        queueChanged_.notify_one();
    return true;
}

// On the engine's thread: plays a message taken from the queue, or, while
// the audio thread plays messages, does what must be done off that thread
// and passes it on.
void FluidSynthEngine::handOver(const MidiBytes& message)
{
    fluid_synth_t* synth = synth_.get();
    if (!direct_.load(std::memory_order_relaxed) || !synth) {
        play(message);
        played_.fetch_add(1, std::memory_order_release);
        return;
    }
    bool selectKit = false;
    if (message.size != 0 && message.size >= messageLength(message.data[0]) && needsEngine(message)) {
        const int status = message.data[0] & 0xF0;
        const int channel = message.data[0] & 0x0F;
        const int data1 = message.data[1] & 0x7F;
        const std::lock_guard synthLock(synthMutex_);
        if (status == ProgramChange) {
            fluid().fluid_synth_program_change(synth, shadowOf(channel), data1); // reads its samples
            if (channel == DrumChannel)
                drumKitPending_.store(false, std::memory_order_release);
        } else if (channel == DrumChannel && drumKitPending_.load(std::memory_order_relaxed)) {
            // The kit, as selectDrumKitBefore selects it, before the note
            // or bank select; this extra message counts as one sent.
            fluid().fluid_synth_program_change(synth, shadowOf(DrumChannel), 0);
            drumKitPending_.store(false, std::memory_order_release);
            selectKit = true;
        }
        if (status == ControlChange)
            fluid().fluid_synth_cc(synth, shadowOf(channel), data1, message.data[2] & 0x7F);
    }
    // Not under synthMutex_: the audio thread must be able to empty the ring.
    if (selectKit) {
        {
            const std::lock_guard lock(queueMutex_);
            ++sent_;
        }
        forward(MidiBytes{{static_cast<std::uint8_t>(ProgramChange | DrumChannel), 0, 0}, 2});
    }
    forward(message);
}

// Puts a message onto the audio thread's ring, waiting while it is full
// and the audio thread takes from it; dropped (as played) once it has not
// for backpressure::StallLimit.
void FluidSynthEngine::forward(const MidiBytes& message)
{
    const auto tryPush = [this, &message] {
        const std::lock_guard lock(queueMutex_);
        return toAudio_->push(message);
    };
    const auto lastTaken = [this] { return lastTaken_.load(std::memory_order_relaxed); };
    if (!backpressure::queueOrDrop(tryPush, lastTaken))
        played_.fetch_add(1, std::memory_order_release);
}

// On the thread that plays messages: the engine's (no audio thread plays
// them) or the audio thread. The drum kit waits for the drum channel's
// first note only on the engine's thread; the audio thread has it
// selected by handOver.
void FluidSynthEngine::play(const MidiBytes& message)
{
    if (!synth_ || message.size == 0 || message.size < messageLength(message.data[0]))
        return;
    if (drumKitPending_.load(std::memory_order_relaxed) && (message.data[0] & 0x0F) == DrumChannel)
        selectDrumKitBefore(message);
    apply(message);
}

// Real-time safe for every message but a programme change to a programme
// no channel uses (the engine's thread has the audio thread's selected on
// the shadow channel first).
void FluidSynthEngine::apply(const MidiBytes& message)
{
    fluid_synth_t* synth = synth_.get();
    if (!synth || message.size == 0 || message.size < messageLength(message.data[0]))
        return;
    const int channel = message.data[0] & 0x0F;
    const int data1 = message.data[1] & 0x7F;
    const int data2 = message.data[2] & 0x7F;
    switch (message.data[0] & 0xF0) {
    case NoteOff:
        fluid().fluid_synth_noteoff(synth, channel, data1);
        break;
    case NoteOn: // velocity 0 is a note off
        data2 == 0 ? fluid().fluid_synth_noteoff(synth, channel, data1) : fluid().fluid_synth_noteon(synth, channel, data1, data2);
        break;
    case KeyPressure:
        fluid().fluid_synth_key_pressure(synth, channel, data1, data2);
        break;
    case ControlChange:
        fluid().fluid_synth_cc(synth, channel, data1, data2);
        break;
    case ProgramChange:
        fluid().fluid_synth_program_change(synth, channel, data1);
        break;
    case ChannelPressure:
        fluid().fluid_synth_channel_pressure(synth, channel, data1);
        break;
    case PitchBend:
        fluid().fluid_synth_pitch_bend(synth, channel, data1 | (data2 << 7));
        break;
    default: // system messages
        return;
    }
    held_.track(message);
    holding_.store(held_.any(), std::memory_order_relaxed);
    activity_.fetch_add(1, std::memory_order_release);
}

// On the audio thread, at the start of each period: plays every message on
// the ring, unless the engine's thread is using the synthesizer (reading a
// programme's samples): then they wait for the next period, in order.
// Never waits for a lock.
bool FluidSynthEngine::applyHandedOver()
{
    if (toAudio_->empty())
        return false;
    const std::unique_lock synthLock(synthMutex_, std::try_to_lock);
    if (!synthLock.owns_lock())
        return false;
    std::uint64_t count = 0;
    while (const MidiBytes* message = toAudio_->front()) {
        apply(*message);
        toAudio_->pop();
        ++count;
    }
    noteProgress();
    played_.fetch_add(count, std::memory_order_release);
    return true;
}

FluidSynthEngine::AppliedPeriod FluidSynthEngine::lastAppliedPeriod() const
{
    AppliedPeriod applied;
    applied.period = appliedPeriod_.load(std::memory_order_acquire);
    applied.peak = appliedPeak_.load(std::memory_order_relaxed);
    return applied;
}

// The drum channel gets its default kit just before the first message that
// could tell: a note on, or a bank select (which must not alter the kit
// chosen for the channel at the start). A programme change chooses a kit
// itself; other messages neither need nor change it.
void FluidSynthEngine::selectDrumKitBefore(const MidiBytes& message)
{
    const int status = message.data[0] & 0xF0;
    const int data1 = message.data[1] & 0x7F;
    const bool noteOn = status == NoteOn && (message.data[2] & 0x7F) != 0;
    const bool bankSelect = status == ControlChange && (data1 == BankSelect || data1 == BankSelectFine);
    if (status == ProgramChange) {
        drumKitPending_.store(false, std::memory_order_release);
    } else if (noteOn || bankSelect) {
        fluid().fluid_synth_program_change(synth_.get(), DrumChannel, 0);
        drumKitPending_.store(false, std::memory_order_release);
    }
}

void FluidSynthEngine::render(std::span<float> left, std::span<float> right)
{
    std::ranges::fill(left, 0.0F);
    std::ranges::fill(right, 0.0F);
    waitUntilReady();
    if (!synth_ || driver_.isRunning() || hosted_.load(std::memory_order_acquire))
        return;
    waitUntilPlayed();
    const std::size_t frames = std::min(left.size(), right.size());
    for (std::size_t done = 0; done < frames;) {
        const std::size_t chunk = std::min(frames - done, RenderChunk);
        renderBlock(static_cast<int>(chunk), left.data() + done, right.data() + done);
        done += chunk;
    }
}

// Called by the audio driver on its own thread. FluidSynth's drivers hand
// over zeroed buffers, but a resting engine writes nothing, so they are
// cleared here too rather than trusting every driver with that.
int FluidSynthEngine::renderForDriver(void* data, int frames, int, float*[], int outCount, float* out[])
{
    if (outCount < 2 || frames < 0)
        return FLUID_FAILED;
    for (int i = 0; i < outCount; ++i)
        std::fill_n(out[i], frames, 0.0F);
    static_cast<FluidSynthEngine*>(data)->renderPeriod(frames, out[0], out[1]);
    return FLUID_OK;
}

void FluidSynthEngine::renderAudio(std::uint32_t frames, float* left, float* right) noexcept
{
    std::fill_n(left, frames, 0.0F);
    std::fill_n(right, frames, 0.0F);
    if (hosted_.load(std::memory_order_acquire))
        renderPeriod(static_cast<int>(frames), left, right);
}

void FluidSynthEngine::renderPeriod(int frames, float* left, float* right)
{
    periodFrames_.store(frames, std::memory_order_relaxed);
    const std::uint64_t period = periodsBegun_.fetch_add(1, std::memory_order_acq_rel) + 1;
    const bool applied = applyHandedOver();
    lastPeak_ = 0.0F;
    renderBlock(frames, left, right);
    if (applied) {
        appliedPeak_.store(lastPeak_, std::memory_order_relaxed);
        appliedPeriod_.store(period, std::memory_order_release);
    }
}

// Mixes `frames` of the synthesizer, effects included, into left and right
// (which hold silence). Once the output has stayed below QuietLevel for
// QuietFrames with no key or pedal held and no message played, the
// synthesizer is left alone: a silent FluidSynth still runs its reverb and
// chorus on every period. Whatever it still had to play lies below
// -100 dBFS, so nothing audible is cut. Any message wakes it at the next
// block, since FluidSynth hands part of each message's work to the
// rendering (voice updates wait in a queue of its own until then); a held
// key or pedal keeps it running, because a note may start silent (its
// envelope's delay) and grow later. Real-time safe.
void FluidSynthEngine::renderBlock(int frames, float* left, float* right)
{
    const std::uint64_t activity = activity_.load(std::memory_order_acquire);
    if (activity != activitySeen_ || holding_.load(std::memory_order_relaxed)) {
        activitySeen_ = activity;
        quietFrames_ = 0;
    }
    if (quietFrames_ >= QuietFrames) {
        resting_.store(true, std::memory_order_relaxed);
        return;
    }
    resting_.store(false, std::memory_order_relaxed);
    float* dry[] = {left, right};
    float* effects[] = {left, right, left, right}; // reverb, chorus: mixed in
    fluid().fluid_synth_process(synth_.get(), frames, 4, effects, 2, dry);
    const float peak = std::max(peakOf(left, frames), peakOf(right, frames));
    lastPeak_ = peak;
    quietFrames_ = peak < QuietLevel ? std::min(quietFrames_ + frames, QuietFrames) : 0;
}

std::string FluidSynthEngine::audioDriver() const
{
    return hosted_.load(std::memory_order_acquire) ? "jack" : driver_.name();
}

// The audio driver may have set the synthesizer to its device's rate.
int FluidSynthEngine::sampleRate() const
{
    if (hosted_.load(std::memory_order_acquire))
        return hostRate_.load(std::memory_order_relaxed);
    double rate = SampleRate;
    if (isReady() && settings_)
        fluid().fluid_settings_getnum(settings_.get(), "synth.sample-rate", &rate);
    return static_cast<int>(rate);
}

std::string FluidSynthEngine::lastError() const
{
    const std::lock_guard lock(errorMutex_);
    return lastError_;
}

std::string FluidSynthEngine::failure() const
{
    const std::lock_guard lock(errorMutex_);
    return failure_;
}

void FluidSynthEngine::noteFailure(std::string problem)
{
    {
        const std::lock_guard lock(errorMutex_);
        failure_ = problem;
    }
    failed_.store(true, std::memory_order_release);
    noteProblem(std::move(problem));
}

void FluidSynthEngine::noteProblem(std::string problem)
{
    std::fprintf(stderr, "kelmar: %s\n", problem.c_str());
    const std::lock_guard lock(errorMutex_);
    lastError_ = std::move(problem);
}

std::string FluidSynthEngine::takeLogged()
{
    const std::lock_guard lock(errorMutex_);
    return std::exchange(logged_, {});
}

// Outside the start-up: only errors reach the terminal; FluidSynth's
// warnings and information (missing instruments, memory locking, ...) are chatter.
void FluidSynthEngine::logToStandardError(int level, const char* message, void*)
{
    if (level <= FLUID_ERR)
        std::fprintf(stderr, "fluidsynth: %s\n", message);
}

// During the start-up: keep the last error for the report on what failed.
void FluidSynthEngine::logToEngine(int level, const char* message, void* data)
{
    if (level > FLUID_ERR)
        return;
    auto* engine = static_cast<FluidSynthEngine*>(data);
    const std::lock_guard lock(engine->errorMutex_);
    engine->logged_ = message;
}

} // namespace kelmar
