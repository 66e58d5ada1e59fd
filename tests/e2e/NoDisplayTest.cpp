// The real program started where there is no display: it says so and ends
// with a failure status, without leaving JACK unusable for other programs.
#include <gtest/gtest.h>

#include <QProcess>

#include "support/JackServer.h"
#include "support/XDisplay.h"

namespace kelmar::test {
namespace {

struct Outcome {
    QProcess::ExitStatus status;
    int code;
    QString errors;
};

Outcome runWithDisplay(const QString& display)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM"); // as on a desktop: Qt goes to DISPLAY
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("DISPLAY", display);
    program.setProcessEnvironment(environment);
    program.start(KELMAR_PROGRAM, {});
    EXPECT_TRUE(program.waitForFinished(20000)) << "the program did not end";
    return {program.exitStatus(), program.exitCode(), QString::fromLocal8Bit(program.readAllStandardError())};
}

TEST(NoDisplay, EndsWithAMessageAndLeavesJackUsable)
{
    JackServer jack;
    ASSERT_TRUE(jack.running());
    for (const QString& display : {QString(":%1").arg(400 + ::getpid() % 400), QString()}) {
        const Outcome outcome = runWithDisplay(display);
        EXPECT_EQ(outcome.status, QProcess::NormalExit) << "ended by a signal, not by itself";
        EXPECT_EQ(outcome.code, 1);
        EXPECT_TRUE(outcome.errors.contains("display")) << outcome.errors.toStdString();
        EXPECT_EQ(outcome.errors.count('\n'), 1) << "one line: " << outcome.errors.toStdString();
    }
    // Another JACK client still gets through to the server.
    EXPECT_NE(runCommand("timeout 10 jack_lsp"), "");
}

} // namespace
} // namespace kelmar::test
