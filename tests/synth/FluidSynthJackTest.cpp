// The built-in synthesizer playing through JACK on a JACK2 server of the
// test's own (dummy driver, 256 frames at 48 kHz): a message sent between
// two periods sounds in the very next one, also after the engine rested.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <cstdio>
#include <thread>
#include <utility>

#include "midi/MidiMessage.h"
#include "midi/jack/JackBackend.h"
#include "midi/synth/FluidSynthEngine.h"
#include "support/JackAudioProbe.h"
#include "support/JackServer.h"

namespace kelmar {
namespace {

using namespace std::chrono_literals;

constexpr const char* SmallSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
// -100 dBFS: a higher threshold misses the first period of soft notes,
// whose sample rises slowly.
constexpr float Loud = 1e-5F;
constexpr auto HalfPeriod = std::chrono::microseconds(500'000 * test::JackServer::PeriodFrames / test::JackServer::SampleRate);

MidiBytes message(int status, int data1, int data2 = 0)
{
    return {{static_cast<std::uint8_t>(status), static_cast<std::uint8_t>(data1), static_cast<std::uint8_t>(data2)},
            static_cast<std::uint8_t>(messageLength(static_cast<std::uint8_t>(status)))};
}

// Each test runs twice: through FluidSynth's own JACK driver (the engine
// alone), and through the program's JACK client as the engine's audio host.
enum class Path { OwnClient, ProgramsClient };

class FluidSynthJackTest : public ::testing::TestWithParam<Path> {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(SmallSoundFont))
            GTEST_SKIP() << SmallSoundFont << " is not installed";
        ASSERT_TRUE(server.running()) << server.failure();
        std::shared_ptr<AudioHost> host;
        if (GetParam() == Path::ProgramsClient) {
            jack = std::make_unique<JackBackend>("Kelmar");
            jack->openInBackground();
            host = jack->audioHost();
        }
        engine = std::make_unique<FluidSynthEngine>(SmallSoundFont, FluidSynthEngine::Output::Driver,
                                                    FluidSynthEngine::defaultLibrary(), host);
        engine->waitUntilReady();
        ASSERT_EQ(engine->audioDriver(), "jack") << engine->lastError();
        ASSERT_TRUE(engine->playsInAudioThread());
        probe = std::make_unique<test::JackAudioProbe>();
        ASSERT_TRUE(probe->ok());
        ASSERT_TRUE(probe->listenTo(GetParam() == Path::ProgramsClient ? "Kelmar" : "Kelmar synthesizer"));
        engine->send(message(0xB0, 91, 0)); // no reverb tail between notes
    }

    // Sends a note on half way between two periods (as the synthesizer's
    // audio callback counts them) and returns the number of periods that
    // began after the send before the one in which the audio thread played
    // it (0: the very next), with that period's peak level; -1 if it was
    // never played, or no send fell between two periods.
    std::pair<int, float> periodsLate(int note)
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            const std::uint64_t now = engine->periodsBegun();
            while (engine->periodsBegun() == now)
                std::this_thread::sleep_for(50us);
            std::this_thread::sleep_for(HalfPeriod);
            const std::uint64_t before = engine->periodsBegun();
            const std::uint64_t appliedBefore = engine->lastAppliedPeriod().period;
            engine->send(message(0x90, note, 100));
            if (engine->periodsBegun() != before)
                continue; // a period began during the send
            const auto deadline = std::chrono::steady_clock::now() + 2s;
            while (engine->lastAppliedPeriod().period == appliedBefore && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(100us);
            const auto applied = engine->lastAppliedPeriod();
            if (applied.period == appliedBefore)
                return {-1, 0.0F};
            return {static_cast<int>(applied.period - (before + 1)), applied.peak};
        }
        return {-1, 0.0F};
    }

    void silence()
    {
        engine->send(message(0xB0, 120, 0)); // all sound off
        const auto deadline = std::chrono::steady_clock::now() + 3s;
        while (probe->lastPeak() >= Loud / 5 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(1ms);
    }

    test::JackServer server;
    std::unique_ptr<JackBackend> jack; // outlives the engine that plays through it
    std::unique_ptr<FluidSynthEngine> engine;
    std::unique_ptr<test::JackAudioProbe> probe;
};

TEST_P(FluidSynthJackTest, FollowsTheServersPeriod)
{
    probe->waitForCycles(2);
    EXPECT_EQ(engine->periodFrames(), test::JackServer::PeriodFrames);
    EXPECT_EQ(engine->sampleRate(), test::JackServer::SampleRate);
}

TEST_P(FluidSynthJackTest, ANoteSentBetweenTwoPeriodsSoundsInTheNext)
{
    // Keys whose sample sounds within its first period. (TimGM6mb's piano
    // sample for keys 65 to 69 begins with 300 to 390 frames of silence, so
    // those keys sound only from the second 256-frame period, whatever the
    // path; at velocity 40 even keys 60 to 64 stay below -54 dBFS for some
    // 180 frames.)
    for (const int note : {60, 62, 64, 72}) {
        silence();
        const auto [late, peak] = periodsLate(note);
        EXPECT_EQ(late, 0) << "note " << note;
        EXPECT_GE(peak, Loud) << "note " << note << ": the period that played it carried no sound (peak " << peak << ")";
        engine->send(message(0x80, note, 0));
    }
}

TEST_P(FluidSynthJackTest, TheFirstNoteAfterARestSoundsInTheNextPeriod)
{
    for (int note = 60; note < 62; ++note) {
        silence();
        const auto deadline = std::chrono::steady_clock::now() + 3s;
        while (!engine->isResting() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(5ms);
        ASSERT_TRUE(engine->isResting());
        const auto [late, peak] = periodsLate(note);
        EXPECT_EQ(late, 0) << "note " << note;
        EXPECT_GE(peak, Loud) << "note " << note << ": the period that played it carried no sound";
        engine->send(message(0x80, note, 0));
    }
}

// Through the audio thread too, the drum channel's first note plays the
// kit (selected on the engine's thread first), and a note after a
// programme change to a programme no channel used sounds.
TEST_P(FluidSynthJackTest, DrumKitAndNewProgrammeSound)
{
    const auto heard = [this](const MidiBytes& note) {
        silence();
        probe->arm(Loud);
        engine->send(note);
        const auto deadline = std::chrono::steady_clock::now() + 2s;
        while (probe->loudCycle() == 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(1ms);
        return probe->loudCycle() != 0;
    };
    EXPECT_TRUE(heard(message(0x99, 38, 100))) << "the first drum note was silent";
    engine->send(message(0xC1, 73)); // flute on channel 2
    EXPECT_TRUE(heard(message(0x91, 72, 100))) << "the note after the programme change was silent";
    engine->waitUntilPlayed();
}

// A fast player: 2,000 note ons at about 750 a second from another thread,
// each with a pan, every 50th with a programme change, note offs 128 notes
// behind (128 voices busy). The synthesizer's audio thread never waits for
// the sender. Every message is played; the server's xruns are reported
// (test property "xruns") rather than asserted: on a shared machine with a
// dummy server that has no real-time scheduling, other load causes some.
TEST_P(FluidSynthJackTest, AFastPlayersMessagesAllPlay)
{
    for (int channel = 0; channel < 8; ++channel)
        for (const int programme : {19, 48, 0})
            engine->send(message(0xC0 | channel, programme));
    engine->waitUntilPlayed();
    probe->waitForCycles(20);
    constexpr int Notes = 2000;
    constexpr int Behind = 128;
    const int before = probe->xruns();
    std::thread player([this] {
        auto next = std::chrono::steady_clock::now();
        for (int i = 0; i < Notes + Behind; ++i) {
            if (i < Notes) {
                const int channel = i % 8;
                if (i % 50 == 0)
                    engine->send(message(0xC0 | channel, (i / 50) % 2 == 0 ? 19 : 48));
                engine->send(message(0xB0 | channel, 10, (i * 37) % 128));
                engine->send(message(0x90 | channel, 36 + (i * 7) % 60, 80 + i % 40));
            }
            if (i >= Behind) {
                const int j = i - Behind;
                engine->send(message(0x80 | (j % 8), 36 + (j * 7) % 60, 0));
            }
            next += 1333us;
            std::this_thread::sleep_until(next);
        }
    });
    player.join();
    engine->waitUntilPlayed();
    probe->waitForCycles(40);
    const int xruns = probe->xruns() - before;
    RecordProperty("xruns", xruns);
    std::printf("xruns during the fast player's load: %d\n", xruns);
    EXPECT_LT(probe->lastPeak(), 1.0F);
}

INSTANTIATE_TEST_SUITE_P(Paths, FluidSynthJackTest, ::testing::Values(Path::OwnClient, Path::ProgramsClient),
                         [](const auto& info) { return info.param == Path::OwnClient ? "OwnClient" : "ProgramsClient"; });

} // namespace
} // namespace kelmar
