#include "app/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

namespace kelmar {

namespace {

// "de-DE" and "de_DE.UTF-8" alike: the language and, where given, the
// territory, then the language alone.
QStringList candidates(QString tag)
{
    tag = tag.section('.', 0, 0).section('@', 0, 0).replace('-', '_');
    QStringList names{tag};
    if (const QString language = tag.section('_', 0, 0); language != tag)
        names << language;
    return names;
}

bool english(const QString& name)
{
    return name == QLatin1String("en") || name.startsWith(QLatin1String("en_"));
}

} // namespace

Translation::Translation()
    : Translation(wantedLanguages(), folder())
{
}

Translation::Translation(const QStringList& languages, const QString& folder)
{
    for (const QString& wanted : languages) {
        for (const QString& name : candidates(wanted)) {
            if (english(name))
                return;
            const QString file = QDir(folder).filePath(QStringLiteral("kelmar_%1.qm").arg(name));
            if (QFileInfo::exists(file) && own_.load(file)) {
                language_ = name;
                // Absent where Qt's translations are not installed: its buttons stay English.
                (void)qt_.load(QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
                return;
            }
        }
    }
}

QString Translation::folder()
{
    // The running program itself: QCoreApplication::applicationDirPath() needs the application.
    const QFileInfo program(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath());
    return QDir::cleanPath(program.absolutePath() + QStringLiteral("/../share/kelmar/translations"));
}

QStringList Translation::wantedLanguages()
{
    QString messages;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = qEnvironmentVariable(name);
        if (!messages.isEmpty())
            break;
    }
    // As gettext does: the C locale means the texts as written, whatever LANGUAGE says.
    const QString base = messages.section('.', 0, 0);
    if (messages.isEmpty() || base == QLatin1String("C") || base == QLatin1String("POSIX"))
        return {};
    return QLocale::system().uiLanguages();
}

QString Translation::text(const char* context, const char* source) const
{
    const QString translated = own_.translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

QString Translation::qtText(const char* context, const char* source) const
{
    const QString translated = qt_.translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

void Translation::install()
{
    if (language_.isEmpty())
        return;
    QCoreApplication::installTranslator(&qt_);
    QCoreApplication::installTranslator(&own_);
}

} // namespace kelmar
