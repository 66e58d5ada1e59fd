// The started main window driven with real key and mouse events: picks
// that re-pick the entry shown, the bars from the keyboard, the menus'
// access keys, double clicks, keyboard play and accessible names.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

#include "performance/PerformanceScaling.h"
#include "performance/widgets/PerformanceAreas.h"
#include "performance/widgets/PerformancePicture.h"
#include "support/EventLoop.h"
#include "support/LoadedMainWindow.h"

using namespace kelmar;
using Bytes = std::vector<std::vector<std::uint8_t>>;

namespace {

constexpr int Cello = 42;

class KeyboardTest : public ::testing::Test {
protected:
    KeyboardTest()
    {
        started.window.activateWindow();
        test::waitUntil([&] { return started.window.isActiveWindow(); });
    }

    template <typename T>
    T* control(const char* name) { return started.window.findChild<T*>(name); }
    const PerformanceAreaWidgets& area0() const { return started.window.areas().area(0); }
    PerformancePicture* picture() const { return area0().PerformanceImage; }
    Bytes sent() const { return started.midi.sent(); }
    void clear() { started.midi.clear(); }

    // Picks `position` in the list's open popup with the Return key.
    void pick(QComboBox* list, int position)
    {
        list->setFocus();
        key(list, Qt::Key_F4);
        QAbstractItemView* view = list->view();
        ASSERT_TRUE(test::waitUntil([&] { return view->isVisible(); }));
        view->setCurrentIndex(view->model()->index(position, list->modelColumn()));
        key(view, Qt::Key_Return);
        ASSERT_TRUE(test::waitUntil([&] { return !view->isVisible(); }));
    }

    void key(QWidget* to, Qt::Key k, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(to, k, modifiers); }

    // A real pointer movement (through the window system layer) to `at` in the picture.
    void pointerTo(QPoint at) { QTest::mouseMove(started.window.windowHandle(), picture()->mapTo(&started.window, at)); }

    // Moves the keyboard's play position to `values`; only the last press is recorded.
    void keysTo(QPoint values)
    {
        PerformancePicture* p = picture();
        p->setFocus(Qt::TabFocusReason);
        for (int guard = 0; p->playPosition() != values && guard < 100; ++guard) {
            const QPoint now = p->playPosition();
            const int dx = values.x() - now.x();
            const int dy = values.y() - now.y();
            const int distance = dx != 0 ? std::abs(dx) : std::abs(dy);
            const Qt::Key k = dx > 0 ? Qt::Key_Right : dx < 0 ? Qt::Key_Left : dy > 0 ? Qt::Key_Down : Qt::Key_Up;
            if (distance == 1)
                clear();
            key(p, k, distance >= 10 ? Qt::ShiftModifier : Qt::NoModifier);
        }
        ASSERT_EQ(p->playPosition(), values);
    }

    test::LoadedMainWindow started;
};

} // namespace

TEST_F(KeyboardTest, EveryPickOfAListRunsItsHandlingOnce)
{
    auto* favourites = control<QComboBox>("FavouritePatch");
    auto* patches = control<QComboBox>("ComboPatch");
    pick(favourites, Cello);
    EXPECT_EQ(sent(), (Bytes{{0xC0, Cello}})) << "a pick that changes the position handles it once";

    // The favourite list does not follow the channel: channel 2 re-picks Cello.
    key(control<QScrollBar>("MidiChannelScroll"), Qt::Key_Right);
    clear();
    pick(favourites, Cello);
    EXPECT_EQ(sent(), (Bytes{{0xC1, Cello}}));

    clear();
    pick(patches, 0);
    pick(patches, 0);
    EXPECT_EQ(sent(), (Bytes{{0xC1, 0}, {0xC1, 0}}));

    // From code, only a change of position runs the handling.
    clear();
    patches->setCurrentIndex(0);
    patches->setCurrentIndex(5);
    EXPECT_EQ(sent(), (Bytes{{0xC1, 5}}));

    // An axis re-pick resets the area's pair and what it shows.
    QLabel* info = area0().InfoLabel;
    pointerTo({5, 5});
    ASSERT_NE(info->text(), "active");
    pick(area0().HeightCombo, 0); // Pitch, as shown
    EXPECT_EQ(info->text(), "active");
    pointerTo({6, 6});
    pick(area0().WidthCombo, 1); // Velocity, as shown
    EXPECT_EQ(info->text(), "active");
}

TEST_F(KeyboardTest, TheBarsAreTabStopsAndTheKeysMoveThemAsClicksDo)
{
    // From the window's first tab stop, in reading order.
    started.window.setFocus();
    std::vector<QString> order;
    for (int i = 0; i < 4; ++i) {
        key(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(order, (std::vector<QString>{"MidiChannelScroll", "VolumeScroll", "OctaveScroll", "PanScroll"}));
    // and within an area, row by row (pair 1 leaves both fixed-value boxes
    // disabled); area 1, a mirror image, starts at its left.
    area0().PerfCheck->setFocus();
    order.clear();
    for (int i = 0; i < 9; ++i) {
        key(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(order, (std::vector<QString>{"MouseDownCheck", "PerformanceImage", "HeightCombo", "VLimitMin", "VLimitMax",
                                           "WidthCombo", "HLimitMin", "HLimitMax", "MouseDownCheck"}));
    EXPECT_EQ(QApplication::focusWidget()->property("Index"), 1);

    auto* channel = control<QScrollBar>("MidiChannelScroll");
    auto* pan = control<QScrollBar>("PanScroll");
    control<QComboBox>("ComboPatch")->setCurrentIndex(5);
    clear();
    key(channel, Qt::Key_Right); // channel 2: its programme and pan
    key(channel, Qt::Key_End);   // channel 16: programme and pan as channel 2's, nothing sent
    EXPECT_EQ(control<QLabel>("MIDIChannelOutLabel")->text(), " 16");
    key(channel, Qt::Key_PageDown); // channel 15
    key(channel, Qt::Key_Home);     // channel 1: programme 5, pan 64
    EXPECT_EQ(sent(), (Bytes{{0xC1, 0}, {0xB1, 10, 0}, {0xC0, 5}, {0xB0, 10, 64}}));
    EXPECT_EQ(control<QLabel>("MIDIChannelOutLabel")->text(), " 1");

    clear();
    key(pan, Qt::Key_Left);
    key(pan, Qt::Key_PageUp);
    key(pan, Qt::Key_End);
    EXPECT_EQ(sent(), (Bytes{{0xB0, 10, 63}, {0xB0, 10, 64}, {0xB0, 10, 127}}));
    EXPECT_EQ(control<QLabel>("LabelPan")->accessibleName(), "Pan: 127");
    key(control<QScrollBar>("VolumeScroll"), Qt::Key_Left);
    EXPECT_EQ(control<QLabel>("LabelVolume")->text(), " 99");
}

TEST_F(KeyboardTest, MenuAccessKeysWinWhateverHasTheFocus)
{
    const std::vector<std::pair<Qt::Key, const char*>> menus{
        {Qt::Key_F, "File"}, {Qt::Key_E, "MnuEdit"}, {Qt::Key_M, "MIDI"}, {Qt::Key_H, "MnuHelp"}};
    const std::vector<QWidget*> focused{area0().PerfCheck, area0().MouseDownCheck, picture(),
                                        control<QScrollBar>("PanScroll"), area0().PitchText};
    for (QWidget* focus : focused) {
        for (const auto& [letter, name] : menus) {
            focus->setFocus();
            key(focus, letter, Qt::AltModifier);
            auto* menu = control<QMenu>(name);
            EXPECT_TRUE(test::waitUntil([&] { return menu->isVisible(); }, 1000))
                << name << " did not open from " << focus->objectName().toStdString();
            menu->close();
            test::waitUntil([&] { return !menu->isVisible(); });
        }
    }
    EXPECT_TRUE(area0().PerfCheck->isChecked()) << "Alt+M toggled the check box";
}

TEST_F(KeyboardTest, DoubleClicksPlayAndSweepOnce)
{
    area0().MouseDownCheck->setChecked(true);
    QWindow* window = started.window.windowHandle();
    const QPoint at = picture()->mapTo(&started.window, QPoint(20, 30));
    clear();
    QTest::mouseDClick(window, Qt::LeftButton, {}, at);
    EXPECT_EQ(sent().size(), 1u);
    clear();
    QTest::mouseDClick(window, Qt::RightButton, {}, at);
    EXPECT_EQ(sent().size(), 2048u);
}

TEST_F(KeyboardTest, KeyboardPlaySendsWhatThePointerSendsThere)
{
    const QSize size = picture()->size();
    const std::vector<QPoint> places{
        {0, 0}, {size.width() - 1, 0}, {0, size.height() - 1}, {size.width() - 1, size.height() - 1},
        {size.width() / 2, size.height() / 2}};
    // Pitch / Velocity, Velocity / Pan, Programme / Pitch
    for (const auto& [height, width] : std::vector<std::pair<int, int>>{{0, 1}, {1, 2}, {5, 0}}) {
        area0().HeightCombo->setCurrentIndex(height);
        area0().WidthCombo->setCurrentIndex(width);
        for (const QPoint at : places) {
            const QPoint values(PerformanceScaling::scaleAxis(at.x(), size.width()),
                                PerformanceScaling::scaleAxis(at.y(), size.height()));
            clear();
            pointerTo(at);
            const Bytes byPointer = sent();
            const QString shown = area0().InfoLabel->text();
            keysTo(values);
            ASSERT_FALSE(byPointer.empty());
            EXPECT_EQ(sent(), byPointer) << "pair " << height << "/" << width << " at " << at.x() << "," << at.y();
            EXPECT_EQ(area0().InfoLabel->text(), shown);
        }
    }

    // Mouse Down Only: moves play nothing, Space plays as a left press,
    // Escape and Delete sweep as a right press.
    keysTo({40, 41});
    const Bytes played = sent();
    area0().MouseDownCheck->setChecked(true);
    clear();
    key(picture(), Qt::Key_Left);
    key(picture(), Qt::Key_Right);
    EXPECT_TRUE(sent().empty());
    clear();
    key(picture(), Qt::Key_Space);
    EXPECT_EQ(sent(), played);
    clear();
    key(picture(), Qt::Key_Escape);
    key(picture(), Qt::Key_Delete);
    EXPECT_EQ(sent().size(), 2 * 2048u);
}

TEST_F(KeyboardTest, ControlsHaveAccessibleNames)
{
    // Every tab stop is named, by its caption or its own accessible name.
    for (QWidget* w : started.window.findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(&started.window) || w->focusProxy())
            continue;
        const auto* button = qobject_cast<QAbstractButton*>(w);
        EXPECT_FALSE(w->accessibleName().isEmpty() && (!button || button->text().isEmpty()))
            << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
    const QWidget* p3 = started.window.areas().area(2).PerformanceImage;
    EXPECT_EQ(p3->accessibleName(), "Performance area 3");
    EXPECT_EQ(p3->accessibleDescription(), "Pair 1: height Pitch, width Velocity");
    EXPECT_EQ(control<QLabel>("LabelVolume")->accessibleName(), "Volume: 100");
}
