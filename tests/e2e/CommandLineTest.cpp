// The real program's command line, run where there is no display: what
// it prints, where, and the status it ends with.
#include <gtest/gtest.h>

#include <QProcess>

#include <utility>
#include <vector>

#include "support/JackReceiver.h"
#include "support/JackServer.h"

namespace kelmar::test {
namespace {

struct Outcome {
    int code = -1;
    QString output;
    QString errors;
};

// `outputFile`: where standard output goes instead of the test; `locale`:
// the environment's language variables (the tests' own is C).
Outcome run(const QStringList& arguments, const QString& outputFile = {},
            const std::vector<std::pair<QString, QString>>& locale = {})
{
    QProcess program;
    if (!outputFile.isEmpty())
        program.setStandardOutputFile(outputFile);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!locale.empty()) {
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
            environment.remove(name);
    }
    for (const auto& [name, value] : locale)
        environment.insert(name, value);
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM"); // Qt would go to X, and there is none
    program.setProcessEnvironment(environment);
    program.start(KELMAR_PROGRAM, arguments);
    EXPECT_TRUE(program.waitForFinished(20000)) << "the program did not end";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    return {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardOutput()),
            QString::fromLocal8Bit(program.readAllStandardError())};
}

TEST(CommandLine, HelpAndVersionPrintAndEndWithoutADisplay)
{
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.output.startsWith("Usage: kelmar [options]")) << help.output.toStdString();
    for (const char* option : {"--version", "--list-devices", "--output <NAME>", "--input <NAME>"})
        EXPECT_TRUE(help.output.contains(option)) << option;
    EXPECT_FALSE(help.output.contains("-platform")) << "Qt's own options stay out of the help";
    EXPECT_EQ(help.errors, "");

    const Outcome version = run({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_TRUE(version.output.startsWith("kelmar ")) << version.output.toStdString();
    EXPECT_EQ(version.output.count('\n'), 1);
    EXPECT_EQ(version.errors, "");

    // output that cannot be written is no success
    EXPECT_EQ(run({"--version"}, "/dev/full").code, 1);
}

// The help and the refusals in the locale's language; in the C locale,
// whatever LANGUAGE asks for, and in an English one, the same English bytes.
TEST(CommandLine, HelpIsInTheLocalesLanguage)
{
    const Outcome german = run({"--help"}, {}, {{"LANG", "de_DE.UTF-8"}});
    EXPECT_EQ(german.code, 0);
    EXPECT_TRUE(german.output.startsWith("Aufruf: kelmar [Optionen]\n")) << german.output.toStdString();
    for (const char* text : {"\nOptionen:\n", "Diese Hilfe zeigen und beenden.", "--output <NAME>", "--setup <DATEI>"})
        EXPECT_TRUE(german.output.contains(QString::fromUtf8(text))) << text;
    EXPECT_TRUE(run({"song.mid"}, {}, {{"LANG", "de_DE.UTF-8"}}).errors.endsWith("Mehr unter 'kelmar --help'.\n"));

    const QString english = run({"--help"}).output;
    EXPECT_TRUE(english.startsWith("Usage: kelmar [options]\n"));
    EXPECT_EQ(run({"--help"}, {}, {{"LC_ALL", "C"}, {"LANGUAGE", "de"}}).output, english);
    EXPECT_EQ(run({"--help"}, {}, {{"LANG", "POSIX"}}).output, english);
    EXPECT_EQ(run({"--help"}, {}, {{"LANG", "en_GB.UTF-8"}}).output, english);
}

TEST(CommandLine, RefusesWhatItDoesNotKnowOnStandardError)
{
    for (const QStringList& arguments : {QStringList{"--bogus"}, QStringList{"song.mid"}, QStringList{"--output"}}) {
        const Outcome refused = run(arguments);
        EXPECT_EQ(refused.code, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(refused.output, "");
        EXPECT_TRUE(refused.errors.contains("kelmar --help")) << refused.errors.toStdString();
    }
}

TEST(CommandLine, QtOptionsAreLeftToQt)
{
    // Accepted, so the display check (not the parser) ends the program.
    const Outcome outcome = run({"-platform", "xcb", "--output", "synth"});
    EXPECT_EQ(outcome.code, 1);
    EXPECT_TRUE(outcome.errors.contains("display")) << outcome.errors.toStdString();
}

TEST(CommandLine, ListDevicesPrintsBothListsIncludingJackPorts)
{
    JackServer jack;
    ASSERT_TRUE(jack.running()) << jack.failure();
    JackReceiver receiver("listed");
    ASSERT_TRUE(receiver.ok());
    const Outcome listed = run({"--list-devices"});
    EXPECT_EQ(listed.code, 0) << listed.errors.toStdString();
    const QStringList lines = listed.output.split('\n');
    ASSERT_GE(lines.size(), 4) << listed.output.toStdString();
    EXPECT_EQ(lines[0], "MIDI outputs:");
    EXPECT_EQ(lines[1], "  Default output");
    const qsizetype inputs = lines.indexOf("MIDI inputs:");
    ASSERT_GT(inputs, 1);
    EXPECT_TRUE(lines.mid(2, inputs - 2).contains("  listed:in")) << listed.output.toStdString();
    EXPECT_TRUE(lines.mid(inputs).contains("  listed:out")) << listed.output.toStdString();
}

} // namespace
} // namespace kelmar::test
