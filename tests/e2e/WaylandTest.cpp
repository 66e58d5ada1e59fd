// The real program as a native Wayland client (run by scripts/with-weston.sh
// on weston's headless backend): it starts there with its setup dialog,
// asks the compositor for nothing it does not allow (no warnings), and ends
// cleanly on SIGTERM.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>

#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "support/EventLoop.h"
#include "support/JackServer.h"
#include "support/ProgramOnScreen.h"

namespace kelmar::test {
namespace {

TEST(WaylandTest, StartsNativelyWithoutWarningsAndEndsOnSigterm)
{
    if (!std::getenv("WAYLAND_DISPLAY"))
        GTEST_SKIP() << "no Wayland compositor (run through scripts/with-weston.sh)";
    JackServer jack;
    ASSERT_TRUE(jack.running());
    const QTemporaryDir home;
    ::setenv("HOME", home.path().toLocal8Bit().constData(), 1);
    ::setenv("QT_QPA_PLATFORM", "wayland", 1);
    JackServer::Peer& program = startProgram(jack);
    std::this_thread::sleep_for(std::chrono::seconds(2)); // the setup dialog is up
    ASSERT_TRUE(program.running()) << program.errors();
    ::kill(program.pid(), SIGTERM);
    EXPECT_TRUE(waitUntil([&] { return !program.running(); }, 2000));
    EXPECT_EQ(program.exitCode(), 0);
    // The sound and MIDI libraries' own lines aside, nothing on stderr.
    const QRegularExpression qtSays("(^qt\\\\.|^Q[A-Z]\\\\w+|[Ww]ayland|[Ww]arning)");
    for (const QString& line : QString::fromStdString(program.errors()).split('\n'))
        EXPECT_FALSE(qtSays.match(line).hasMatch()) << line.toStdString();
}

} // namespace
} // namespace kelmar::test
