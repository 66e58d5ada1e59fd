// The menu commands on the started program's main window: help links handed
// to the desktop, the one about box, the one preferences window, the setup
// dialog again, and Exit.
#include <gtest/gtest.h>

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QComboBox>
#include <QDesktopServices>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "support/LinkCatcher.h"
#include "support/EventLoop.h"
#include "support/LoadedMainWindow.h"

using namespace kelmar;

namespace {

class MainWindowMenuTest : public ::testing::Test {
protected:
    QAction* action(const char* name) { return started.window.findChild<QAction*>(name); }
    QList<QAction*> helpEntries()
    {
        QList<QAction*> entries = started.window.findChildren<QAction*>("MnuHHelp");
        std::sort(entries.begin(), entries.end(),
                  [](QAction* a, QAction* b) { return a->property("Index").toInt() < b->property("Index").toInt(); });
        return entries;
    }

    test::LoadedMainWindow started;
};

} // namespace

TEST_F(MainWindowMenuTest, HelpEntriesOpenTheirLinksAndTheOneAboutBox)
{
    test::LinkCatcher catcher;
    const QList<QAction*> entries = helpEntries();
    ASSERT_EQ(entries.size(), 9);
    for (QAction* entry : entries)
        entry->trigger();
    ASSERT_EQ(catcher.opened.size(), 6);
    EXPECT_TRUE(catcher.opened.front().isLocalFile());
    EXPECT_EQ(catcher.opened.back().scheme(), "mailto");

    AboutBox* about = started.window.about();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    entries[8]->trigger();
    EXPECT_EQ(started.window.about(), about);
    about->findChild<QPushButton*>("Command1")->click();
    EXPECT_FALSE(about->isVisible());
    entries[8]->trigger();
    EXPECT_EQ(started.window.about(), about);
    EXPECT_TRUE(about->isVisible());
}

TEST_F(MainWindowMenuTest, PreferencesTwiceShowOneWindow)
{
    action("MnuPrefs")->trigger();
    PreferencesWindow* prefs = started.window.preferences().window();
    ASSERT_NE(prefs, nullptr);
    action("MnuPrefs")->trigger();
    EXPECT_EQ(started.window.preferences().window(), prefs);
    EXPECT_TRUE(prefs->isVisible());
}

TEST_F(MainWindowMenuTest, MidiSetupShowsTheDialogAgainWithTheEarlierChoices)
{
    bool shownWithChoice = false;
    QTimer::singleShot(0, [&] {
        MidiSetupForm* dialog = started.window.setup().form();
        shownWithChoice = dialog && dialog->isVisible() &&
                          dialog->findChild<QComboBox*>("ComboMidiOut")->currentIndex() == 1;
        if (dialog)
            dialog->findChild<QPushButton*>("CmdCancel")->click();
    });
    action("MIDISetup")->trigger();
    EXPECT_TRUE(shownWithChoice);
    EXPECT_EQ(started.window.setup().form(), nullptr); // Cancel unloaded it
}

TEST_F(MainWindowMenuTest, ExitClosesTheDevicesAndEndsTheProgram)
{
    bool ended = false;
    started.midi.layer.setProgramEnd([&] { ended = true; });
    action("Exit")->trigger();
    EXPECT_TRUE(ended);
    EXPECT_EQ(started.midi.out.IsOpen(), 0);
    EXPECT_EQ(started.midi.in.IsOpen(), 0);
}


// The greyed items reached by their access keys, in their open menus, do
// nothing: no sweep is sent and the program goes on.
TEST_F(MainWindowMenuTest, DisabledItemsReachedByTheirAccessKeysDoNothing)
{
    bool ended = false;
    started.midi.layer.setProgramEnd([&] { ended = true; });
    started.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&started.window));
    const struct {
        Qt::Key menu;
        Qt::Key item;
    } keys[] = {{Qt::Key_F, Qt::Key_S}, {Qt::Key_M, Qt::Key_A}, {Qt::Key_M, Qt::Key_N}};
    for (const auto& k : keys) {
        QTest::keyClick(started.window.windowHandle(), k.menu, Qt::AltModifier); // as the window system brings it
        test::waitUntil([] { return QApplication::activePopupWidget() != nullptr; }, 1000);
        auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(open, nullptr) << "no menu opened";
        QTest::keyClick(open, k.item);
        test::settle(20);
        if (QWidget* still = QApplication::activePopupWidget())
            QTest::keyClick(still, Qt::Key_Escape);
    }
    test::settle(20);
    EXPECT_EQ(started.midi.sent(), (std::vector<std::vector<std::uint8_t>>{}));
    EXPECT_FALSE(ended);

    // The same keys reach an item that is enabled: E&xit.
    QTest::keyClick(started.window.windowHandle(), Qt::Key_F, Qt::AltModifier);
    test::waitUntil([] { return QApplication::activePopupWidget() != nullptr; }, 1000);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_X);
    EXPECT_TRUE(test::waitUntil([&] { return ended; }, 1000));
}
