#include "app/CommandLine.h"

#include <QCommandLineParser>

namespace kelmar {

namespace {

constexpr const char* Program = "kelmar";

// Options QGuiApplication and QApplication read themselves: accepted here,
// not shown in the help, and passed on to QApplication untouched.
void acceptQtOptions(QCommandLineParser& parser)
{
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style",
                             "stylesheet", "name", "title"}) {
        QCommandLineOption option(name, {}, "value");
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString helpText(const QCommandLineParser& parser)
{
    // Qt's text names the program by QCoreApplication, which does not run yet.
    QString text = parser.helpText();
    const qsizetype end = text.indexOf('\n');
    return QString("Usage: %1 [options]").arg(Program) + text.mid(end);
}

} // namespace

CommandLine::CommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform xcb), not letter groups.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription("Kelmar plays General MIDI with the mouse. The MIDI Setup dialog opens first,\n"
                                     "on the built-in synthesizer and the first MIDI input unless told otherwise.");
    const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
    const QCommandLineOption version({"v", "version"}, "Show the version and exit.");
    const QCommandLineOption list("list-devices", "Print the MIDI outputs and inputs the setup dialog lists, and exit.");
    const QCommandLineOption output("output", "Start the setup dialog on the first output whose name contains NAME "
                                              "(any case).", "NAME");
    const QCommandLineOption input("input", "Start the setup dialog on the first input whose name contains NAME "
                                            "(any case).", "NAME");
    const QCommandLineOption extended("extended", "Start with Extended Play on: ranges set by the limit boxes, scales, "
                                                  "every pair, notes that end (Ctrl+E and the Play menu switch it "
                                                  "during a run).");
    const QCommandLineOption scale("scale", "Keep Extended Play's pitch axes to SCALE: a root and a scale name, as "
                                            "\"d dorian\", \"c major\" or \"f# minor pentatonic\".", "SCALE");
    const QCommandLineOption setup("setup", "Open the performance setup FILE once the MIDI Setup dialog is done.",
                                   "FILE");
    const QCommandLineOption record("record", "Record what is played, from the start, to the Standard MIDI File FILE.",
                                    "FILE");
    const QCommandLineOption bigPicture("big-picture", "Open the Big Picture window, area 0's picture as large as "
                                                       "its window, once the MIDI Setup dialog is done.");
    parser.addOptions({help, version, list, output, input, extended, scale, bigPicture, setup, record});
    acceptQtOptions(parser);

    if (!parser.parse(arguments)) {
        action_ = Action::Refuse;
        text_ = QString("%1: %2\nTry '%1 --help'.\n").arg(Program, parser.errorText());
    } else if (!parser.positionalArguments().isEmpty()) {
        action_ = Action::Refuse;
        text_ = QString("%1: unexpected argument '%2'\nTry '%1 --help'.\n")
                    .arg(Program, parser.positionalArguments().constFirst());
    } else if (parser.isSet(scale) && !Scale::parse(parser.value(scale).toStdString())) {
        action_ = Action::Refuse;
        text_ = QString("%1: '%2' is no scale: give a root and a scale name, as \"d dorian\"\nTry '%1 --help'.\n")
                    .arg(Program, parser.value(scale));
    } else if (parser.isSet(help)) {
        action_ = Action::Print;
        text_ = helpText(parser);
    } else if (parser.isSet(version)) {
        action_ = Action::Print;
        text_ = QString("%1 %2\n").arg(Program, KELMAR_VERSION);
    } else if (parser.isSet(list)) {
        action_ = Action::ListDevices;
    }
    output_ = parser.value(output);
    input_ = parser.value(input);
    extended_ = parser.isSet(extended);
    bigPicture_ = parser.isSet(bigPicture);
    setup_ = parser.value(setup);
    record_ = parser.value(record);
    if (parser.isSet(scale))
        scale_ = Scale::parse(parser.value(scale).toStdString());
}

} // namespace kelmar
