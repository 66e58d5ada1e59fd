#include "midi/MessageTranslation.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <vector>

namespace kelmar {

namespace {

constexpr const char* Context = "kelmar::MessageTranslation";

// Every sentence the port layer and the backends make, their variable
// parts as %1, %2 in the order they appear. Kept in step with the code that
// makes them (PortError, the ports, jack/, alsa/, synth/, take/).
constexpr std::array Sentences = {
    // the ports
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The MIDI input could not be opened."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The MIDI input \"%1\" could not be opened."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation",
                      "The MIDI input is no longer there; no MIDI comes in from it while it is gone."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation",
                      "The MIDI input \"%1\" is no longer there; no MIDI comes in from it while it is gone."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation",
                      "The JACK server has shut down; MIDI input and output through JACK have stopped."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation",
                      "Incoming MIDI arrived faster than it could be handled; some messages were dropped."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The MIDI input reported error %1."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The MIDI input \"%1\" reported error %2."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "There is no MIDI input device number %1."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "There is no MIDI output device number %1."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The device could not be opened."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "No MIDI output is available."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "%1\nKelmar plays through \"%2\" instead."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "%1\nNo other MIDI output opens either: nothing can sound."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The MIDI output \"%1\" cannot play: %2"),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation",
                      "The MIDI output \"%1\" is no longer there; what is played goes nowhere while it is gone."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation",
                      "Some MIDI messages could not be sent: the output \"%1\" has stopped taking them. What could "
                      "not wait was left out."),
    // JACK
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "\"%1\" cannot be opened: no JACK server is running."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "\"%1\" cannot be opened: the JACK server does not answer."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The JACK port \"%1\" is one of this program's own ports."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The JACK server does not answer."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation",
                      "The JACK server does not answer; its MIDI ports are listed once it does."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The JACK server has shut down."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "Another JACK MIDI output is open; close it first."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "Another JACK MIDI input is open; close it first."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "There is no JACK MIDI input port named %1."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "There is no JACK MIDI output port named %1."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "JACK could not connect to %1."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "JACK could not connect %1 to this program."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation",
                      "The JACK port %1 is not there at the moment; Kelmar plays to it as soon as it is back."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation",
                      "The JACK port %1 is not there at the moment; Kelmar takes what it sends as soon as it is "
                      "back."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The JACK server would not run this program's MIDI ports."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation",
                      "JACK has taken the connection to %1 but does not run it yet; what is played goes there once "
                      "it does."),
    // ALSA
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The ALSA port \"%1\" is one of this program's own ports."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The ALSA sequencer is not available."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The ALSA port \"%1\" is no longer there."),
    // the built-in synthesizer
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "FluidSynth could not be loaded: %1."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "FluidSynth could not create a synthesizer."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "FluidSynth could not create a synthesizer: %1"),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "No audio output could be started (%1)."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The soundfont %1 could not be loaded."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The soundfont %1 could not be loaded: %2"),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation",
                      "The General MIDI soundfont %1 is missing; install timgm6mb-soundfont or fluid-soundfont-gm."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The General MIDI soundfont %1 cannot be read: %2."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation",
                      "The General MIDI soundfont %1 is not a SoundFont 2 file; install timgm6mb-soundfont or "
                      "fluid-soundfont-gm."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The built-in synthesizer has no output named \"%1\"."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The built-in synthesizer has no MIDI inputs."),
    // takes
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "A take is already being recorded to %1."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The take %1 is still being written; try again in a moment."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The take cannot be written to %1: %2."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "The take cannot be recorded: %1."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation",
                      "The take cannot be written to %1 any more: %2. The file keeps what was played until then."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation",
                      "1 message came faster than the take could be written and had to be left out of it."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation",
                      "%1 messages came faster than the take could be written and had to be left out of it."),
    QT_TRANSLATE_NOOP("kelmar::MessageTranslation", "%1\n%2"),
};

struct Pattern {
    const char* sentence;
    QRegularExpression match;
    qsizetype fixed; // characters outside the variable parts
    QString head;    // the fixed text before the first variable part
    QString tail;    // and after the last one

    // A quick test that passes every message the pattern matches: most
    // sentences never need their expression compiled.
    bool mayMatch(const QString& message) const
    {
        return message.size() >= fixed && message.startsWith(head) && message.endsWith(tail);
    }
};

// The sentences as patterns, those with more fixed text first: of two that
// match, the more particular one is meant.
std::vector<Pattern> patterns()
{
    std::vector<Pattern> list;
    static const QRegularExpression part(QStringLiteral("%[1-9]"));
    for (const char* sentence : Sentences) {
        const QString text = QString::fromUtf8(sentence);
        QString expression = QStringLiteral("^");
        qsizetype fixed = 0;
        qsizetype from = 0;
        qsizetype head = text.size(); // where the first variable part starts
        for (const QRegularExpressionMatch& m : part.globalMatch(text)) {
            head = std::min(head, m.capturedStart());
            expression += QRegularExpression::escape(text.mid(from, m.capturedStart() - from)) + QStringLiteral("(.*?)");
            fixed += m.capturedStart() - from;
            from = m.capturedEnd();
        }
        expression += QRegularExpression::escape(text.mid(from)) + QStringLiteral("$");
        fixed += text.size() - from;
        // Without variable parts, head and tail are both the whole sentence.
        list.push_back({sentence, QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption), fixed,
                        text.left(head), text.mid(from)});
    }
    std::stable_sort(list.begin(), list.end(), [](const Pattern& a, const Pattern& b) { return a.fixed > b.fixed; });
    return list;
}

} // namespace

QString MessageTranslation::translated(const QString& message)
{
    static const std::vector<Pattern> known = patterns();
    for (const Pattern& pattern : known) {
        if (!pattern.mayMatch(message))
            continue;
        const QRegularExpressionMatch m = pattern.match.match(message);
        if (!m.hasMatch())
            continue;
        QString text = QCoreApplication::translate(Context, pattern.sentence);
        // All parts at once: a part's own text may hold a "%1".
        QStringList parts;
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            parts << translated(m.captured(i));
        switch (parts.size()) {
        case 0:
            return text;
        case 1:
            return text.arg(parts[0]);
        default:
            return text.arg(parts[0], parts[1]);
        }
    }
    return message;
}

QString MessageTranslation::translated(const std::string& message)
{
    return translated(QString::fromStdString(message));
}

} // namespace kelmar
