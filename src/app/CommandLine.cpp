#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include "app/Translation.h"

namespace kelmar {

namespace {

constexpr const char* Program = "kelmar";
constexpr const char* Context = "kelmar::CommandLine";

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

QString helpText(const QCommandLineParser& parser, const Translation& translation)
{
    // Qt's text names the program by QCoreApplication, which does not run
    // yet, and its heading is translated by it: both are put in here.
    QString text = parser.helpText();
    const qsizetype end = text.indexOf('\n');
    const QString usage = translation.text(Context, QT_TRANSLATE_NOOP("kelmar::CommandLine", "Usage: %1 [options]"));
    const QString options = translation.text(Context, QT_TRANSLATE_NOOP("kelmar::CommandLine", "Options:"));
    text = usage.arg(Program) + text.mid(end);
    return text.replace(QStringLiteral("\nOptions:\n"), QStringLiteral("\n%1\n").arg(options));
}

// Qt's reasons for refusing a command line, made in English while no
// QCoreApplication runs: put into the language of Qt's own translation.
QString parseError(const QString& english, const Translation& translation)
{
    for (const char* reason : {"Unknown option '%1'.", "Unknown options: %1.", "Missing value after '%1'.",
                               "Unexpected value after '%1'."}) {
        const QStringList around = QString::fromLatin1(reason).split(QStringLiteral("%1"));
        const QString pattern = QRegularExpression::escape(around[0]) + QStringLiteral("(.*)")
                              + QRegularExpression::escape(around[1]);
        const QRegularExpressionMatch m = QRegularExpression('^' + pattern + '$').match(english);
        if (m.hasMatch())
            return translation.qtText("QCommandLineParser", reason).arg(m.captured(1));
    }
    return english;
}

} // namespace

CommandLine::CommandLine(const QStringList& arguments, const Translation& translation)
{
    const auto text = [&translation](const char* source) { return translation.text(Context, source); };
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform xcb), not letter groups.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(text(QT_TRANSLATE_NOOP(
        "kelmar::CommandLine", "Kelmar plays General MIDI with the mouse. The MIDI Setup dialog opens first,\n"
                               "on the built-in synthesizer and the first MIDI input unless told otherwise.")));
    const QString name = text(QT_TRANSLATE_NOOP("kelmar::CommandLine", "NAME"));
    const QString file = text(QT_TRANSLATE_NOOP("kelmar::CommandLine", "FILE"));
    const QCommandLineOption help({"h", "help"}, text(QT_TRANSLATE_NOOP("kelmar::CommandLine", "Show this help and exit.")));
    const QCommandLineOption version({"v", "version"},
                                     text(QT_TRANSLATE_NOOP("kelmar::CommandLine", "Show the version and exit.")));
    const QCommandLineOption list("list-devices", text(QT_TRANSLATE_NOOP("kelmar::CommandLine",
                                                                       "Print the MIDI outputs and inputs the setup "
                                                                       "dialog lists, and exit.")));
    const QCommandLineOption output("output", text(QT_TRANSLATE_NOOP("kelmar::CommandLine",
                                                                   "Start the setup dialog on the first output whose "
                                                                   "name contains NAME (any case).")),
                                    name);
    const QCommandLineOption input("input", text(QT_TRANSLATE_NOOP("kelmar::CommandLine",
                                                                 "Start the setup dialog on the first input whose "
                                                                 "name contains NAME (any case).")),
                                   name);
    const QCommandLineOption extended("extended", text(QT_TRANSLATE_NOOP("kelmar::CommandLine",
                                                                       "Start with Extended Play on: ranges set by the "
                                                                       "limit boxes, scales, every pair, notes that end "
                                                                       "(Ctrl+E and the Play menu switch it during a "
                                                                       "run).")));
    const QCommandLineOption scale("scale", text(QT_TRANSLATE_NOOP("kelmar::CommandLine",
                                                                 "Keep Extended Play's pitch axes to SCALE: a root "
                                                                 "and a scale name, as \"d dorian\", \"c major\" or "
                                                                 "\"f# minor pentatonic\".")),
                                   text(QT_TRANSLATE_NOOP("kelmar::CommandLine", "SCALE")));
    const QCommandLineOption setup("setup", text(QT_TRANSLATE_NOOP("kelmar::CommandLine",
                                                                 "Open the performance setup FILE once the MIDI "
                                                                 "Setup dialog is done.")),
                                   file);
    const QCommandLineOption record("record", text(QT_TRANSLATE_NOOP("kelmar::CommandLine",
                                                                   "Record what is played, from the start, to the "
                                                                   "Standard MIDI File FILE.")),
                                    file);
    const QCommandLineOption bigPicture("big-picture", text(QT_TRANSLATE_NOOP("kelmar::CommandLine",
                                                                            "Open the Big Picture window, area 0's "
                                                                            "picture as large as its window, once the "
                                                                            "MIDI Setup dialog is done.")));
    parser.addOptions({help, version, list, output, input, extended, scale, bigPicture, setup, record});
    acceptQtOptions(parser);

    const QString tryHelp = text(QT_TRANSLATE_NOOP("kelmar::CommandLine", "Try '%1 --help'.")).arg(Program);
    if (!parser.parse(arguments)) {
        action_ = Action::Refuse;
        text_ = QString("%1: %2\n%3\n").arg(Program, parseError(parser.errorText(), translation), tryHelp);
    } else if (!parser.positionalArguments().isEmpty()) {
        action_ = Action::Refuse;
        text_ = QString("%1: %2\n%3\n")
                    .arg(Program, text(QT_TRANSLATE_NOOP("kelmar::CommandLine", "unexpected argument '%1'"))
                                      .arg(parser.positionalArguments().constFirst()),
                         tryHelp);
    } else if (parser.isSet(scale) && !Scale::parse(parser.value(scale).toStdString())) {
        action_ = Action::Refuse;
        text_ = QString("%1: %2\n%3\n")
                    .arg(Program,
                         text(QT_TRANSLATE_NOOP("kelmar::CommandLine",
                                              "'%1' is no scale: give a root and a scale name, as \"d dorian\""))
                             .arg(parser.value(scale)),
                         tryHelp);
    } else if (parser.isSet(help)) {
        action_ = Action::Print;
        text_ = helpText(parser, translation);
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
