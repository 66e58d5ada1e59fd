// The real program as a user meets it: started on a virtual X display with a
// JACK server, an independent MIDI monitor (jack_midi_dump) and a lossless
// receiver as its peers; the setup dialog answered with the pointer and the
// keyboard, music played with the pointer, and the program left through its
// menu; and the same from the keyboard alone.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QTemporaryDir>

#include <cstdlib>
#include <deque>
#include <optional>
#include <thread>

#include "support/EventLoop.h"
#include "support/JackMidiDump.h"
#include "support/JackReceiver.h"
#include "support/JackServer.h"
#include "support/ProgramOnScreen.h"
#include "support/XDisplay.h"

namespace kelmar::test {
namespace {

using Event = JackReceiver::Event;
using Events = std::vector<Event>;

// Places inside the main window's client area, in pixels, from its layout:
// the top left of area 0's picture (frame 75,795 + area 60,240 + picture
// 2220,510 twips), the channel bar's right and left arrows and the patch list.
constexpr QPoint Area0Picture{157, 103};
constexpr QPoint ChannelRightArrow{82, 39};
constexpr QPoint ChannelLeftArrow{22, 39};
constexpr QPoint PatchList{351, 36};

// What a pointer position over a picture of this size plays with pair 1
// (pitch from the height, top highest; velocity from the width).
Event pair1NoteOn(QPoint offset, QSize picture)
{
    const int h = static_cast<int>(offset.x() / (picture.width() / 127.0));
    const int v = static_cast<int>(offset.y() / (picture.height() / 127.0));
    return {0x90, static_cast<std::uint8_t>(std::min(128 - v, 127)), static_cast<std::uint8_t>(h)};
}

Events sweep()
{
    Events events;
    for (int note = 0; note < 128; ++note)
        for (int channel = 0; channel < 16; ++channel)
            events.push_back({static_cast<std::uint8_t>(0x90 + channel), static_cast<std::uint8_t>(note), 0});
    return events;
}

bool filesUnder(const QString& dir)
{
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    return it.hasNext();
}

class EndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(jack.running());
        ASSERT_TRUE(display.running());
        ASSERT_TRUE(listener.ok());
        useProgramHome(home, runtime);
        dump = &jack.startPeer({"jack_midi_dump", "dump"}, {.captureOutput = true});
        ASSERT_TRUE(jack.waitForPort("dump:input"));
        program = &startProgram(jack);
    }

    // Answers the setup dialog: picks the receiver as output with the
    // pointer and the keyboard, then presses Ok.
    void chooseListenerInSetupDialog()
    {
        const unsigned long dialog = waitForSetupDialog(display, *program);
        ASSERT_NE(dialog, 0u);
        chooseOutputInSetupDialog(display, dialog, "listener");
        ASSERT_TRUE(waitUntil([&] { return connectedToListener(); }, 10000))
            << "Kelmar's output was not connected to the chosen port";
        window = display.waitForWindow("Kelmar");
        ASSERT_NE(window, 0u) << "the main window did not appear";
    }

    bool connectedToListener()
    {
        return runCommand("jack_lsp -c Kelmar:midi_out").find(listener.inputPort()) != std::string::npos;
    }

    // Waits for `count` events at the receiver and returns them.
    Events received(std::size_t count)
    {
        listener.waitFor(count, std::chrono::seconds(10));
        settle(100); // anything more that was sent arrives too
        return listener.received();
    }

    JackServer jack;
    XDisplay display;
    JackReceiver listener{"listener"};
    QTemporaryDir home;
    QTemporaryDir runtime;
    JackServer::Peer* dump = nullptr;
    JackServer::Peer* program = nullptr;
    unsigned long window = 0;
};

TEST_F(EndToEndTest, PlaysThroughJackWithThePointerAndLeavesThroughTheMenu)
{
    chooseListenerInSetupDialog();
    ASSERT_FALSE(HasFatalFailure());
    // The dump's port is there before the dump runs; JACK2 connects only to a client that runs.
    ASSERT_TRUE(waitUntil([] {
        runCommand("jack_connect Kelmar:midi_out dump:input 2>/dev/null");
        return runCommand("jack_lsp -c Kelmar:midi_out").find("dump:input") != std::string::npos;
    }, 10000)) << "Kelmar's output could not be connected to the dump";

    // The window carries the program's icon (window managers show it).
    const std::string icon = runCommand("xprop -id " + std::to_string(window) + " _NET_WM_ICON");
    EXPECT_NE(icon.find("Icon (128 x 128)"), std::string::npos) << icon.substr(0, 200);

    const QImage screen = display.screenshot();
    const std::optional<QRect> picture = findArea0Picture(screen);
    ASSERT_TRUE(picture.has_value()) << "no blue performance picture on the screen";
    EXPECT_EQ(picture->size(), QSize(138, 102)); // 2070 x 1530 twips
    const QPoint client = picture->topLeft() - Area0Picture;

    // Pointer moves over area 0 play pair 1 (pitch / velocity) on channel 1.
    listener.clear();
    Events expected;
    for (const QPoint offset : {QPoint(69, 51), QPoint(10, 90), QPoint(130, 5), QPoint(0, 0)}) {
        display.moveTo(picture->topLeft() + offset);
        expected.push_back(pair1NoteOn(offset, picture->size()));
        ASSERT_TRUE(listener.waitFor(expected.size())) << "nothing played at " << offset.x() << "," << offset.y();
    }
    EXPECT_EQ(received(expected.size()), expected);
    EXPECT_TRUE(waitUntil([&] { return parseJackMidiDump(dump->output()).size() >= expected.size(); }));
    EXPECT_EQ(parseJackMidiDump(dump->output()), expected) << "as jack_midi_dump saw them";

    // A right press silences every note: 2,048 messages, note by note.
    // (Moving there plays one note first, as the pointer passes.)
    listener.clear();
    display.moveTo(picture->center());
    ASSERT_TRUE(listener.waitFor(1));
    listener.clear();
    display.click(picture->center(), 3);
    EXPECT_EQ(received(2048), sweep());

    // The wheel over the patch list changes nothing; patch 2 on channel 1
    // by the keyboard there, then the channel bar to channel 2 and back:
    // each change sends its programme and pan.
    listener.clear();
    display.click(client + PatchList); // opens the list
    display.key("Escape");             // closes it; the list keeps the focus
    display.click(client + PatchList, 5);
    display.key("Down");
    display.click(client + ChannelRightArrow);
    display.click(client + ChannelLeftArrow);
    EXPECT_EQ(received(5), (Events{{0xC0, 1}, {0xC1, 0}, {0xB1, 10, 0}, {0xC0, 1}, {0xB0, 10, 64}}));

    // The picture's bottom-right pixel, 2055, 1515 twips from its corner,
    // scales to 126, 125: note 3 at velocity 126, which sounds on. File >
    // Exit through the keyboard sends no note-off, ends the program and
    // takes its ports away.
    listener.clear();
    display.moveTo(picture->topLeft() + QPoint(picture->width() - 1, picture->height() - 1));
    EXPECT_EQ(received(1), (Events{{0x90, 0x03, 0x7E}}));
    listener.clear();
    display.focus(window);
    display.key("alt+f");
    display.key("x");
    EXPECT_TRUE(waitUntil([&] { return !program->running(); }, 10000)) << "the program did not end";
    EXPECT_EQ(program->exitCode(), 0);
    settle(100);
    EXPECT_EQ(listener.received(), Events{}) << "something was sent on the way out";
    EXPECT_TRUE(jack.waitForPortGone("Kelmar:midi_out"));
    EXPECT_TRUE(jack.waitForPortGone("Kelmar:midi_in"));
    EXPECT_FALSE(filesUnder(home.path())) << "the program wrote files under its home directory";
}

// No pointer event at all: the setup dialog, the way to area 0's picture,
// a played note and the sweep, all by keys.
TEST_F(EndToEndTest, PlaysFromTheKeyboardAlone)
{
    const unsigned long dialog = waitForSetupDialog(display, *program);
    ASSERT_NE(dialog, 0u);
    display.focus(dialog);
    display.key("Tab"); // from the input list to the output list
    display.type("listener");
    display.key("Return"); // the default button, Ok
    ASSERT_TRUE(waitUntil([&] { return connectedToListener(); }, 10000)) << describeProgram(*program);
    window = display.waitForWindow("Kelmar");
    ASSERT_NE(window, 0u);
    display.focus(window);

    // The channel bar has the focus; nine tab stops on: volume, octave, pan,
    // the centre button, both patch lists, area 0's two check boxes, its picture.
    for (int i = 0; i < 9; ++i)
        display.key("Tab");
    listener.clear();
    display.key("Right");    // play position 64, 63: pitch 65, velocity 64
    display.key("shift+Up"); // 64, 53: pitch 75
    EXPECT_EQ(received(2), (Events{{0x90, 65, 64}, {0x90, 75, 64}}));

    listener.clear();
    display.key("Escape");
    EXPECT_EQ(received(2048), sweep());
}

} // namespace
} // namespace kelmar::test
