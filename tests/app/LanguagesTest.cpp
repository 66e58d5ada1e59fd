// The program's texts in German, French and Spanish, each translation
// loaded in the test as the program loads the one the locale asks for:
// the menus, the setup dialog and the performance's words are in that
// language, and access keys stay unique in every menu and window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <map>
#include <ostream>

#include "app/PlayMenu.h"
#include "app/Translation.h"
#include "help/AboutBox.h"
#include "midi/MessageTranslation.h"
#include "midi/setup/MidiSetupForm.h"
#include "performance/widgets/PerformanceWords.h"
#include "settings/PreferencesWindow.h"
#include "support/LoadedMainWindow.h"

namespace kelmar::test {
namespace {

// The access key of a caption ('&' before it, "&&" being a plain '&'); 0 for none.
QChar accessKey(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

// "x: 'A&xe' and 'E&xit'" for every key two different captions of `captions` share.
QStringList sharedKeys(const QStringList& captions)
{
    std::map<QChar, QString> owner;
    QStringList shared;
    for (const QString& caption : captions) {
        const QChar key = accessKey(caption);
        if (key.isNull())
            continue;
        const auto [at, added] = owner.emplace(key, caption);
        if (!added && at->second != caption)
            shared << QString("%1: '%2' and '%3'").arg(key, at->second, caption);
    }
    return shared;
}

QStringList itemCaptions(const QMenu* menu)
{
    QStringList captions;
    for (const QAction* item : menu->actions())
        captions << item->text();
    return captions;
}

// The captions a window's controls carry, the same caption on several
// controls (one per performance area) counted once.
QStringList controlCaptions(const QWidget& window)
{
    QStringList captions;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            captions << button->text();
        else if (const auto* label = qobject_cast<const QLabel*>(widget))
            captions << label->text();
        else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            captions << group->title();
    }
    return captions;
}

struct Language {
    const char* name;
    QStringList menuBar;            // with Extended Play's menu
    // title, Label1, Label2, CmdOk, CmdCancel, the default output, the entry of no input
    QStringList setupDialog;
    const char* readout;            // "Pitch 62 D4, Vel 90"
    const char* lostOutput;         // a message with a further message in it
};

void PrintTo(const Language& language, std::ostream* out)
{
    *out << language.name;
}

const Language German{
    "de",
    {"&Datei", "&Bearbeiten", "&MIDI", "&Spielen", "&Hilfe"},
    {"MIDI-Setup", "MIDI-Eingang", "MIDI-Ausgang", "OK", "Abbrechen", "Standardausgang", "(kein MIDI-Eingang)"},
    "Ton 62 D4, Vel 90",
    "Der MIDI-Ausgang „x“ kann nicht spielen: Der JACK-Server wurde beendet.",
};
const Language French{
    "fr",
    {"&Fichier", "É&dition", "&MIDI", "&Jouer", "&Aide"},
    {"Configuration MIDI", "Entrée MIDI", "Sortie MIDI", "OK", "Annuler", "Sortie par défaut", "(aucune entrée MIDI)"},
    "Note 62 Ré4, Vél 90",
    "La sortie MIDI « x » ne peut pas jouer : Le serveur JACK s'est arrêté.",
};
const Language Spanish{
    "es",
    {"&Archivo", "&Editar", "&MIDI", "&Tocar", "A&yuda"},
    {"Configuración MIDI", "Entrada MIDI", "Salida MIDI", "Aceptar", "Cancelar", "Salida predeterminada", "(ninguna entrada MIDI)"},
    "Nota 62 Re4, Vel 90",
    "La salida MIDI «x» no puede tocar: El servidor JACK se ha cerrado.",
};
const Language English{
    "en",
    {"&File", "&Edit", "&MIDI", "Pla&y", "&Help"},
    {"MIDI Setup", "MIDI In Device", "MIDI Out Device", "Ok", "Cancel", "Default output", "(no MIDI input device)"},
    "Pitch 62 D4, Vel 90",
    "The MIDI output \"x\" cannot play: The JACK server has shut down.",
};

class LanguagesTest : public ::testing::TestWithParam<Language> {
protected:
    LanguagesTest()
        : translation({QString::fromLatin1(GetParam().name)}, KELMAR_TRANSLATIONS_DIR)
    {
        translation.install();
        loaded = std::make_unique<LoadedMainWindow>();
    }

    QStringList menuBar() const
    {
        QStringList captions;
        for (const QAction* menu : loaded->window.menuBar()->actions())
            captions << menu->text();
        return captions;
    }

    Translation translation;
    std::unique_ptr<LoadedMainWindow> loaded; // built once the translation is in place
};

TEST_P(LanguagesTest, MenusSetupDialogAndReadoutsAreInTheLanguage)
{
    const Language& language = GetParam();
    EXPECT_EQ(translation.language(), language.name == QLatin1String("en") ? QString() : language.name);
    loaded->window.play().setExtended(true);
    EXPECT_EQ(menuBar(), language.menuBar);

    const MidiSetupForm* setup = loaded->window.setup().form();
    ASSERT_NE(setup, nullptr);
    const QStringList shown = {setup->windowTitle(),
                               setup->findChild<QLabel*>("Label1")->text(),
                               setup->findChild<QLabel*>("Label2")->text(),
                               setup->findChild<QAbstractButton*>("CmdOk")->text(),
                               setup->findChild<QAbstractButton*>("CmdCancel")->text(),
                               setup->findChild<QComboBox*>("ComboMidiOut")->itemText(0),
                               MidiSetupForm::noInputText()};
    EXPECT_EQ(shown, language.setupDialog);

    EXPECT_EQ(PerformanceWords::readout("Pitch 62 D4, Vel 90"), QString::fromUtf8(language.readout));
    EXPECT_EQ(MessageTranslation::translated(std::string("The MIDI output \"x\" cannot play: The JACK server has shut down.")),
              QString::fromUtf8(language.lostOutput));
    // Sentences without a variable part, with parts between fixed text, and of parts alone.
    const auto tr = [](const char* sentence) { return QCoreApplication::translate("kelmar::MessageTranslation", sentence); };
    const char* const none = "No MIDI output is available.";
    EXPECT_EQ(MessageTranslation::translated(std::string(none)), tr(none));
    EXPECT_EQ(MessageTranslation::translated(std::string("The MIDI input \"a\" reported error 7.")),
              tr("The MIDI input \"%1\" reported error %2.").arg("a", "7"));
    EXPECT_EQ(MessageTranslation::translated(std::string(none) + "\nThe device could not be opened."),
              tr("%1\n%2").arg(tr(none), tr("The device could not be opened.")));
}

TEST_P(LanguagesTest, AccessKeysAreUniqueInEveryMenuAndWindow)
{
    loaded->window.play().setExtended(true); // the Play menu and the File menu's setups and takes
    const QStringList bar = menuBar();
    EXPECT_TRUE(sharedKeys(bar).isEmpty()) << "menu bar: " << sharedKeys(bar).join("; ").toStdString();
    for (const QMenu* menu : loaded->window.findChildren<QMenu*>()) {
        const QStringList shared = sharedKeys(itemCaptions(menu));
        EXPECT_TRUE(shared.isEmpty()) << menu->objectName().toStdString() << ": " << shared.join("; ").toStdString();
    }
    // The main window's controls share no key with each other nor with the menu bar (Alt+key).
    const QStringList window = sharedKeys(controlCaptions(loaded->window) + bar);
    EXPECT_TRUE(window.isEmpty()) << "main window: " << window.join("; ").toStdString();

    PreferencesWindow preferences;
    AboutBox about;
    for (const QWidget* other : std::initializer_list<const QWidget*>{loaded->window.setup().form(), &preferences, &about}) {
        const QStringList shared = sharedKeys(controlCaptions(*other));
        EXPECT_TRUE(shared.isEmpty()) << other->objectName().toStdString() << ": " << shared.join("; ").toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguagesTest, ::testing::Values(English, German, French, Spanish),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kelmar::test
