#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace kelmar {

// The program's texts in the user's language: Kelmar's own translation and
// Qt's (standard buttons, file dialogs), chosen from the languages the
// environment asks for. The C and POSIX locales, English, and languages
// without a translation leave every text as it is written in the code.
class Translation {
public:
    // The languages the environment asks for, chosen from `folder`.
    Translation();
    // The first of `languages` ("de_DE", "fr", "en") that `folder` has a translation for.
    Translation(const QStringList& languages, const QString& folder);

    // Where the program's translations lie: ../share/kelmar/translations
    // beside the program, in the build tree as when installed. Known before
    // a QCoreApplication exists.
    static QString folder();
    // LANGUAGE, else the locale that names messages (LC_ALL, LC_MESSAGES,
    // LANG), as Qt reads them; none where that locale is C or POSIX.
    static QStringList wantedLanguages();

    // The language loaded ("de"); empty while the texts stay English.
    const QString& language() const { return language_; }
    // `source` in the language, as tr() gives it once install() has run; for
    // texts made before a QCoreApplication exists (the command line).
    QString text(const char* context, const char* source) const;
    // The same from Qt's own translation ("QCommandLineParser").
    QString qtText(const char* context, const char* source) const;
    // Makes the translations the application's, for tr() and
    // QCoreApplication::translate. Needs the QCoreApplication.
    void install();

private:
    QTranslator own_;
    QTranslator qt_;
    QString language_;
};

} // namespace kelmar
