#pragma once

#include <QObject>

#include <functional>

class QAction;
class QMainWindow;
class QMenu;

namespace kelmar {

// What the menu commands do; the main window supplies them.
struct MenuCommands {
    std::function<void()> exit;           // Exit: close the MIDI devices and end
    std::function<void()> preferences;    // MnuPrefs: the preferences window, modeless
    std::function<void()> midiSetup;      // MIDISetup: the setup dialog, modal
    std::function<void(int)> help;        // MnuHHelp(n): link n, or the about box for 8
};

// The main window's menu bar: File, Edit, MIDI and Help. Every item's
// object name is its name in the window's design; the Help entries are
// the array MnuHHelp, told apart by their "Index" property. The three
// disabled items stay disabled and do nothing, shortcut included.
class MainMenu : public QObject {
    Q_OBJECT

public:
    MainMenu(QMainWindow& window, MenuCommands commands);

    // Fills the Help menu: nine entries, separators at 2 and 6.
    void BuildHelpMenu();

private:
    QMenu* menu(QMainWindow& window, const char* name, const QString& caption);
    QAction* item(QMenu* menu, const char* name, const QString& caption, bool enabled = true);
    void separator(QMenu* menu, const char* name);

    MenuCommands commands_;
    QMenu* help_ = nullptr;
};

} // namespace kelmar
