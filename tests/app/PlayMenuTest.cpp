// Extended Play on the started main window: the switch and the Play menu it
// brings, what the areas show and send with it on and off, the limit boxes
// and the way out.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPointingDevice>
#include <QTabletEvent>
#include <QTest>

#include <set>

#include "app/PlayMenu.h"
#include "performance/widgets/BigPicture.h"
#include "performance/widgets/PerformanceAreas.h"
#include "performance/widgets/PerformancePicture.h"
#include "support/EventLoop.h"
#include "support/LoadedMainWindow.h"

using namespace kelmar;
using Bytes = std::vector<std::vector<std::uint8_t>>;

namespace {

class PlayMenuTest : public ::testing::Test {
protected:
    QStringList menus() const
    {
        QStringList captions;
        for (QAction* a : started.window.menuBar()->actions())
            captions << a->text();
        return captions;
    }
    QAction* action(const char* name) { return started.window.findChild<QAction*>(name); }
    const PerformanceAreaWidgets& area(int i) { return started.window.areas().area(i); }
    void moveOver(int i, QPointF at)
    {
        QWidget* picture = area(i).PerformanceImage;
        QMouseEvent event(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(picture, &event);
    }

    test::LoadedMainWindow started;
};

// What a widget is asked to repaint.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->rect();
        return false;
    }
    QRegion painted;
};

} // namespace

TEST_F(PlayMenuTest, CtrlEBringsThePlayMenuBeforeHelpAndSwitchesBothWays)
{
    EXPECT_EQ(menus(), (QStringList{"&File", "&Edit", "&MIDI", "&Help"}));
    started.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&started.window));
    QTest::keyClick(started.window.windowHandle(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(started.window.areas().performance().extended());
    EXPECT_EQ(menus(), (QStringList{"&File", "&Edit", "&MIDI", "Pla&y", "&Help"}));
    EXPECT_TRUE(action("MnuExtendedPlay")->isChecked());

    // Access keys stay unique in the menu bar and in each menu of Play.
    std::set<QChar> keys;
    for (const QString& caption : menus())
        EXPECT_TRUE(keys.insert(caption.at(caption.indexOf('&') + 1).toLower()).second) << caption.toStdString();
    auto* play = started.window.findChild<QMenu*>("MnuPlay");
    QList<QMenu*> playMenus = play->findChildren<QMenu*>();
    playMenus << play;
    for (QMenu* menu : playMenus) {
        std::set<QChar> inMenu;
        for (QAction* item : menu->actions()) {
            const qsizetype amp = item->text().indexOf('&');
            if (amp < 0)
                continue;
            EXPECT_TRUE(inMenu.insert(item->text().at(amp + 1).toLower()).second) << item->text().toStdString();
        }
    }

    QTest::keyClick(started.window.windowHandle(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_FALSE(started.window.areas().performance().extended());
    EXPECT_FALSE(action("MnuExtendedPlay")->isChecked());
    EXPECT_EQ(menus().size(), 5); // the menu stays for the run
}

TEST_F(PlayMenuTest, SwitchingOffPutsBackWhatTheClassicRulesShowAndSend)
{
    area(0).WidthCombo->setCurrentIndex(2); // Pitch / Pan: VelText enabled
    const QPointF middle(69, 51);
    moveOver(0, middle);
    const QString classicReadout = area(0).InfoLabel->text();
    started.midi.clear();
    moveOver(0, middle);
    const Bytes classic = started.midi.sent();

    started.window.play().setExtended(true);
    EXPECT_EQ(area(0).InfoLabel->text(), "active");
    EXPECT_TRUE(area(0).VelText->isEnabled());
    started.midi.clear();
    moveOver(0, middle);
    // 128 bands of pitch over 102 pixels, the 51st from the top; 128 of pan over 138
    EXPECT_EQ(area(0).InfoLabel->text(), "Pitch 62 D4, Pan 64");
    EXPECT_EQ(started.midi.sent(), (Bytes{{0xB0, 10, 64}, {0x90, 62, 120}}));

    started.midi.clear();
    started.window.play().setExtended(false);
    EXPECT_EQ(started.midi.sent(), (Bytes{{0x80, 62, 64}})); // the note Extended Play started ends
    EXPECT_EQ(area(0).InfoLabel->text(), classicReadout);
    started.midi.clear();
    moveOver(0, middle);
    EXPECT_EQ(started.midi.sent(), classic);
}

TEST_F(PlayMenuTest, LimitBoxesShowTheValueInUseAndLeavingEndsTheNote)
{
    started.window.play().setExtended(true);
    QLineEdit* top = area(0).VLimitMax;
    top->setText("999");
    emit top->editingFinished();
    EXPECT_EQ(top->text(), "127");
    area(0).HLimitMin->setText("soft");
    emit area(0).HLimitMin->editingFinished();
    EXPECT_EQ(area(0).HLimitMin->text(), "soft");

    moveOver(0, {69, 101}); // the bottom band: pitch 0
    started.midi.clear();
    bool ended = false;
    started.midi.layer.setProgramEnd([&] { ended = true; });
    action("Exit")->trigger();
    EXPECT_TRUE(ended);
    EXPECT_EQ(started.midi.sent(), (Bytes{{0x80, 0, 64}}));
}

TEST_F(PlayMenuTest, TheBigPicturePlaysItsAreaScaledToItsOwnSize)
{
    started.window.showBigPicture(0);
    BigPicture* big = started.window.bigPicture();
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->windowTitle(), "Big Picture");
    big->resize(1000, 700);
    PerformancePicture* picture = big->picture();
    ASSERT_TRUE(test::waitUntil([&] { return picture->size() == QSize(1000, 700); }));
    started.midi.clear();
    const QPointF at(500, 350); // value 63, 63 of 0..126 at this size
    QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(picture, &move);
    EXPECT_EQ(started.midi.sent(), (Bytes{{0x90, 65, 63}}));
    EXPECT_EQ(area(0).InfoLabel->text(), "Pitch 65, Vel 63");
}

// Each move over the Big Picture shows a new caption: repainting all of a
// large picture for it took a whole display frame of CPU.
TEST_F(PlayMenuTest, ANewCaptionRepaintsOnlyTheBigPicturesCorner)
{
    started.window.play().setExtended(true);
    started.window.showBigPicture(0);
    BigPicture* big = started.window.bigPicture();
    big->resize(1000, 700);
    PerformancePicture* picture = big->picture();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(big));
    ASSERT_TRUE(test::waitUntil([&] { return picture->size() == QSize(1000, 700); }));
    PaintWatch watch(picture);
    QRegion& painted = watch.painted;
    ASSERT_TRUE(test::waitUntil([&] { return !painted.isEmpty(); })); // shown at its new size
    QTest::qWait(100);
    for (const QPointF at : {QPointF(100, 600), QPointF(900, 100)}) {
        painted = QRegion();
        QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(picture, &move);
        ASSERT_TRUE(test::waitUntil([&] { return !painted.isEmpty(); }));
        const QRect corner = painted.boundingRect();
        EXPECT_LT(corner.width() * corner.height(), 1000 * 700 / 8);
        EXPECT_EQ(corner.right(), 1000 - 1 - 12);
        EXPECT_LT(corner.top(), 12);
    }
}

TEST_F(PlayMenuTest, BendAndModulationAreListedOnlyUnderExtendedPlay)
{
    QComboBox* height = area(2).HeightCombo;
    EXPECT_EQ(height->count(), 6);
    started.window.play().setExtended(true);
    ASSERT_EQ(height->count(), 8);
    EXPECT_EQ(height->itemText(6), "Pitch Bend");
    EXPECT_EQ(area(2).WidthCombo->itemText(7), "Modulation");
    height->setCurrentIndex(6); // Pitch Bend / Velocity
    EXPECT_EQ(area(2).PerfModeLabel->text(), "61");
    started.midi.clear();
    // The top row of 105 holds bands 16227..16383 of the bend's 16384: it
    // sends the first of them, LSB then MSB, before the note.
    moveOver(2, {0, 0});
    ASSERT_EQ(started.midi.sent().size(), 2u);
    EXPECT_EQ(started.midi.sent().front(), (std::vector<std::uint8_t>{0xE0, 16227 & 0x7F, 16227 >> 7}));

    started.window.play().setExtended(false);
    EXPECT_EQ(height->count(), 6);
    EXPECT_EQ(height->currentIndex(), 0); // back to Pitch / Velocity, as picked
    EXPECT_EQ(area(2).PerfModeLabel->text(), "1");
}

TEST_F(PlayMenuTest, APensPressureGivesTheVelocityWhereNoAxisDoes)
{
    started.window.play().setExtended(true);
    area(0).WidthCombo->setCurrentIndex(2); // Pitch / Pan
    const QPointingDevice pen("pen", 7, QInputDevice::DeviceType::Stylus, QPointingDevice::PointerType::Pen,
                              QInputDevice::Capability::Position | QInputDevice::Capability::Pressure, 1, 2);
    QWidget* picture = area(0).PerformanceImage;
    const QPointF at(69, 51);
    started.midi.clear();
    QTabletEvent touch(QEvent::TabletMove, &pen, at, picture->mapToGlobal(at), 0.5, 0, 0, 0, 0, 0, Qt::NoModifier,
                       Qt::LeftButton, Qt::LeftButton);
    QCoreApplication::sendEvent(picture, &touch);
    ASSERT_FALSE(started.midi.sent().empty());
    EXPECT_EQ(started.midi.sent().back(), (std::vector<std::uint8_t>{0x90, 62, 64})); // 0.5 x 126 + 1
}
