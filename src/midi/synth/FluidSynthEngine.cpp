#include "midi/synth/FluidSynthEngine.h"

#include <fluidsynth.h>

#include <malloc.h>
#include <pthread.h>

#include <algorithm>
#include <cstddef>
#include <utility>

#include "midi/synth/FluidSynthLibrary.h"

namespace kelmar {

namespace {

const FluidSynthLibrary& fluid() { return FluidSynthLibrary::inUse(); }

// Longest block rendered at once for render().
constexpr std::size_t RenderChunk = 4096;

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
    thread_ = std::thread([this, output] { run(output); });
}

FluidSynthEngine::~FluidSynthEngine()
{
    queue_.stop();
    thread_.join();
    if (host_)
        host_->detach();
    driver_.stop();
}

// The engine's thread: sets FluidSynth up with its messages caught, so that
// failed attempts stay quiet, then plays what is sent until the engine goes.
// Each finished step of the start-up counts as a take for the senders'
// back-pressure: what is sent while it goes on is kept, not dropped.
void FluidSynthEngine::run(Output output)
{
    pthread_setname_np(pthread_self(), "kelmar-synth");
    const auto playQueued = [this] {
        queue_.playAll(direct_.load(std::memory_order_relaxed), [this](const MidiBytes& message) { handOver(message); });
    };
    if (const FluidSynthLibrary& library = FluidSynthLibrary::load(library_); !library.isLoaded()) {
        log_.noteFailure("FluidSynth could not be loaded: " + library.error() + ".");
        synthFailed_.store(true, std::memory_order_release);
        markStarted();
        markReady();
        playQueued();
        return;
    }
    queue_.noteProgress();
    if (output == Output::Driver)
        attachToHost();
    log_.catchMessages();
    const bool created = createSynth();
    if (!created && host_)
        host_->detach();
    markStarted();
    if (created) {
        if (output == Output::Driver)
            startAudioDriver();
        queue_.noteProgress();
        loadSoundFont();
    }
    FluidSynthLog::releaseMessages();
    // Parsing the soundfont leaves several megabytes of freed memory behind;
    // give it back to the system. (Under AddressSanitizer glibc's allocator
    // is not in use, and trimming it would touch an arena never set up.)
#ifndef __SANITIZE_ADDRESS__
    malloc_trim(0);
#endif
    // From now on messages go straight to an audio driver that calls the
    // engine; the engine's thread hands over what waited for the start-up
    // first (the queue opens the straight path once it has).
    const bool audioCallsEngine = renderer_.hosted() || (driver_.isRunning() && driver_.callsEngine());
    if (synth_ && audioCallsEngine && soundFontLoaded())
        direct_.store(true, std::memory_order_release);
    markReady();
    playQueued();
}

// Has the host, if there is one, call the engine from now on; its calls
// render once the synthesizer exists at the host's rate (startAudioDriver).
void FluidSynthEngine::attachToHost()
{
    if (!host_)
        return;
    hostRate_.store(host_->attach(renderer_), std::memory_order_relaxed);
    queue_.noteProgress();
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
        fluid().fluid_settings_setint(settings, "synth.midi-channels", ShadowChannels::SynthChannels);
        FluidSynthAudioDriver::configure(settings);
        synth_.reset(fluid().new_fluid_synth(settings));
    }
    if (synth_) {
        ShadowChannels::setUp(synth_.get());
        renderer_.useSynth(synth_.get());
        return true;
    }
    const std::string why = log_.takeLogged();
    log_.noteFailure("FluidSynth could not create a synthesizer" + (why.empty() ? "." : ": " + why));
    synthFailed_.store(true, std::memory_order_release);
    return false;
}

void FluidSynthEngine::startAudioDriver()
{
    if (hostRate_.load(std::memory_order_relaxed) > 0) {
        renderer_.playThroughHost();
        return;
    }
    const std::string reasons = driver_.start(
        settings_.get(), synth_.get(), &SynthRenderer::renderForDriver, &renderer_,
        [this] {
            queue_.noteProgress();
            log_.takeLogged();
        },
        [this] { return log_.takeLogged(); });
    if (!reasons.empty())
        log_.noteProblem("No audio output could be started (" + reasons + ").");
}

void FluidSynthEngine::loadSoundFont()
{
    const std::lock_guard synthLock(synthMutex_);
    log_.takeLogged();
    if (fluid().fluid_synth_sfload(synth_.get(), soundFont_.c_str(), 0) == FLUID_FAILED) {
        const std::string why = log_.takeLogged();
        log_.noteFailure("The soundfont " + soundFont_ + " could not be loaded" + (why.empty() ? "." : ": " + why));
        return;
    }
    ShadowChannels::selectDefaults(synth_.get());
    soundFontLoaded_.store(true, std::memory_order_release);
}

void FluidSynthEngine::markStarted()
{
    queue_.noteProgress();
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
    queue_.noteProgress();
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

bool FluidSynthEngine::send(const MidiBytes& message)
{
    if (synthFailed_.load(std::memory_order_acquire))
        return true; // nothing will play it; failure() tells why
    return queue_.send(message, shadows_);
}

// On the engine's thread: plays a message taken from the queue, or, while
// the audio thread plays messages, does what must be done off that thread
// and passes it on.
void FluidSynthEngine::handOver(const MidiBytes& message)
{
    fluid_synth_t* synth = synth_.get();
    if (!direct_.load(std::memory_order_relaxed) || !synth) {
        play(message);
        queue_.notePlayed(1);
        return;
    }
    bool kitSelected = false;
    if (SynthRenderer::isWhole(message) && shadows_.needsEngine(message)) {
        const std::lock_guard synthLock(synthMutex_);
        kitSelected = shadows_.prepare(synth, message);
    }
    // Not under synthMutex_: the audio thread must be able to empty the ring.
    if (kitSelected) {
        queue_.countSent(); // the kit's programme change counts as one sent
        queue_.forward(ShadowChannels::drumKitSelection());
    }
    queue_.forward(message);
}

// While the engine's thread plays messages itself, the drum kit waits for
// the drum channel's first note here; once the audio thread plays them,
// handOver has it selected.
void FluidSynthEngine::play(const MidiBytes& message)
{
    if (!synth_ || !SynthRenderer::isWhole(message))
        return;
    shadows_.selectDrumKitBefore(synth_.get(), message);
    renderer_.apply(message);
}

void FluidSynthEngine::render(std::span<float> left, std::span<float> right)
{
    std::ranges::fill(left, 0.0F);
    std::ranges::fill(right, 0.0F);
    waitUntilReady();
    if (!synth_ || driver_.isRunning() || renderer_.hosted())
        return;
    waitUntilPlayed();
    const std::size_t frames = std::min(left.size(), right.size());
    for (std::size_t done = 0; done < frames;) {
        const std::size_t chunk = std::min(frames - done, RenderChunk);
        renderer_.renderBlock(static_cast<int>(chunk), left.data() + done, right.data() + done);
        done += chunk;
    }
}

std::string FluidSynthEngine::audioDriver() const
{
    return renderer_.hosted() ? "jack" : driver_.name();
}

// The audio driver may have set the synthesizer to its device's rate.
int FluidSynthEngine::sampleRate() const
{
    if (renderer_.hosted())
        return hostRate_.load(std::memory_order_relaxed);
    double rate = SampleRate;
    if (isReady() && settings_)
        fluid().fluid_settings_getnum(settings_.get(), "synth.sample-rate", &rate);
    return static_cast<int>(rate);
}

} // namespace kelmar
