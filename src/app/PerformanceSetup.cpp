#include "app/PerformanceSetup.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>

namespace kelmar {

namespace {

constexpr int AxisParameters = 6;
constexpr int Scales = 9;
constexpr int NoteModes = 2;
constexpr std::array<const char*, 4> LimitKeys = {"vLimitMin", "vLimitMax", "hLimitMin", "hLimitMax"};

QJsonObject areaObject(const PerformanceSetup::Area& a)
{
    QJsonObject limits;
    for (std::size_t k = 0; k < LimitKeys.size(); ++k)
        limits[LimitKeys[k]] = QString::fromStdString(a.limits[k]);
    return {{"height", a.height},
            {"width", a.width},
            {"pitch", QString::fromStdString(a.pitchText)},
            {"velocity", QString::fromStdString(a.velText)},
            {"limits", limits},
            {"mouseDownOnly", a.mouseDownOnly},
            {"enabled", a.enabled}};
}

QJsonObject channelObject(const PerformanceSetup::Channel& c)
{
    return {{"programme", c.programme}, {"volume", c.volume}, {"octave", c.octave}, {"pan", c.pan}};
}

// Reads members of one JSON object, keeping the first problem met, named by
// where it is ("area 2: width ...").
class Reader {
public:
    Reader(const QJsonObject& object, QString where, QString& problem)
        : object_(object)
        , where_(std::move(where))
        , problem_(problem)
    {
    }

    int number(const char* key, int low, int high)
    {
        const QJsonValue value = object_.value(key);
        const double n = value.toDouble(-1e9);
        if (!value.isDouble() || n != static_cast<int>(n) || n < low || n > high)
            fail(kelmar::PerformanceSetup::tr("%1 must be a whole number from %2 to %3").arg(key).arg(low).arg(high));
        return value.toInt();
    }
    bool flag(const char* key)
    {
        const QJsonValue value = object_.value(key);
        if (!value.isBool())
            fail(kelmar::PerformanceSetup::tr("%1 must be true or false").arg(key));
        return value.toBool();
    }
    std::string text(const char* key)
    {
        const QJsonValue value = object_.value(key);
        const QString s = value.toString();
        const bool plain = std::all_of(s.begin(), s.end(), [](QChar c) { return c.isPrint(); });
        if (!value.isString() || s.size() > PerformanceSetup::MaxBoxText || !plain)
            fail(kelmar::PerformanceSetup::tr("%1 must be a line of text of at most %2 characters").arg(key).arg(PerformanceSetup::MaxBoxText));
        return s.toStdString();
    }
    // A fixed-value box: empty or a whole number 0..127, as the box takes.
    std::string fixedValue(const char* key)
    {
        const std::string s = text(key);
        bool ok = false;
        const int n = QString::fromStdString(s).toInt(&ok);
        if (!s.empty() && (!ok || n < 0 || n > 127))
            fail(kelmar::PerformanceSetup::tr("%1 must be empty or a whole number from 0 to 127").arg(key));
        return s;
    }
    QJsonObject object(const char* key)
    {
        const QJsonValue value = object_.value(key);
        if (!value.isObject())
            fail(kelmar::PerformanceSetup::tr("%1 is missing").arg(key));
        return value.toObject();
    }
    QJsonArray array(const char* key, qsizetype size)
    {
        const QJsonValue value = object_.value(key);
        if (!value.isArray() || value.toArray().size() != size)
            fail(kelmar::PerformanceSetup::tr("%1 must list %2 entries").arg(key).arg(size));
        return value.toArray();
    }
    void fail(const QString& what)
    {
        if (problem_.isEmpty())
            problem_ = where_.isEmpty() ? what : where_ + ": " + what;
    }

private:
    QJsonObject object_;
    QString where_;
    QString& problem_;
};

PerformanceSetup::Area readArea(const QJsonValue& value, int index, QString& problem)
{
    Reader r(value.toObject(), kelmar::PerformanceSetup::tr("area %1").arg(index), problem);
    if (!value.isObject())
        r.fail(kelmar::PerformanceSetup::tr("is not an object"));
    PerformanceSetup::Area a;
    a.height = r.number("height", 0, AxisParameters - 1);
    a.width = r.number("width", 0, AxisParameters - 1);
    a.pitchText = r.fixedValue("pitch");
    a.velText = r.fixedValue("velocity");
    Reader limits(r.object("limits"), kelmar::PerformanceSetup::tr("area %1 limits").arg(index), problem);
    for (std::size_t k = 0; k < LimitKeys.size(); ++k)
        a.limits[k] = limits.text(LimitKeys[k]);
    a.mouseDownOnly = r.flag("mouseDownOnly");
    a.enabled = r.flag("enabled");
    return a;
}

PerformanceSetup::Channel readChannel(const QJsonValue& value, int index, QString& problem)
{
    Reader r(value.toObject(), kelmar::PerformanceSetup::tr("channel %1").arg(index + 1), problem);
    if (!value.isObject())
        r.fail(kelmar::PerformanceSetup::tr("is not an object"));
    return {r.number("programme", 0, 127), r.number("volume", 0, 127), r.number("octave", 0, 3),
            r.number("pan", 0, 127)};
}

} // namespace

QByteArray PerformanceSetup::toJson() const
{
    QJsonArray areaList;
    for (const Area& a : areas)
        areaList.append(areaObject(a));
    QJsonArray channelList;
    for (const Channel& c : channels)
        channelList.append(channelObject(c));
    const QJsonObject extendedPlay{{"on", extended}, {"scale", scale}, {"root", root}, {"noteMode", noteMode}};
    const QJsonObject document{{"format", Format},          {"version", Version},
                               {"areas", areaList},         {"extendedPlay", extendedPlay},
                               {"currentChannel", currentChannel + 1}, {"channels", channelList}};
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

std::variant<PerformanceSetup, QString> PerformanceSetup::fromJson(const QByteArray& document)
{
    QJsonParseError error{};
    const QJsonDocument parsed = QJsonDocument::fromJson(document, &error);
    if (error.error != QJsonParseError::NoError)
        return tr("It is not a setup: %1 at byte %2.").arg(error.errorString()).arg(error.offset);
    const QJsonObject root = parsed.object();
    if (!parsed.isObject() || root.value("format").toString() != Format)
        return tr("It is not a Kelmar setup.");
    if (root.value("version").toInt(-1) != Version)
        return tr("It is a setup of another version (%1); this Kelmar reads version %2.")
            .arg(root.value("version").toVariant().toString())
            .arg(Version);

    QString problem;
    Reader r(root, {}, problem);
    PerformanceSetup setup;
    const QJsonArray areaList = r.array("areas", AreaCount);
    for (int i = 0; i < AreaCount && problem.isEmpty(); ++i)
        setup.areas.at(static_cast<std::size_t>(i)) = readArea(areaList.at(i), i, problem);
    Reader extended(r.object("extendedPlay"), "extendedPlay", problem);
    setup.extended = extended.flag("on");
    setup.scale = extended.number("scale", 0, Scales - 1);
    setup.root = extended.number("root", 0, 11);
    setup.noteMode = extended.number("noteMode", 0, NoteModes - 1);
    setup.currentChannel = r.number("currentChannel", 1, 16) - 1;
    const QJsonArray channelList = r.array("channels", 16);
    for (int c = 0; c < 16 && problem.isEmpty(); ++c)
        setup.channels.at(static_cast<std::size_t>(c)) = readChannel(channelList.at(c), c, problem);
    if (!problem.isEmpty())
        return tr("It holds a value Kelmar cannot use: %1.").arg(problem);
    return setup;
}

std::variant<PerformanceSetup, QString> PerformanceSetup::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tr("It cannot be read: %1.").arg(file.errorString());
    // Read one byte past the limit: a file that long is no setup.
    const QByteArray content = file.read(MaxBytes + 1);
    if (content.size() > MaxBytes)
        return tr("It is too large to be a setup.");
    return fromJson(content);
}

QString PerformanceSetup::write(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return tr("It cannot be written: %1.").arg(file.errorString());
    const QByteArray content = toJson();
    if (file.write(content) != content.size() || !file.commit())
        return tr("It could not be written whole: %1. The file was left as it was.").arg(file.errorString());
    return {};
}

} // namespace kelmar
