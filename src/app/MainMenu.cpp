#include "app/MainMenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "help/HelpLinks.h"

namespace kelmar {

MainMenu::MainMenu(QMainWindow& window, MenuCommands commands)
    : QObject(&window)
    , commands_(std::move(commands))
{
    QMenu* file = menu(window, "File", tr("&File"));
    item(file, "Mnu_File_Settings", tr("&Save Settings"), false);
    separator(file, "Separator");
    connect(item(file, "Exit", tr("E&xit")), &QAction::triggered, this, [this] { commands_.exit(); });

    QMenu* edit = menu(window, "MnuEdit", tr("&Edit"));
    connect(item(edit, "MnuPrefs", tr("&Preferences...")), &QAction::triggered, this, [this] { commands_.preferences(); });

    QMenu* midi = menu(window, "MIDI", tr("&MIDI"));
    QAction* allOff = item(midi, "MnuAllOff", tr("&All Notes Off"), false);
    allOff->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    item(midi, "MnuAllAllOff", tr("All &Notes Off on All Channels"), false);
    separator(midi, "MnuSep1");
    connect(item(midi, "MIDISetup", tr("MIDI &Setup...")), &QAction::triggered, this, [this] { commands_.midiSetup(); });

    help_ = menu(window, "MnuHelp", tr("&Help"));
}

QMenu* MainMenu::menu(QMainWindow& window, const char* name, const QString& caption)
{
    QMenu* m = window.menuBar()->addMenu(caption);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    return m;
}

QAction* MainMenu::item(QMenu* menu, const char* name, const QString& caption, bool enabled)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setEnabled(enabled);
    return a;
}

void MainMenu::separator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(name);
}

void MainMenu::BuildHelpMenu()
{
    for (int n = 0; n < HelpLinks::EntryCount; ++n) {
        QAction* entry = HelpLinks::isSeparator(n) ? help_->addSeparator() : help_->addAction(HelpLinks::caption(n));
        entry->setObjectName("MnuHHelp");
        entry->setProperty("Index", n);
        if (!entry->isSeparator())
            connect(entry, &QAction::triggered, this, [this, n] { commands_.help(n); });
    }
}

} // namespace kelmar
