// Extended Play in the real program: started with --extended and a scale on
// a virtual X display, area 0's vertical range typed into its limit boxes,
// and a pointer moved from the picture's bottom to its top plays the scale
// at a JACK receiver, one note at a time.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include <cstdlib>

#include "support/EventLoop.h"
#include "support/JackReceiver.h"
#include "support/JackServer.h"
#include "support/ProgramOnScreen.h"
#include "support/XDisplay.h"

namespace kelmar::test {
namespace {

using Events = std::vector<JackReceiver::Event>;

// Area 0's picture and its vertical limit boxes inside the main window's
// client area, in pixels (frame 75,795 + area 60,240 + the control, twips).
constexpr QPoint Area0Picture{157, 103};
constexpr QPoint VLimitMinBox{64, 151}; // 615,1110, 435 x 255
constexpr QPoint VLimitMaxBox{118, 151}; // 1425,1110

class ExtendedPlayEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(jack.running() && display.running() && listener.ok());
        useProgramHome(home, runtime);
    }

    // Starts the program playing into the listener and answers its setup dialog.
    void start(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.end(), {"--output", "listener"});
        program = &startProgram(jack, std::move(arguments));
        const unsigned long dialog = waitForSetupDialog(display, *program);
        ASSERT_NE(dialog, 0u);
        pressOkInSetupDialog(display, dialog);
    }

    JackServer jack;
    XDisplay display;
    JackReceiver listener{"listener"};
    const QTemporaryDir home;
    const QTemporaryDir runtime;
    JackServer::Peer* program = nullptr;
};

TEST_F(ExtendedPlayEndToEndTest, AScaleOverTypedLimitsPlaysOneNoteAtATimeFromBottomToTop)
{
    start({"--extended", "--scale", "c major"});
    ASSERT_FALSE(HasFatalFailure());
    const unsigned long window = display.waitForWindow("Kelmar");
    ASSERT_NE(window, 0u);
    const std::optional<QRect> picture = findArea0Picture(display.screenshot());
    ASSERT_TRUE(picture.has_value());
    const QPoint client = picture->topLeft() - Area0Picture;

    for (const auto& [box, text] : {std::pair{VLimitMinBox, "60"}, std::pair{VLimitMaxBox, "72"}}) {
        display.click(client + box);
        display.key("ctrl+a");
        display.type(text);
        display.key("Tab");
    }
    listener.clear();
    // Up the middle of the picture, three moves inside each of the eight
    // bands; each band's note is awaited before the next (the display
    // merges movements that come faster than the program takes them).
    const double band = picture->height() / 8.0;
    for (int k = 0; k < 8; ++k) {
        for (const double within : {0.2, 0.5, 0.8}) {
            const int fromBottom = static_cast<int>((k + within) * band);
            display.moveTo(picture->topLeft() + QPoint(picture->width() / 2, picture->height() - 1 - fromBottom));
        }
        ASSERT_TRUE(listener.waitFor(k == 0 ? 1 : 2 * k + 1)) << "band " << k;
    }
    settle(200);

    // Velocity from the width: band 69 of 127 across 138 pixels, velocity 64.
    constexpr std::uint8_t Velocity = 64;
    Events expected;
    int previous = -1;
    for (const int note : {60, 62, 64, 65, 67, 69, 71, 72}) {
        if (previous >= 0)
            expected.push_back({0x80, static_cast<std::uint8_t>(previous), 64});
        expected.push_back({0x90, static_cast<std::uint8_t>(note), Velocity});
        previous = note;
    }
    EXPECT_EQ(listener.received(), expected);

    // Leaving the picture ends the last note.
    listener.clear();
    display.moveTo(client + VLimitMinBox);
    EXPECT_TRUE(listener.waitFor(1));
    EXPECT_EQ(listener.received(), (Events{{0x80, 72, 64}}));
    program->stop();
}

// The Big Picture, 1,000 x 700 pixels: a sweep from its bottom to its top
// plays all 128 pitches of the default range in order, one at a time.
TEST_F(ExtendedPlayEndToEndTest, TheBigPicturePlaysEveryPitchInOrderAcrossItsHeight)
{
    start({"--extended", "--big-picture"});
    ASSERT_FALSE(HasFatalFailure());
    const unsigned long big = display.waitForWindow("Big Picture");
    ASSERT_NE(big, 0u) << describeProgram(*program);
    runCommand("xdotool windowsize " + std::to_string(big) + " 1000 700");
    ASSERT_TRUE(waitUntil([&] { return display.geometry(big).size() == QSize(1000, 700); }, 5000))
        << display.geometry(big).width() << "x" << display.geometry(big).height();
    const QRect picture = display.geometry(big);

    // Up through the middle of each band in turn: the display merges
    // movements that come faster than the program takes them, so each
    // band's note is awaited before the next.
    listener.clear();
    for (int note = 0; note < 128; ++note) {
        const int fromBottom = static_cast<int>((note + 0.5) * picture.height() / 128);
        display.moveTo(picture.topLeft() + QPoint(picture.width() / 2, picture.height() - 1 - fromBottom));
        ASSERT_TRUE(listener.waitFor(note == 0 ? 1 : 2 * note + 1)) << "note " << note;
    }
    settle(200);

    // Velocity from the width: band 63 of 127 at x = 500, velocity 64.
    Events expected;
    for (int note = 0; note < 128; ++note) {
        if (note > 0)
            expected.push_back({0x80, static_cast<std::uint8_t>(note - 1), 64});
        expected.push_back({0x90, static_cast<std::uint8_t>(note), 64});
    }
    EXPECT_EQ(listener.received(), expected);
    program->stop();
}

} // namespace
} // namespace kelmar::test
