// Takes recorded through the real output port and read back by mido: what
// the file holds and when, how a take ends, and what is kept when the file
// cannot be written or the program is killed.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
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
using Milliseconds = std::chrono::duration<double, std::milli>;

namespace {

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return Milliseconds(to - from).count();
}

void sleep(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// A file with one track and nothing after it, ending with End of Track.
void expectWhole(const MidoFile& file)
{
    ASSERT_EQ(file.error, "");
    EXPECT_EQ(file.format, 0);
    EXPECT_EQ(file.tracks, 1);
    EXPECT_EQ(file.division, 960);
    EXPECT_EQ(file.size, file.trackEnd);
    ASSERT_FALSE(file.events.empty());
    EXPECT_EQ(file.events.back().what, "end_of_track");
}

class TakeTest : public ::testing::Test {
protected:
    TakeTest() { rig.out.setTap(&recorder); }
    ~TakeTest() override { rig.out.setTap(nullptr); }

    // Sends through the message layer; notes what the file should hold, and when.
    void send(int status, int data1, int data2)
    {
        const Clock::time_point at = Clock::now();
        rig.layer.SendMidi(status, data1, data2);
        if (status < 0xF0)
            expected.push_back({msBetween(startedAt, at), test::hex(rig.device->sent.back())});
    }

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
    using Bytes = StandardMidiFile::Bytes;
    for (const auto& [ticks, encoded] : std::vector<std::pair<std::uint32_t, Bytes>>{
             {127, {0x7F}}, {128, {0x81, 0x00}}, {16383, {0xFF, 0x7F}}, {16384, {0x81, 0x80, 0x00}},
             {0x200000, {0x81, 0x80, 0x80, 0x00}}, {StandardMidiFile::MaxDelta, {0xFF, 0xFF, 0xFF, 0x7F}}}) {
        Bytes out;
        StandardMidiFile::appendDelta(out, ticks);
        EXPECT_EQ(out, encoded) << ticks;
    }
    Bytes out;
    StandardMidiFile::appendEvent(out, std::uint64_t{StandardMidiFile::MaxDelta} + 5, {{0x90, 60, 1}, 3});
    EXPECT_EQ(out, (Bytes{0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x01, 0x00, 0x05, 0x90, 60, 1}));
}

TEST_F(TakeTest, TheFileHoldsTheChannelsThenWhatWasSentAtItsTimesAndEndsSoundingNotes)
{
    rig.layer.channels().ChannelPatch[0] = 19;
    rig.layer.channels().ChannelPan[9] = 127;
    const std::vector<MidiBytes> setup = TakeRecorder::channelSetup(rig.layer.channels());
    ASSERT_EQ(setup.size(), 48u);
    EXPECT_EQ(test::hex(setup[0]) + ", " + test::hex(setup[29]), "C0 13, B9 0A 7F");
    ASSERT_EQ(recorder.start(path, setup), "");
    startedAt = Clock::now() - recorder.elapsed();

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
    EXPECT_NEAR(Milliseconds(recorder.elapsed()).count(), stopMs, 2);
    EXPECT_EQ(rig.sent().size(), expected.size() + 1); // what plays is not changed

    const MidoFile file = MidoFile::read(path);
    expectWhole(file);
    EXPECT_NEAR(file.events.back().ms, stopMs, 2);
    std::vector<MidoFile::Event> want{{0, "set_tempo_500000"}};
    for (const MidiBytes& m : setup)
        want.push_back({0, test::hex(m)});
    want.insert(want.end(), expected.begin(), expected.end());
    for (const char* off : {"80 40 40", "81 43 40", "89 26 40"})
        want.push_back({stopMs, off});
    const std::vector<MidoFile::Event> played = file.played();
    ASSERT_EQ(played.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(played[i].what, want[i].what) << "event " << i;
        EXPECT_NEAR(played[i].ms, want[i].ms, 2) << "event " << i << ": " << want[i].what;
    }
}

TEST_F(TakeTest, AFileThatCannotBeMadeIsRefusedWithTheReason)
{
    const std::string missing = dir.filePath("none/take.mid").toStdString();
    EXPECT_EQ(recorder.start(missing, {}), "The take cannot be written to " + missing + ": No such file or directory.");
    EXPECT_EQ(recorder.start(dir.path().toStdString(), {}),
              "The take cannot be written to " + dir.path().toStdString() + ": Is a directory.");
    if (geteuid() != 0) { // root may write anywhere
        chmod(dir.path().toLocal8Bit().constData(), 0500);
        EXPECT_EQ(recorder.start(path, {}), "The take cannot be written to " + path + ": Permission denied.");
        chmod(dir.path().toLocal8Bit().constData(), 0700);
    }
    EXPECT_FALSE(recorder.running());
    send(0x90, 60, 100); // no take runs: the tap lets it by
    EXPECT_EQ(recorder.queued(), 0u);

    ASSERT_EQ(recorder.start(path, {}), "");
    EXPECT_EQ(recorder.start(path, {}), "A take is already being recorded to " + path + ".");
    EXPECT_TRUE(recorder.running());
}

TEST_F(TakeTest, AFullDiskIsToldOnceFromTheWriterAndPlayingGoesOn)
{
    int told = 0;
    std::thread::id tellingThread;
    recorder.setFailureListener([&](const std::string&) {
        tellingThread = std::this_thread::get_id();
        ++told;
    });
    ASSERT_EQ(recorder.start("/dev/full", {}), "");
    for (int i = 0; i < 100; ++i, sleep(5))
        send(0x90, i, 100);
    EXPECT_EQ(rig.sent().size(), 100u);
    EXPECT_EQ(recorder.stop(), "The take cannot be written to /dev/full: No space left on device.");
    EXPECT_EQ(told, 1); // read after stop(): the writer has ended
    EXPECT_NE(tellingThread, std::this_thread::get_id());
}

namespace {

// Checks that `file` plays the child's messages in order from the first,
// and nothing else; returns how many it holds.
int childMessagesIn(const MidoFile& file)
{
    const std::vector<MidoFile::Event> played = file.played();
    for (std::size_t i = 1; i < played.size(); ++i) { // after the tempo
        const int n = static_cast<int>(i) - 1;
        const MidiBytes m{{static_cast<std::uint8_t>(0xB0 + (n / 128) % 16), 20, static_cast<std::uint8_t>(n % 128)}, 3};
        EXPECT_EQ(played[i].what, test::hex(m)) << "event " << i;
    }
    return static_cast<int>(played.size()) - 1;
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
    ASSERT_EQ(child.readLine().toStdString(), "started\n");
    sleep(2500);
    child.kill(); // SIGKILL
    const double killedMs = msBetween(started, Clock::now());
    ASSERT_TRUE(child.waitForFinished(10000));

    const MidoFile file = MidoFile::read(path);
    ASSERT_EQ(file.error, "");
    ASSERT_FALSE(file.events.empty());
    EXPECT_EQ(file.events.back().what, "end_of_track");
    EXPECT_GT(childMessagesIn(file), 0);
    EXPECT_GE(file.played().back().ms, killedMs - 1000);
}

TEST(TakeOfAChild, AFileThatCannotGrowKeepsItsLastWholeBatchAndIsToldOnce)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("limited.mid").toStdString();
    constexpr int limit = 3000;
    QProcess child;
    child.start(KELMAR_TAKE_CHILD, {"limit", QString::fromStdString(path), QString::number(limit)});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.readAllStandardOutput().toStdString(),
              "started\ntold 1: The take cannot be written to " + path
                  + " any more: File too large. The file keeps what was played until then.\n");

    const MidoFile file = MidoFile::read(path);
    expectWhole(file); // the write that failed half-way was cut off again
    EXPECT_LE(file.size, limit);
    EXPECT_GT(childMessagesIn(file), (limit - 100) / 4 - 100); // four bytes each; a batch is about 40
}
