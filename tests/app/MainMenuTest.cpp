// The menu bar's tree and states, what each command calls, and the
// preferences window's single instance.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <vector>

#include "app/MainMenu.h"
#include "settings/PreferencesController.h"
#include "support/EventLoop.h"

using namespace kelmar;

namespace {

class MainMenuTest : public ::testing::Test {
protected:
    MainMenuTest()
    {
        window.setCentralWidget(new QWidget);
        menu = new MainMenu(window, {[this] { calls.push_back("exit"); },
                                     [this] { calls.push_back("preferences"); },
                                     [this] { calls.push_back("setup"); },
                                     [this](int n) { calls.push_back("help " + std::to_string(n)); }});
        menu->BuildHelpMenu();
    }

    QAction* action(const char* name) { return window.findChild<QAction*>(name); }

    QMainWindow window;
    MainMenu* menu = nullptr;
    std::vector<std::string> calls;
};

struct Item {
    const char* name;
    const char* caption;
    bool enabled;
};

} // namespace

TEST_F(MainMenuTest, TheMenuTreeHasItsNamesCaptionsAndStates)
{
    QStringList menus;
    for (QAction* a : window.menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&MIDI", "&Help"}));

    const std::vector<std::pair<const char*, std::vector<Item>>> tree = {
        {"File", {{"Mnu_File_Settings", "&Save Settings", false}, {"Separator", "", true}, {"Exit", "E&xit", true}}},
        {"MnuEdit", {{"MnuPrefs", "&Preferences...", true}}},
        {"MIDI",
         {{"MnuAllOff", "&All Notes Off", false},
          {"MnuAllAllOff", "All &Notes Off on All Channels", false},
          {"MnuSep1", "", true},
          {"MIDISetup", "MIDI &Setup...", true}}},
    };
    for (const auto& [menuName, items] : tree) {
        const QList<QAction*> actions = window.findChild<QMenu*>(menuName)->actions();
        ASSERT_EQ(actions.size(), static_cast<qsizetype>(items.size())) << menuName;
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(actions[static_cast<qsizetype>(i)]->objectName(), items[i].name);
            EXPECT_EQ(actions[static_cast<qsizetype>(i)]->text(), items[i].caption);
            EXPECT_EQ(actions[static_cast<qsizetype>(i)]->isEnabled(), items[i].enabled) << items[i].name;
        }
    }
    EXPECT_EQ(action("MnuAllOff")->shortcut(), QKeySequence("Ctrl+A"));
}

TEST_F(MainMenuTest, TheHelpMenuHasNineEntriesInOrder)
{
    const QList<QAction*> entries = window.findChild<QMenu*>("MnuHelp")->actions();
    const QStringList captions = {"Online &Help...", "Other &Software...", "", "&Brannoc Website...", "&Tessary...",
                                  "&Varrow Website...", "", "&Email...", "&About Kelmar..."};
    ASSERT_EQ(entries.size(), 9);
    for (int n = 0; n < 9; ++n) {
        EXPECT_EQ(entries[n]->objectName(), "MnuHHelp");
        EXPECT_EQ(entries[n]->property("Index").toInt(), n);
        EXPECT_EQ(entries[n]->isSeparator(), n == 2 || n == 6) << n;
        EXPECT_EQ(entries[n]->text(), captions[n]) << n;
        entries[n]->trigger();
    }
    EXPECT_EQ(calls, (std::vector<std::string>{"help 0", "help 1", "help 3", "help 4", "help 5", "help 7", "help 8"}));
}

TEST_F(MainMenuTest, CommandsReachTheirHandlersAndDisabledItemsDoNothing)
{
    action("Exit")->trigger();
    action("MnuPrefs")->trigger();
    action("MIDISetup")->trigger();
    for (const char* name : {"Mnu_File_Settings", "MnuAllOff", "MnuAllAllOff"})
        action(name)->trigger(); // disabled actions ignore trigger()
    EXPECT_EQ(calls, (std::vector<std::string>{"exit", "preferences", "setup"}));
    EXPECT_FALSE(action("MnuAllOff")->isEnabled());
}

TEST_F(MainMenuTest, CtrlADoesNothing)
{
    window.show();
    window.activateWindow();
    test::settle(20);
    QKeyEvent press(QEvent::ShortcutOverride, Qt::Key_A, Qt::ControlModifier);
    QCoreApplication::sendEvent(&window, &press);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, "a");
    QCoreApplication::sendEvent(&window, &key);
    test::settle(20);
    EXPECT_TRUE(calls.empty());
}

TEST(Preferences, OneWindowThatComesBackCheckedAfterClosing)
{
    QWidget owner;
    PreferencesController prefs(&owner);
    prefs.show();
    PreferencesWindow* first = prefs.window();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->objectName(), "kelmor_prefs");
    EXPECT_EQ(first->windowTitle(), "Kelmar Preferences");
    EXPECT_EQ(first->PrefsCheck()->text(), "Display MIDI Setup on Load");
    // 3645, 3180, 4575 x 3540 twips: the whole window, its frame included
    EXPECT_EQ(first->frameGeometry(), QRect(243, 212, 305, 236));
    EXPECT_TRUE(first->PrefsCheck()->isChecked());

    first->PrefsCheck()->setChecked(false);
    prefs.show();
    EXPECT_EQ(prefs.window(), first);
    EXPECT_FALSE(first->PrefsCheck()->isChecked());

    first->close(); // discards the window
    test::waitUntil([&] { return prefs.window() == nullptr; });
    EXPECT_EQ(prefs.window(), nullptr);
    prefs.show();
    ASSERT_NE(prefs.window(), nullptr);
    EXPECT_TRUE(prefs.window()->PrefsCheck()->isChecked());
}
