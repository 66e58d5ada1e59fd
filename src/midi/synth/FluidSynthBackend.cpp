#include "midi/synth/FluidSynthBackend.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace kelmar {

namespace {

// One opened output. It shares the engine, so it stays usable even if the
// backend goes first; closing it leaves the engine running for the others.
class FluidSynthOutput : public MidiOutputDevice {
public:
    explicit FluidSynthOutput(std::shared_ptr<FluidSynthEngine> engine)
        : engine_(std::move(engine))
    {
    }

    void send(const MidiBytes& message) override
    {
        if (!engine_->send(message))
            dropped_.fetch_add(1, std::memory_order_relaxed);
    }
    // A failed engine plays nothing: the output counts as closed.
    bool isOpen() const override { return !engine_->hasFailed(); }
    // A failure found after the open (the soundfont would not load): its reason.
    std::string failure() const override { return engine_->hasFailed() ? engine_->failure() : std::string(); }
    std::uint64_t dropped() const override { return dropped_.load(std::memory_order_relaxed); }

private:
    std::shared_ptr<FluidSynthEngine> engine_;
    std::atomic<std::uint64_t> dropped_{0};
};

} // namespace

FluidSynthBackend::FluidSynthBackend(Audio audio, std::string soundFont, std::string library,
                                     std::shared_ptr<AudioHost> host)
    : audio_(audio)
    , soundFont_(std::move(soundFont))
    , library_(std::move(library))
    , host_(std::move(host))
{
    // Started now, so that loading FluidSynth overlaps the caller's own
    // set-up instead of holding up the first open.
    start();
}

FluidSynthBackend::~FluidSynthBackend() = default;

const std::string& FluidSynthBackend::defaultSoundFont()
{
    static const std::string soundFont = [] {
        const char* file = std::getenv("KELMAR_SOUNDFONT");
        return std::string(file && *file ? file : "/usr/share/sounds/sf2/default-GM.sf2");
    }();
    return soundFont;
}

// Reads only the first 12 bytes, without waiting: a FIFO or a device is
// refused rather than read.
std::string FluidSynthBackend::soundFontProblem(const std::string& file)
{
    const std::string name = "The General MIDI soundfont " + file;
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return name + " is missing; install timgm6mb-soundfont or fluid-soundfont-gm.";
        return name + " cannot be read: " + std::strerror(errno) + ".";
    }
    struct stat status {};
    char header[12] = {};
    const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    const ssize_t got = regular ? ::read(fd, header, sizeof header) : -1;
    const int readError = errno;
    ::close(fd);
    if (regular && got < 0)
        return name + " cannot be read: " + std::strerror(readError) + ".";
    if (got != static_cast<ssize_t>(sizeof header) || std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "sfbk", 4) != 0)
        return name + " is not a SoundFont 2 file; install timgm6mb-soundfont or fluid-soundfont-gm.";
    return {};
}

std::vector<std::string> FluidSynthBackend::outputNames()
{
    return {DeviceLabel};
}

std::vector<std::string> FluidSynthBackend::inputNames()
{
    return {};
}

OpenResult<MidiOutputDevice> FluidSynthBackend::openOutput(const std::string& name)
{
    if (name != DeviceLabel)
        return {nullptr, "The built-in synthesizer has no output named \"" + name + "\"."};
    std::string problem;
    auto shared = engine(&problem);
    if (!shared)
        return {nullptr, problem};
    return {std::make_unique<FluidSynthOutput>(std::move(shared)), {}};
}

OpenResult<MidiInputDevice> FluidSynthBackend::openInput(const std::string&, MidiInputQueue&)
{
    return {nullptr, "The built-in synthesizer has no MIDI inputs."};
}

void FluidSynthBackend::render(std::span<float> left, std::span<float> right)
{
    if (const auto shared = engine()) {
        shared->render(left, right);
        return;
    }
    std::ranges::fill(left, 0.0F);
    std::ranges::fill(right, 0.0F);
}

std::string FluidSynthBackend::audioDriver() const
{
    return engine_ ? engine_->audioDriver() : std::string();
}

int FluidSynthBackend::sampleRate() const
{
    return engine_ ? engine_->sampleRate() : FluidSynthEngine::SampleRate;
}

bool FluidSynthBackend::start(std::string* problem)
{
    if (engine_)
        return true;
    // Without a soundfont there is nothing to start; a later call checks again.
    if (std::string why = soundFontProblem(soundFont_); !why.empty()) {
        if (problem)
            *problem = std::move(why);
        return false;
    }
    const auto output = audio_ == Audio::Device ? FluidSynthEngine::Output::Driver : FluidSynthEngine::Output::RenderOnly;
    engine_ = std::make_shared<FluidSynthEngine>(soundFont_, output, library_, host_);
    return true;
}

std::shared_ptr<FluidSynthEngine> FluidSynthBackend::engine(std::string* problem)
{
    if (!start(problem))
        return nullptr;
    // Loading FluidSynth and creating the synthesizer take some 30 ms,
    // mostly over by the first open; past StartWait the open goes ahead and
    // a failure found later is reported by the next one.
    engine_->waitUntilStarted(StartWait);
    if (engine_->hasFailed()) {
        if (problem)
            *problem = engine_->failure();
        return nullptr;
    }
    return engine_;
}

} // namespace kelmar
