#include "performance/widgets/PerformanceWords.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <array>

namespace kelmar {

namespace {

// The names of AxisParameterNames and ExtendedAxisParameterNames.
constexpr std::array Parameters = {
    QT_TRANSLATE_NOOP("kelmar::AxisParameter", "Pitch"),      QT_TRANSLATE_NOOP("kelmar::AxisParameter", "Velocity"),
    QT_TRANSLATE_NOOP("kelmar::AxisParameter", "Pan"),        QT_TRANSLATE_NOOP("kelmar::AxisParameter", "Channel"),
    QT_TRANSLATE_NOOP("kelmar::AxisParameter", "Volume"),     QT_TRANSLATE_NOOP("kelmar::AxisParameter", "Programme"),
    QT_TRANSLATE_NOOP("kelmar::AxisParameter", "Pitch Bend"), QT_TRANSLATE_NOOP("kelmar::AxisParameter", "Modulation"),
};

// Whole readouts and whole parts of one (PairTable, ExtendedPairs, PairOperations).
constexpr std::array Phrases = {
    QT_TRANSLATE_NOOP("kelmar::Readout", "active"),
    QT_TRANSLATE_NOOP("kelmar::Readout", "same parameter"),
    QT_TRANSLATE_NOOP("kelmar::Readout", "Not yet available"),
    QT_TRANSLATE_NOOP("kelmar::Readout", "No scale note in range"),
};

// The words before a readout's numbers: "Pitch 65", "Chn 3".
constexpr std::array Words = {
    QT_TRANSLATE_NOOP("kelmar::Readout", "Pitch"),   QT_TRANSLATE_NOOP("kelmar::Readout", "Vel"),
    QT_TRANSLATE_NOOP("kelmar::Readout", "Velocity"), QT_TRANSLATE_NOOP("kelmar::Readout", "Pan"),
    QT_TRANSLATE_NOOP("kelmar::Readout", "Channel"), QT_TRANSLATE_NOOP("kelmar::Readout", "Chn"),
    QT_TRANSLATE_NOOP("kelmar::Readout", "Volume"),  QT_TRANSLATE_NOOP("kelmar::Readout", "Prog"),
    QT_TRANSLATE_NOOP("kelmar::Readout", "Bend"),    QT_TRANSLATE_NOOP("kelmar::Readout", "Mod"),
};

// Scale::RootNames.
constexpr std::array Notes = {
    QT_TRANSLATE_NOOP("kelmar::NoteName", "C"),  QT_TRANSLATE_NOOP("kelmar::NoteName", "C#"),
    QT_TRANSLATE_NOOP("kelmar::NoteName", "D"),  QT_TRANSLATE_NOOP("kelmar::NoteName", "D#"),
    QT_TRANSLATE_NOOP("kelmar::NoteName", "E"),  QT_TRANSLATE_NOOP("kelmar::NoteName", "F"),
    QT_TRANSLATE_NOOP("kelmar::NoteName", "F#"), QT_TRANSLATE_NOOP("kelmar::NoteName", "G"),
    QT_TRANSLATE_NOOP("kelmar::NoteName", "G#"), QT_TRANSLATE_NOOP("kelmar::NoteName", "A"),
    QT_TRANSLATE_NOOP("kelmar::NoteName", "A#"), QT_TRANSLATE_NOOP("kelmar::NoteName", "B"),
};

// `text` translated in `context` where `list` holds it.
template <std::size_t N>
bool lookUp(const char* context, const std::array<const char*, N>& list, const QString& text, QString& result)
{
    for (const char* known : list) {
        if (text == QLatin1String(known)) {
            result = QCoreApplication::translate(context, known);
            return true;
        }
    }
    return false;
}

// One part of a readout: a phrase, or a word followed by numbers and note names.
QString part(const QString& text)
{
    QString result;
    if (lookUp("kelmar::Readout", Phrases, text, result))
        return result;
    QStringList tokens = text.split(' ');
    if (!lookUp("kelmar::Readout", Words, tokens.first(), tokens.first()))
        return text;
    for (qsizetype k = 1; k < tokens.size(); ++k)
        tokens[k] = PerformanceWords::note(tokens[k]);
    return tokens.join(' ');
}

} // namespace

QString PerformanceWords::parameter(std::string_view name)
{
    QString result = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    lookUp("kelmar::AxisParameter", Parameters, result, result);
    return result;
}

QString PerformanceWords::readout(const std::string& text)
{
    // A readout changes at every pointer movement: in English it is shown as it is.
    if (QCoreApplication::translate("kelmar::Readout", Words.front()) == QLatin1String(Words.front()))
        return QString::fromStdString(text);
    QStringList parts = QString::fromStdString(text).split(QStringLiteral(", "));
    for (QString& p : parts)
        p = part(p);
    return parts.join(QStringLiteral(", "));
}

QString PerformanceWords::note(const QString& name)
{
    static const QRegularExpression form(QStringLiteral("^([A-G]#?)(-?[0-9]+)$"));
    const QRegularExpressionMatch m = form.match(name);
    QString letter;
    if (!m.hasMatch() || !lookUp("kelmar::NoteName", Notes, m.captured(1), letter))
        return name;
    return letter + m.captured(2);
}

} // namespace kelmar
