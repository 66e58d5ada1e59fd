// The real program on a virtual X display with a JACK server that stands
// still (SIGSTOP), as a hung or overloaded one does: before the program
// starts, and while it plays through JACK. The window never waits for it,
// leaving always works, and once the server goes on (SIGCONT) the program
// plays again. A loop from the output back to the input leaves the window
// answering. A built-in synthesizer that cannot start is reported and the
// default output plays through JACK instead. (The dialog listing a late server's ports is tested in
// JackStallTest: a server let go while the program's synthesizer was
// opening its JACK audio client does not always take up its cycles again.)
#include <gtest/gtest.h>

#include <signal.h>

#include <QRect>
#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <sstream>
#include <thread>

#include "support/EventLoop.h"
#include "support/JackReceiver.h"
#include "support/JackServer.h"
#include "support/ProgramOnScreen.h"
#include "support/XDisplay.h"

namespace kelmar::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

std::chrono::milliseconds since(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
}

bool hasSoundingNote(const std::vector<JackReceiver::Event>& events)
{
    for (const auto& event : events)
        if (event.size() == 3 && (event[0] & 0xF0) == 0x90 && event[2] > 0)
            return true;
    return false;
}

class JackFaultTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(jack.running());
        ASSERT_TRUE(display.running());
        ASSERT_TRUE(listener.ok());
        useProgramHome(home, runtime);
    }

    // The server goes on before anything is stopped, so that every client closes.
    void TearDown() override { resume(); }

    void suspend()
    {
        // Only a server that runs its cycles steadily.
        const std::uint64_t target = listener.cycles() + 20;
        waitUntil([&] { return listener.cycles() >= target; });
        jack.suspend();
        suspended = true;
        std::this_thread::sleep_for(400ms); // longer than a stalled output waits
    }
    void resume()
    {
        if (suspended)
            jack.resume();
        suspended = false;
    }

    void startProgram() { program = &kelmar::test::startProgram(jack); }

    unsigned long waitForSetupDialog() { return kelmar::test::waitForSetupDialog(display, *program); }

    // Picks the listener as output in the setup dialog and presses Ok.
    void chooseListener(unsigned long dialog)
    {
        chooseOutputInSetupDialog(display, dialog, "listener");
        ASSERT_TRUE(waitUntil([&] { return connectedToListener(); }, 10000))
            << "Kelmar's output was not connected to the listener";
        window = display.waitForWindow("Kelmar");
        ASSERT_NE(window, 0u) << "the main window did not appear";
    }

    bool connectedToListener()
    {
        return runCommand("jack_lsp -c Kelmar:midi_out").find(listener.inputPort()) != std::string::npos;
    }

    bool ends(std::chrono::milliseconds limit)
    {
        return waitUntil([&] { return !program->running(); }, static_cast<int>(limit.count()));
    }

    // Starts the program, plays through the listener and finds area 0's picture.
    void startPlayingOnListener()
    {
        startProgram();
        const unsigned long dialog = waitForSetupDialog();
        ASSERT_NE(dialog, 0u);
        chooseListener(dialog);
        ASSERT_FALSE(HasFatalFailure());
        picture = findArea0Picture(display.screenshot());
        ASSERT_TRUE(picture.has_value()) << "no blue performance picture on the screen";
    }

    // Opens Help > About, which the window does only once it has handled
    // everything before; the box's window, or 0.
    unsigned long openAboutBox()
    {
        display.focus(window);
        display.key("alt+h");
        display.key("a");
        const unsigned long about = display.waitForWindow("About Kelmar...", 5s);
        EXPECT_NE(about, 0u) << "the window did not answer";
        return about;
    }

    // SIGTERM ends the program within 2 s, with status 0.
    void expectSigtermEndsIt()
    {
        const auto asked = Clock::now();
        ::kill(program->pid(), SIGTERM);
        EXPECT_TRUE(ends(5s)) << "the program did not end";
        EXPECT_LT(since(asked), 2s);
        EXPECT_EQ(program->exitCode(), 0);
    }

    JackServer jack;
    XDisplay display;
    JackReceiver listener{"listener"};
    QTemporaryDir home;
    QTemporaryDir runtime;
    JackServer::Peer* program = nullptr;
    std::optional<QRect> picture;
    unsigned long window = 0;
    bool suspended = false;
};

// The newest visible window titled `title` whose place `wanted` accepts.
unsigned long waitForNewest(XDisplay& display, const std::string& title, const std::function<bool(QRect)>& wanted)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::istringstream ids(runCommand("xdotool search --onlyvisible --name '^" + title + "$'"));
        unsigned long newest = 0;
        for (unsigned long id = 0; ids >> id;) {
            if (id > newest && wanted(display.geometry(id)))
                newest = id;
        }
        if (newest != 0)
            return newest;
        std::this_thread::sleep_for(100ms);
    }
    return 0;
}

// The newest message box of the program: a window with the program's name
// as its title, larger than the helper windows Qt names the same way.
unsigned long waitForMessageBox(XDisplay& display)
{
    return waitForNewest(display, "kelmar", [](QRect place) { return place.width() > 100; });
}

TEST_F(JackFaultTest, StoppedServerBeforeTheStartStillGivesTheDialogAndSigtermEndsIt)
{
    suspend();
    const auto start = Clock::now();
    startProgram();
    ASSERT_NE(waitForSetupDialog(), 0u);
    EXPECT_LT(since(start), 3s);
    expectSigtermEndsIt();
}

TEST_F(JackFaultTest, StoppedServerWhilePlayingNeverHoldsUpTheWindowAndPlaysAgainAfterwards)
{
    startPlayingOnListener();
    ASSERT_FALSE(HasFatalFailure());

    // Forty right clicks: 81,920 messages, more than the output holds.
    suspend();
    for (int i = 0; i < 40; ++i)
        display.click(picture->center(), 3);
    // What had to be dropped is told once, in a box of its own.
    const unsigned long report = waitForMessageBox(display);
    ASSERT_NE(report, 0u) << "the dropped messages were not reported";
    const unsigned long about = openAboutBox();
    ASSERT_NE(about, 0u);
    display.focus(about);
    display.key("Escape");

    resume();
    ASSERT_TRUE(listener.waitFor(1, 10s)) << "nothing queued went out after the server went on";
    listener.clear();
    // Below the report, which stays up over the top of the picture.
    display.moveTo(picture->bottomRight() - QPoint(40, 4));
    EXPECT_TRUE(waitUntil([&] { return hasSoundingNote(listener.received()); }, 20000))
        << "playing did not reach the listener again";

    // Leaving while the server stands still.
    suspend();
    const auto asked = Clock::now();
    display.focus(window);
    display.key("alt+f");
    display.key("x");
    EXPECT_TRUE(ends(5s)) << "the program did not end";
    EXPECT_LT(since(asked), 2s);
    EXPECT_EQ(program->exitCode(), 0);
    // A server that goes on after losing connected clients takes tens of
    // seconds to let them go; this one has served its purpose.
    jack.crash();
    suspended = false;
}

// The program's output patched straight back into its input: what is
// echoed comes back in the next period, for ever. The window still answers.
TEST_F(JackFaultTest, AFeedbackLoopThroughJackLeavesTheWindowAnswering)
{
    startPlayingOnListener();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(waitUntil([] { return runCommand("jack_lsp -c Kelmar:midi_in").find("listener:out") != std::string::npos; }))
        << "the input was not opened on the listener";

    runCommand("jack_connect Kelmar:midi_out Kelmar:midi_in");
    display.click(picture->center(), 3); // a sweep of 2,048 messages goes round
    ASSERT_TRUE(waitUntil([&] { return listener.received().size() > 3 * 2048; }, 10000))
        << "the sweep did not go round";
    openAboutBox();
    expectSigtermEndsIt(); // with the loop still going
}

TEST_F(JackFaultTest, SynthesizerThatCannotLoadIsReportedAndTheDefaultOutputPlaysElsewhere)
{
    ::setenv("KELMAR_FLUIDSYNTH_LIBRARY", "/nonexistent/libfluidsynth.so.3", 1);
    startProgram();
    ::unsetenv("KELMAR_FLUIDSYNTH_LIBRARY");
    // The setup dialog's box and the boxes it shows share its title.
    const auto isDialog = [](QRect place) { return place.size() == QSize(421, 80); };
    const auto isBox = [&](QRect place) { return !isDialog(place); };
    // Loading the dialog opens the synthesizer, and says why it cannot.
    const unsigned long box = waitForNewest(display, "MIDI Setup", isBox);
    ASSERT_NE(box, 0u) << "the refused synthesizer was not reported; " << describeProgram(*program);
    display.focus(box);
    display.key("Return");
    const unsigned long dialog = waitForNewest(display, "MIDI Setup", isDialog);
    ASSERT_NE(dialog, 0u) << describeProgram(*program);

    // The default output plays through the first other output that opens.
    chooseOutputInSetupDialog(display, dialog, "Default");
    EXPECT_TRUE(waitUntil([&] { return connectedToListener(); }, 10000))
        << "the default output did not fall back to the JACK port; " << describeProgram(*program);
    EXPECT_NE(waitForNewest(display, "MIDI Setup", isBox), 0u) << "the fallback was not told";
    ::kill(program->pid(), SIGTERM);
    EXPECT_TRUE(ends(5s));
}

} // namespace
} // namespace kelmar::test
