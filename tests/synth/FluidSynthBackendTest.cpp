#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numbers>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "midi/MidiDeviceCatalogue.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiInputQueue.h"
#include "midi/MidiMessage.h"
#include "midi/MidiMessageLayer.h"
#include "midi/MidiOutputPort.h"
#include "midi/synth/FluidSynthBackend.h"
#include "midi/synth/FluidSynthEngine.h"

namespace kelmar {
namespace {

// The small GM soundfont keeps the tests quick; they skip without it.
constexpr const char* SmallSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

constexpr int Piano = 0;
constexpr int ChurchOrgan = 19;
constexpr int Flute = 73;
constexpr int MiddleC = 60;
constexpr double MiddleCHz = 261.6256;

// Output levels: FluidSynth leaves a tiny constant (about 1e-8) in its
// effects even when nothing plays; a note at velocity 100 is near 0.01.
constexpr double Silent = 1e-6;
constexpr double Sounding = 1e-3;

MidiBytes message(std::uint8_t status, std::uint8_t data1, std::uint8_t data2 = 0)
{
    const int length = messageLength(status);
    return {{status, data1, data2}, static_cast<std::uint8_t>(length)};
}

MidiBytes noteOn(int note, int velocity) { return message(0x90, static_cast<std::uint8_t>(note), static_cast<std::uint8_t>(velocity)); }
MidiBytes program(int number) { return message(0xC0, static_cast<std::uint8_t>(number)); }
MidiBytes pan(int value) { return message(0xB0, 10, static_cast<std::uint8_t>(value)); }
MidiBytes volume(int value) { return message(0xB0, 7, static_cast<std::uint8_t>(value)); }
MidiBytes sustain(bool down) { return message(0xB0, 64, down ? 127 : 0); }

struct Stereo {
    std::vector<float> left;
    std::vector<float> right;
};

template <typename Renderer>
Stereo renderSeconds(Renderer& renderer, double seconds)
{
    const auto frames = static_cast<std::size_t>(seconds * renderer.sampleRate());
    Stereo out{std::vector<float>(frames), std::vector<float>(frames)};
    renderer.render(out.left, out.right);
    return out;
}

double rms(std::span<const float> samples)
{
    if (samples.empty())
        return 0.0;
    double sum = 0.0;
    for (const float s : samples)
        sum += static_cast<double>(s) * s;
    return std::sqrt(sum / static_cast<double>(samples.size()));
}

double rms(const Stereo& audio)
{
    return std::hypot(rms(audio.left), rms(audio.right)) / std::numbers::sqrt2;
}

// The last `seconds` of a block.
std::span<const float> tail(const std::vector<float>& samples, double seconds, int rate)
{
    const auto count = std::min(samples.size(), static_cast<std::size_t>(seconds * rate));
    return std::span<const float>(samples).last(count);
}

// Strength of the first `count` harmonics of `fundamental` (a small DFT at
// those frequencies over a Hann window), scaled to sum to 1: the shape of
// the tone, independent of its loudness.
std::vector<double> harmonicProfile(std::span<const float> signal, int rate, double fundamental, int count)
{
    std::vector<double> profile;
    double total = 0.0;
    const auto n = signal.size();
    for (int h = 1; h <= count; ++h) {
        const double w = 2.0 * std::numbers::pi * fundamental * h / rate;
        double re = 0.0;
        double im = 0.0;
        for (std::size_t i = 0; i < n; ++i) {
            const double hann = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(n - 1));
            re += hann * signal[i] * std::cos(w * static_cast<double>(i));
            im -= hann * signal[i] * std::sin(w * static_cast<double>(i));
        }
        profile.push_back(std::hypot(re, im));
        total += profile.back();
    }
    for (double& p : profile)
        p /= total;
    return profile;
}

// Tone shape of middle C in the left channel, from 0.1 s after the note
// starts (past the attack) to the end of the block.
std::vector<double> middleCShape(const Stereo& audio, int rate)
{
    const auto window = std::span<const float>(audio.left).subspan(static_cast<std::size_t>(0.1 * rate));
    return harmonicProfile(window, rate, MiddleCHz, 8);
}

double profileDistance(const std::vector<double>& a, const std::vector<double>& b)
{
    double sum = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i)
        sum += std::abs(a[i] - b[i]);
    return sum;
}

class FluidSynthBackendTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(SmallSoundFont))
            GTEST_SKIP() << SmallSoundFont << " is not installed";
    }

    std::unique_ptr<MidiOutputDevice> open(FluidSynthBackend& backend)
    {
        auto result = backend.openOutput(FluidSynthBackend::DeviceLabel);
        EXPECT_TRUE(result.device) << result.error;
        return std::move(result.device);
    }

    // Tone shape of middle C on `patch`, 0.1 to 0.5 s after the note starts.
    std::vector<double> toneOf(int patch)
    {
        FluidSynthBackend backend(FluidSynthBackend::Audio::None, SmallSoundFont);
        auto device = open(backend);
        device->send(program(patch));
        device->send(noteOn(MiddleC, 100));
        return middleCShape(renderSeconds(backend, 0.5), backend.sampleRate());
    }

    FluidSynthBackend synth{FluidSynthBackend::Audio::None, SmallSoundFont};
};

TEST_F(FluidSynthBackendTest, OffersOneOutputAndNoInput)
{
    EXPECT_EQ(synth.outputNames(), std::vector<std::string>{FluidSynthBackend::DeviceLabel});
    EXPECT_TRUE(synth.inputNames().empty());

    MidiInputQueue queue;
    const auto input = synth.openInput(FluidSynthBackend::DeviceLabel, queue);
    EXPECT_FALSE(input.device);
    EXPECT_FALSE(input.error.empty());

    const auto other = synth.openOutput("Some other synthesizer");
    EXPECT_FALSE(other.device);
    EXPECT_FALSE(other.error.empty());

    EXPECT_EQ(synth.sampleRate(), 48000);
}

TEST_F(FluidSynthBackendTest, NoteSoundsAfterSilenceAndStopsWhenReleased)
{
    auto device = open(synth);
    ASSERT_TRUE(device);
    EXPECT_TRUE(device->isOpen());
    EXPECT_LT(rms(renderSeconds(synth, 0.2)), Silent) << "sound before any note";

    device->send(program(ChurchOrgan)); // sustains for as long as the key is held
    device->send(noteOn(MiddleC, 100));
    const double playing = rms(renderSeconds(synth, 0.3));
    EXPECT_GT(playing, Sounding);

    device->send(noteOn(MiddleC, 0));
    const Stereo released = renderSeconds(synth, 3.0);
    const double after = std::max(rms(tail(released.left, 0.2, synth.sampleRate())), rms(tail(released.right, 0.2, synth.sampleRate())));
    EXPECT_LT(after, playing * 0.01) << "still sounding 3 s after the velocity-0 note on";
}

TEST_F(FluidSynthBackendTest, HeldNoteKeepsSoundingWithoutNoteOff)
{
    // The counterpart of the release above: the silence there comes from the note off.
    auto device = open(synth);
    device->send(program(ChurchOrgan));
    device->send(noteOn(MiddleC, 100));
    const double playing = rms(renderSeconds(synth, 0.3));
    const Stereo held = renderSeconds(synth, 3.0);
    EXPECT_GT(rms(tail(held.left, 0.2, synth.sampleRate())), playing * 0.3);
}

TEST_F(FluidSynthBackendTest, ProgramChangeChangesTheTone)
{
    // The same patch always gives the same shape, so a clear difference
    // between shapes means the programme change reached the synthesizer.
    const auto piano = toneOf(Piano);
    const auto organ = toneOf(ChurchOrgan);
    const auto flute = toneOf(Flute);

    EXPECT_LT(profileDistance(piano, toneOf(Piano)), 0.05);
    EXPECT_GT(profileDistance(piano, organ), 0.3) << "piano and organ sound alike";
    EXPECT_GT(profileDistance(flute, organ), 0.3) << "flute and organ sound alike";
}

TEST_F(FluidSynthBackendTest, PanMovesTheSoundBetweenChannels)
{
    for (const int position : {0, 127}) {
        FluidSynthBackend backend(FluidSynthBackend::Audio::None, SmallSoundFont);
        auto device = open(backend);
        device->send(pan(position));
        device->send(noteOn(MiddleC, 100));
        const Stereo audio = renderSeconds(backend, 0.5);
        const double left = rms(audio.left);
        const double right = rms(audio.right);
        if (position == 0)
            EXPECT_GT(left, 4 * right) << "pan 0 should play on the left";
        else
            EXPECT_GT(right, 4 * left) << "pan 127 should play on the right";
    }
}

TEST_F(FluidSynthBackendTest, OutputsShareOneEngine)
{
    auto first = open(synth);
    auto second = open(synth);
    ASSERT_TRUE(first && second);

    // Channel state set through one output holds for the other.
    first->send(program(ChurchOrgan));
    first.reset(); // closing one output leaves the engine playing
    second->send(noteOn(MiddleC, 100));
    const Stereo audio = renderSeconds(synth, 0.5);
    EXPECT_GT(rms(audio), Sounding);
    EXPECT_LT(profileDistance(middleCShape(audio, synth.sampleRate()), toneOf(ChurchOrgan)), 0.05);
}

TEST_F(FluidSynthBackendTest, OutputOutlivesTheBackend)
{
    auto backend = std::make_unique<FluidSynthBackend>(FluidSynthBackend::Audio::None, SmallSoundFont);
    auto device = open(*backend);
    backend.reset();
    device->send(noteOn(MiddleC, 100));
    device->send(noteOn(MiddleC, 0));
    EXPECT_TRUE(device->isOpen());
}

TEST_F(FluidSynthBackendTest, OpenFailsWithTheReasonWhenTheSynthesizerCannotPlay)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("kelmar-synth-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto file = [&dir](const char* name, const std::string& content) {
        std::ofstream(dir / name, std::ios::binary) << content;
        return (dir / name).string();
    };
    const std::string fifo = (dir / "fifo.sf2").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        std::string soundFont;
        std::string library;
        std::string reason; // part of the error
    };
    const std::string real = FluidSynthEngine::defaultLibrary();
    const std::vector<Case> cases = {
        {"/nonexistent/none.sf2", real, "/nonexistent/none.sf2 is missing; install timgm6mb-soundfont"},
        {file("text.sf2", "This is no soundfont, however long it is."), real, "is not a SoundFont 2 file"},
        {file("short.sf2", "RIFF"), real, "is not a SoundFont 2 file"},
        {fifo, real, "is not a SoundFont 2 file"}, // refused without waiting for a writer
        {SmallSoundFont, "/nonexistent/libfluidsynth.so.3", "FluidSynth could not be loaded: /nonexistent/libfluidsynth.so.3"},
        // Passes the quick check, fails to load: found on the engine's thread.
        {file("broken.sf2", std::string("RIFF\x04\0\0\0sfbk", 12) + std::string(64, 'x')), real, "could not be loaded"},
    };
    for (const Case& c : cases) {
        FluidSynthBackend backend(FluidSynthBackend::Audio::None, c.soundFont, c.library);
        auto first = backend.openOutput(FluidSynthBackend::DeviceLabel);
        std::vector<float> left(64), right(64);
        backend.render(left, right); // waits for the whole start-up
        // A failure found only after the open returned closes the output
        // it gave; either way the next open says why.
        if (first.device)
            EXPECT_FALSE(first.device->isOpen()) << c.soundFont;
        else
            EXPECT_NE(first.error.find(c.reason), std::string::npos) << first.error;
        const auto again = backend.openOutput(FluidSynthBackend::DeviceLabel);
        EXPECT_FALSE(again.device) << c.soundFont << " " << c.library;
        EXPECT_NE(again.error.find(c.reason), std::string::npos) << again.error;
        EXPECT_LT(rms(Stereo{left, right}), Silent);
    }
    std::filesystem::remove_all(dir);
}

// The open returned before the soundfont turned out broken: the first note
// tells the user the real reason, not that the output went away.
TEST_F(FluidSynthBackendTest, AFailureFoundAfterTheOpenIsReportedWithItsReason)
{
    const auto broken = std::filesystem::temp_directory_path() / ("kelmar-broken-" + std::to_string(::getpid()) + ".sf2");
    std::ofstream(broken, std::ios::binary) << std::string("RIFF\x04\0\0\0sfbk", 12) + std::string(64, 'x');
    MidiDeviceCatalogue catalogue;
    auto backend = std::make_unique<FluidSynthBackend>(FluidSynthBackend::Audio::None, broken.string());
    FluidSynthBackend* synthesizer = backend.get();
    catalogue.addBackend(std::move(backend));
    MidiOutputPort out(catalogue);
    std::vector<std::string> reports;
    out.setProblemReporter([&](const std::string& text) { reports.push_back(text); });
    out.setDeviceIndex(0);
    out.Command(MidiOutputPort::Open);
    std::vector<float> left(64), right(64);
    synthesizer->render(left, right); // the whole start-up, failure included
    out.setStatus(0x90);
    out.setData1(MiddleC);
    out.setData2(100);
    out.Command(MidiOutputPort::Transmit);
    out.Command(MidiOutputPort::Transmit);
    std::filesystem::remove(broken);
    if (out.LastError().empty()) { // the open was quicker than the failure
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_NE(reports[0].find("cannot play"), std::string::npos) << reports[0];
        EXPECT_NE(reports[0].find("could not be loaded"), std::string::npos) << reports[0];
    }
}

TEST_F(FluidSynthBackendTest, AudioDeviceModeOpensWhateverTheSystemHas)
{
    // Here there may be no sound card and no sound server: opening must
    // still work, and audioDriver() names the driver that started, if any.
    // The drivers' start-up, on the synthesizer's thread, leaves the
    // environment alone: the window's thread may be reading it meanwhile.
    ::unsetenv("PULSE_PROP_media.role");
    FluidSynthBackend device(FluidSynthBackend::Audio::Device, SmallSoundFont);
    auto output = open(device);
    ASSERT_TRUE(output);
    output->send(pan(64));
    std::vector<float> left(64), right(64);
    device.render(left, right); // waits for the audio start-up
    const std::vector<std::string> known = {"", "pulseaudio", "jack", "alsa", "sdl2"};
    EXPECT_NE(std::find(known.begin(), known.end(), device.audioDriver()), known.end()) << device.audioDriver();
    EXPECT_EQ(std::getenv("PULSE_PROP_media.role"), nullptr);
}

TEST_F(FluidSynthBackendTest, MapperAndSynthesizerBothSoundThroughTheMessageLayer)
{
    for (const int position : {0, 1}) {
        MidiDeviceCatalogue catalogue;
        auto backend = std::make_unique<FluidSynthBackend>(FluidSynthBackend::Audio::None, SmallSoundFont);
        FluidSynthBackend* synthesizer = backend.get();
        catalogue.addBackend(std::move(backend));
        catalogue.setMapper(synthesizer, FluidSynthBackend::DeviceLabel, "Default output");
        MidiOutputPort out(catalogue);
        MidiInputPort in(catalogue);
        MidiMessageLayer layer(out, in);

        layer.OpenMidiOut(position);
        ASSERT_EQ(out.IsOpen(), 1) << "position " << position << ": " << out.LastError();
        layer.SendMidi(0x90, MiddleC, 100);
        EXPECT_GT(rms(renderSeconds(*synthesizer, 0.3)), Sounding) << "position " << position;
    }
}

TEST(FluidSynthEngineTest, MessagesSentWhileTheSoundFontLoadsTakeEffect)
{
    if (!std::filesystem::exists(SmallSoundFont))
        GTEST_SKIP() << SmallSoundFont << " is not installed";
    FluidSynthEngine engine(SmallSoundFont, FluidSynthEngine::Output::RenderOnly);
    engine.send(program(Flute));
    engine.send(pan(0));
    if (engine.isReady())
        GTEST_SKIP() << "the soundfont loaded before the messages were sent";
    engine.waitUntilReady();
    EXPECT_TRUE(engine.soundFontLoaded());

    engine.send(noteOn(MiddleC, 100));
    const Stereo audio = renderSeconds(engine, 0.5);
    EXPECT_GT(rms(audio.left), 4 * rms(audio.right)) << "the pan was lost";

    // The same messages, sent once the soundfont is in.
    FluidSynthEngine reference(SmallSoundFont, FluidSynthEngine::Output::RenderOnly);
    reference.waitUntilReady();
    reference.send(program(Flute));
    reference.send(pan(0));
    reference.send(noteOn(MiddleC, 100));
    const Stereo expected = renderSeconds(reference, 0.5);
    EXPECT_LT(profileDistance(middleCShape(audio, engine.sampleRate()), middleCShape(expected, engine.sampleRate())), 0.05)
        << "the programme change was lost";
}

TEST(FluidSynthEngineTest, MessagesArePlayedInTheOrderSent)
{
    if (!std::filesystem::exists(SmallSoundFont))
        GTEST_SKIP() << SmallSoundFont << " is not installed";
    // A burst of programme and pan changes, many of them queued while the
    // soundfont loads: only the last of each may be in effect.
    FluidSynthEngine engine(SmallSoundFont, FluidSynthEngine::Output::RenderOnly);
    for (int i = 0; i < 500; ++i) {
        engine.send(program(i % 2 == 0 ? Flute : Piano));
        engine.send(pan(i % 2 == 0 ? 127 : 0));
    }
    engine.send(program(ChurchOrgan));
    engine.send(noteOn(MiddleC, 100));
    const Stereo audio = renderSeconds(engine, 0.5);
    EXPECT_GT(rms(audio.left), 4 * rms(audio.right)) << "a pan change was played out of order";

    FluidSynthEngine reference(SmallSoundFont, FluidSynthEngine::Output::RenderOnly);
    reference.send(program(ChurchOrgan));
    reference.send(noteOn(MiddleC, 100));
    const Stereo expected = renderSeconds(reference, 0.5);
    EXPECT_LT(profileDistance(middleCShape(audio, engine.sampleRate()), middleCShape(expected, engine.sampleRate())), 0.05)
        << "a programme change was played out of order";
}

TEST(FluidSynthEngineTest, MessagesFromSeveralThreadsAreAllPlayed)
{
    if (!std::filesystem::exists(SmallSoundFont))
        GTEST_SKIP() << SmallSoundFont << " is not installed";
    // Each thread sounds notes on a channel of its own and ends them all;
    // a lost note off would leave a key held and the organ sounding.
    FluidSynthEngine engine(SmallSoundFont, FluidSynthEngine::Output::RenderOnly);
    std::vector<std::thread> senders;
    for (int channel = 0; channel < 4; ++channel) {
        senders.emplace_back([&engine, channel] {
            const auto status = [channel](int kind) { return static_cast<std::uint8_t>(kind | channel); };
            engine.send(message(status(0xC0), ChurchOrgan));
            for (int note = 40; note < 90; ++note)
                engine.send(message(status(0x90), static_cast<std::uint8_t>(note), 90));
            for (int note = 40; note < 90; ++note)
                engine.send(message(status(0x80), static_cast<std::uint8_t>(note), 0));
        });
    }
    for (std::thread& sender : senders)
        sender.join();
    const Stereo released = renderSeconds(engine, 3.0);
    EXPECT_LT(rms(tail(released.left, 0.2, engine.sampleRate())), Silent) << "a note was left sounding";
}

TEST(FluidSynthEngineTest, RestsWhenSilentAndSoundsAgainAtOnce)
{
    if (!std::filesystem::exists(SmallSoundFont))
        GTEST_SKIP() << SmallSoundFont << " is not installed";
    FluidSynthEngine engine(SmallSoundFont, FluidSynthEngine::Output::RenderOnly);
    engine.send(program(ChurchOrgan));
    engine.send(noteOn(MiddleC, 100));
    EXPECT_GT(rms(renderSeconds(engine, 0.3)), Sounding);
    EXPECT_FALSE(engine.isResting());
    engine.send(noteOn(MiddleC, 0));
    renderSeconds(engine, 3.0); // the release, its reverb, then a second of silence
    EXPECT_TRUE(engine.isResting()) << "still running 3 s after the last note ended";

    // Any message wakes it: FluidSynth finishes applying messages while it renders.
    engine.send(pan(64));
    renderSeconds(engine, 0.05);
    EXPECT_FALSE(engine.isResting()) << "a controller change went unplayed";
    renderSeconds(engine, 1.5);
    EXPECT_TRUE(engine.isResting());

    // The first block after a note on carries the note.
    engine.send(noteOn(MiddleC + 7, 100));
    EXPECT_GT(rms(renderSeconds(engine, 0.05)), Sounding) << "the note after a rest was late or lost";
    EXPECT_FALSE(engine.isResting());
}

TEST(FluidSynthEngineTest, HeldKeyOrPedalKeepsTheSynthesizerRunning)
{
    if (!std::filesystem::exists(SmallSoundFont))
        GTEST_SKIP() << SmallSoundFont << " is not installed";
    // At volume 0 the output is silent, yet a note whose key (or the
    // sustain pedal) is held must go on running: raising the volume brings
    // it back. Releasing everything lets the synthesizer rest.
    FluidSynthEngine engine(SmallSoundFont, FluidSynthEngine::Output::RenderOnly);
    engine.send(program(ChurchOrgan));
    engine.send(volume(0));
    engine.send(noteOn(MiddleC, 100));
    EXPECT_LT(rms(renderSeconds(engine, 2.0)), Silent);
    EXPECT_FALSE(engine.isResting()) << "rested while a key was held";

    engine.send(sustain(true));
    engine.send(noteOn(MiddleC, 0));
    renderSeconds(engine, 2.0);
    EXPECT_FALSE(engine.isResting()) << "rested while the sustain pedal was down";
    engine.send(volume(127));
    EXPECT_GT(rms(renderSeconds(engine, 0.3)), Sounding) << "the sustained note was lost";

    engine.send(volume(0));
    engine.send(sustain(false));
    renderSeconds(engine, 3.0); // the release and its reverb (volume 0 is -96 dB), then a second of silence
    EXPECT_TRUE(engine.isResting()) << "kept running with no key or pedal held";
}

TEST(FluidSynthEngineTest, DrumChannelPlaysTheStandardKitFromItsFirstNote)
{
    if (!std::filesystem::exists(SmallSoundFont))
        GTEST_SKIP() << SmallSoundFont << " is not installed";
    // The kit is chosen when the drum channel is first played; it must be
    // the one an explicit programme change 0 on that channel chooses.
    constexpr int Snare = 38;
    const auto drumNote = message(0x99, Snare, 100);
    FluidSynthEngine engine(SmallSoundFont, FluidSynthEngine::Output::RenderOnly);
    engine.send(drumNote);
    const Stereo audio = renderSeconds(engine, 0.3);
    EXPECT_GT(rms(audio), Sounding) << "the first drum note was silent";

    FluidSynthEngine reference(SmallSoundFont, FluidSynthEngine::Output::RenderOnly);
    reference.send(message(0xC9, 0));
    reference.send(drumNote);
    const Stereo expected = renderSeconds(reference, 0.3);
    EXPECT_NEAR(rms(audio), rms(expected), 0.01 * rms(expected)) << "another kit or instrument played";
}

TEST(FluidSynthEngineTest, DropsOnlyWhileTheEngineTakesNothingWithTheQueueFull)
{
    // The soundfont is a FIFO: FluidSynth's loaders wait in it for a writer,
    // so the engine's start-up stops there with the queue filling up.
    const std::filesystem::path fifo = std::filesystem::temp_directory_path() / ("kelmar-stall-" + std::to_string(::getpid()));
    std::filesystem::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    FluidSynthEngine engine(fifo.string(), FluidSynthEngine::Output::RenderOnly);
    // Opens and closes the FIFO as writer until the engine is ready: each
    // waiting open then reads an empty file. Declared after the engine, so
    // it lets the start-up go on before the engine is destroyed.
    struct Release {
        FluidSynthEngine& engine;
        std::filesystem::path fifo;
        void operator()() const
        {
            while (!engine.isReady()) {
                if (const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK); fd >= 0)
                    ::close(fd);
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
        ~Release() { (*this)(); }
    } release{engine, fifo};

    int dropped = 0;
    for (std::size_t i = 0; i < FluidSynthEngine::QueueCapacity + 3; ++i)
        dropped += engine.send(pan(static_cast<int>(i % 128))) ? 0 : 1;
    if (engine.isReady())
        GTEST_SKIP() << "this FluidSynth did not wait in the FIFO";
    EXPECT_EQ(dropped, 3) << "a full queue must keep what it holds and drop only what does not fit";

    release();
    engine.waitUntilPlayed(); // everything queued during the stall is played
    EXPECT_NE(engine.failure().find("could not be loaded"), std::string::npos) << engine.failure();

    // Taking again: a sender that finds the queue full waits instead of dropping.
    dropped = 0;
    for (std::size_t i = 0; i < 2 * FluidSynthEngine::QueueCapacity; ++i)
        dropped += engine.send(pan(static_cast<int>(i % 128))) ? 0 : 1;
    EXPECT_EQ(dropped, 0);
    engine.waitUntilPlayed();
    std::filesystem::remove(fifo);
}

double peakDbfs(const Stereo& audio)
{
    float peak = 0.0F;
    for (const auto* channel : {&audio.left, &audio.right})
        for (const float s : *channel)
            peak = std::max(peak, std::fabs(s));
    return 20.0 * std::log10(std::max(peak, 1e-12F));
}

TEST(FluidSynthEngineTest, SoundLevelLeavesHeadroomWithoutClipping)
{
    if (!std::filesystem::exists(SmallSoundFont))
        GTEST_SKIP() << SmallSoundFont << " is not installed";
    // A piano note at velocity 100 peaks near -21.5 dBFS (FluidSynth's
    // default gain left it near -31.5): as loud as the headroom below allows.
    FluidSynthEngine piano(SmallSoundFont, FluidSynthEngine::Output::RenderOnly);
    piano.send(noteOn(MiddleC, 100));
    const double pianoPeak = peakDbfs(renderSeconds(piano, 1.0));
    EXPECT_NEAR(pianoPeak, -21.5, 2.0);

    // Sixteen notes at velocity 127, a chord spread over all channels (the
    // drum channel's note a drum), do not clip.
    FluidSynthEngine chord(SmallSoundFont, FluidSynthEngine::Output::RenderOnly);
    constexpr int Notes[16] = {36, 40, 43, 48, 52, 55, 60, 64, 67, 72, 76, 79, 84, 88, 91, 96};
    for (int channel = 0; channel < 16; ++channel)
        chord.send(message(static_cast<std::uint8_t>(0x90 | channel), static_cast<std::uint8_t>(Notes[channel]), 127));
    const double chordPeak = peakDbfs(renderSeconds(chord, 1.0));
    EXPECT_LT(chordPeak, -0.5);
    std::printf("piano at velocity 100: %.1f dBFS; sixteen notes at 127: %.1f dBFS\n", pianoPeak, chordPeak);
}

TEST(FluidSynthEngineTest, ReportsAMissingSoundFont)
{
    FluidSynthEngine engine("/nonexistent/none.sf2", FluidSynthEngine::Output::RenderOnly);
    engine.waitUntilReady();
    EXPECT_TRUE(engine.hasSynth());
    EXPECT_FALSE(engine.soundFontLoaded());
    EXPECT_NE(engine.lastError().find("/nonexistent/none.sf2"), std::string::npos) << engine.lastError();
}

} // namespace
} // namespace kelmar
