// Takes recorded through the real output port, read back by mido: what is
// in the file and when, the end a take is given, and what is kept when the
// disk fails or the program is killed.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "midi/take/StandardMidiFile.h"
#include "midi/take/TakeRecorder.h"
#include "support/RecordingMidiRig.h"
#include "take/MidoFile.h"

using namespace kelmar;
using test::MidoFile;
using Clock = std::chrono::steady_clock;

namespace {

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

MidiBytes bytes(std::initializer_list<std::uint8_t> list)
{
    MidiBytes m;
    for (std::uint8_t b : list)
        m.data[m.size++] = b;
    return m;
}

class TakeTest : public ::testing::Test {
protected:
    TakeTest() { rig.out.setTap(&recorder); }
    ~TakeTest() override { rig.out.setTap(nullptr); }

    // Sends through the message layer and notes when and what, as expected in the file.
    void send(int status, int data1, int data2)
    {
        const Clock::time_point at = Clock::now();
        rig.layer.SendMidi(status, data1, data2);
        if (status < 0xF0)
            expected.push_back({msBetween(startedAt, at), test::hex(rig.device->sent.back())});
    }

    void sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

    QTemporaryDir dir;
    std::string path = dir.filePath("take.mid").toStdString();
    test::RecordingMidiRig rig;
    TakeRecorder recorder;
    Clock::time_point startedAt;
    std::vector<MidoFile::Event> expected;
};

} // namespace

TEST(StandardMidiFile, DeltaTimesTakeOneToFourBytesAndLongerGapsAreCarried)
{
    const std::vector<std::pair<std::uint32_t, StandardMidiFile::Bytes>> cases{
        {0, {0x00}},
        {127, {0x7F}},
        {128, {0x81, 0x00}},
        {16383, {0xFF, 0x7F}},
        {16384, {0x81, 0x80, 0x00}},
        {0x1FFFFF, {0xFF, 0xFF, 0x7F}},
        {0x200000, {0x81, 0x80, 0x80, 0x00}},
        {StandardMidiFile::MaxDelta, {0xFF, 0xFF, 0xFF, 0x7F}},
    };
    for (const auto& [ticks, encoded] : cases) {
        StandardMidiFile::Bytes out;
        StandardMidiFile::appendDelta(out, ticks);
        EXPECT_EQ(out, encoded) << ticks;
    }
    StandardMidiFile::Bytes out;
    StandardMidiFile::appendEvent(out, std::uint64_t{StandardMidiFile::MaxDelta} + 5, bytes({0x90, 60, 1}));
    EXPECT_EQ(out, (StandardMidiFile::Bytes{0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x01, 0x00, 0x05, 0x90, 60, 1}));
    EXPECT_EQ(StandardMidiFile::ticksIn(1'000'000'000), 1920u); // 120 bpm at 960 a quarter
}

TEST_F(TakeTest, TheFileHoldsTheChannelsThenWhatWasSentAtItsTimesAndEndsSoundingNotes)
{
    ChannelState& channels = rig.layer.channels();
    channels.ChannelPatch[0] = 19;
    channels.ChannelVolume[0] = 100;
    channels.ChannelPan[9] = 127;
    const std::vector<MidiBytes> setup = TakeRecorder::channelSetup(channels);
    ASSERT_EQ(setup.size(), 48u);
    ASSERT_EQ(recorder.start(path, setup), "");
    startedAt = Clock::now() - recorder.elapsed();
    EXPECT_TRUE(recorder.running());
    EXPECT_EQ(recorder.path(), path);

    send(0x90, 60, 100);
    sleep(30);
    send(0xB0, 1, 64);
    sleep(120); // over 127 ticks: a two-byte delta
    send(0x90, 64, 90);
    send(0x90, 60, 0); // ends 60
    send(0xF8, 0, 0);  // a clock: no file event
    sleep(250);        // the writer writes a batch meanwhile
    send(0xE1, 0, 80);
    send(0xC2, 33, 0);
    send(0x91, 67, 80);
    send(0x99, 36, 100);
    send(0x89, 36, 0);
    send(0x99, 38, 110);
    sleep(40);
    const double stopMs = msBetween(startedAt, Clock::now());
    EXPECT_EQ(recorder.stop(), "");
    EXPECT_FALSE(recorder.running());
    const double takeMs = std::chrono::duration<double, std::milli>(recorder.elapsed()).count();
    EXPECT_NEAR(takeMs, stopMs, 2);
    EXPECT_EQ(rig.sent().size(), expected.size() + 1); // playing is not changed by recording

    const MidoFile file = MidoFile::read(path);
    ASSERT_EQ(file.error, "");
    EXPECT_EQ(file.format, 0);
    EXPECT_EQ(file.tracks, 1);
    EXPECT_EQ(file.division, 960);
    EXPECT_EQ(file.size, file.trackEnd);
    ASSERT_FALSE(file.events.empty());
    EXPECT_EQ(file.events.back().what, "end_of_track");
    EXPECT_NEAR(file.events.back().ms, stopMs, 2);

    std::vector<MidoFile::Event> want{{0, "set_tempo_500000"}};
    for (const MidiBytes& m : setup)
        want.push_back({0, test::hex(m)});
    want.insert(want.end(), expected.begin(), expected.end());
    for (const char* off : {"80 40 40", "81 43 40", "89 26 40"}) // in channel order
        want.push_back({stopMs, off});
    const std::vector<MidoFile::Event> played = file.played();
    ASSERT_EQ(played.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(played[i].what, want[i].what) << "event " << i;
        EXPECT_NEAR(played[i].ms, want[i].ms, 2) << "event " << i << " " << want[i].what;
    }
    EXPECT_EQ(test::hex(setup[0]), "C0 13");
    EXPECT_EQ(test::hex(setup[1]), "B0 07 64");
    EXPECT_EQ(test::hex(setup[29]), "B9 0A 7F");
}

TEST_F(TakeTest, AFileThatCannotBeMadeIsRefusedWithTheReason)
{
    EXPECT_EQ(recorder.start(dir.filePath("none/take.mid").toStdString(), {}),
              "The take cannot be written to " + dir.filePath("none/take.mid").toStdString()
                  + ": No such file or directory.");
    EXPECT_EQ(recorder.start(dir.path().toStdString(), {}),
              "The take cannot be written to " + dir.path().toStdString() + ": Is a directory.");
    if (geteuid() != 0) { // root writes anywhere
        ASSERT_EQ(chmod(dir.path().toLocal8Bit().constData(), 0500), 0);
        EXPECT_EQ(recorder.start(path, {}), "The take cannot be written to " + path + ": Permission denied.");
        chmod(dir.path().toLocal8Bit().constData(), 0700);
    }
    EXPECT_FALSE(recorder.running());
    send(0x90, 60, 100); // nothing recording: the tap passes it by
    EXPECT_EQ(recorder.queued(), 0u);

    ASSERT_EQ(recorder.start(path, {}), "");
    EXPECT_EQ(recorder.start(path, {}), "A take is already being recorded to " + path + ".");
    EXPECT_TRUE(recorder.running());
}

TEST_F(TakeTest, AFullDiskIsToldOnceFromTheWriterAndPlayingGoesOn)
{
    std::atomic<int> told{0};
    std::atomic<bool> onWriter{false};
    const std::thread::id sending = std::this_thread::get_id();
    recorder.setFailureListener([&](const std::string&) {
        onWriter = std::this_thread::get_id() != sending;
        ++told;
    });
    ASSERT_EQ(recorder.start("/dev/full", {}), "");
    for (int i = 0; i < 100; ++i) {
        send(0x90, i, 100);
        sleep(5);
    }
    EXPECT_EQ(rig.sent().size(), 100u);
    EXPECT_EQ(recorder.stop(), "The take cannot be written to /dev/full: No space left on device.");
    EXPECT_EQ(told, 1);
    EXPECT_TRUE(onWriter);
}

namespace {

// The child's messages, as TakeChild.cpp plays them.
std::string childMessage(int i)
{
    return test::hex(bytes({static_cast<std::uint8_t>(0xB0 + (i / 128) % 16), 20, static_cast<std::uint8_t>(i % 128)}));
}

// How many of the child's messages `played` holds, in order from the first.
int childMessagesIn(const std::vector<MidoFile::Event>& played)
{
    int n = 0;
    for (std::size_t i = 1; i < played.size(); ++i) { // after the tempo
        EXPECT_EQ(played[i].what, childMessage(n)) << "event " << i;
        if (played[i].what != childMessage(n))
            break;
        ++n;
    }
    return n;
}

} // namespace

TEST(TakeOfAChild, KilledWhilePlayingItsFileHoldsAllButTheLastSecond)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("killed.mid").toStdString();
    QProcess child;
    child.start(KELMAR_TAKE_CHILD, {"kill", QString::fromStdString(path)});
    ASSERT_TRUE(child.waitForReadyRead(10000));
    const Clock::time_point started = Clock::now();
    ASSERT_EQ(child.readLine().trimmed().toStdString(), "started");
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    child.kill(); // SIGKILL
    const double killedMs = msBetween(started, Clock::now());
    ASSERT_TRUE(child.waitForFinished(10000));

    const MidoFile file = MidoFile::read(path);
    ASSERT_EQ(file.error, "");
    ASSERT_FALSE(file.events.empty());
    EXPECT_EQ(file.events.back().what, "end_of_track");
    const std::vector<MidoFile::Event> played = file.played();
    const int kept = childMessagesIn(played);
    EXPECT_EQ(kept + 1, static_cast<int>(played.size()));
    ASSERT_GT(kept, 0);
    EXPECT_GE(played.back().ms, killedMs - 1000) << kept << " messages kept";
}

TEST(TakeOfAChild, AFileThatCannotGrowKeepsItsLastWholeBatchAndIsToldOnce)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("limited.mid").toStdString();
    constexpr int limit = 3000;
    QProcess child;
    child.start(KELMAR_TAKE_CHILD, {"limit", QString::fromStdString(path), QString::number(limit)});
    ASSERT_TRUE(child.waitForFinished(30000));
    const std::string said = child.readAllStandardOutput().toStdString();
    EXPECT_NE(said.find("told 1\n"), std::string::npos) << said;
    const auto sent = said.find("sent ");
    ASSERT_NE(sent, std::string::npos) << said;
    const int sentCount = std::stoi(said.substr(sent + 5));
    EXPECT_NE(said.find("played " + std::to_string(sentCount) + "\n"), std::string::npos) << said;
    EXPECT_NE(said.find("stopped The take cannot be written to " + path + " any more: File too large."),
              std::string::npos)
        << said;

    const MidoFile file = MidoFile::read(path);
    ASSERT_EQ(file.error, "");
    EXPECT_LE(file.size, limit);
    EXPECT_EQ(file.size, file.trackEnd); // the failed write was cut off again
    ASSERT_FALSE(file.events.empty());
    EXPECT_EQ(file.events.back().what, "end_of_track");
    const std::vector<MidoFile::Event> played = file.played();
    const int kept = childMessagesIn(played);
    EXPECT_EQ(kept + 1, static_cast<int>(played.size()));
    // a batch holds about 40 messages (200 ms at one every 5 ms)
    EXPECT_GT(kept, limit / 4 / 2);
}
