// The main window over a recording device: names and initial contents of
// the controls, and real mouse and key events on the performance areas.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

#include <map>

#include "ui/ControlArray.h"
#include "app/MainWindow.h"
#include "performance/widgets/PerformanceAreas.h"
#include "performance/widgets/PerformancePicture.h"
#include "support/RecordingMidiRig.h"

namespace kelmar {
namespace {

using Bytes = std::vector<std::vector<std::uint8_t>>;

void sendMouse(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, w->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

void move(QWidget* w, QPointF at, Qt::MouseButtons held = Qt::NoButton)
{
    sendMouse(w, QEvent::MouseMove, at, Qt::NoButton, held);
}

void click(QWidget* w, Qt::MouseButton button, QPointF at)
{
    sendMouse(w, QEvent::MouseButtonPress, at, button, button);
    sendMouse(w, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

void typeKey(QWidget* w, Qt::Key key, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &release);
}

QPointF centre(const QWidget* w) { return QRectF(w->rect()).center(); }

class MainWindowTest : public ::testing::Test {
protected:
    // The areas as start-up leaves them; the rest of the window keeps its
    // initial contents.
    MainWindowTest()
    {
        window.areas().fillAxisLists();
        window.areas().resetPairTables();
    }

    const PerformanceAreaWidgets& area(int i) const { return window.areas().area(i); }
    PerformancePicture* picture(int i) const { return area(i).PerformanceImage; }
    QString info(int i) const { return area(i).InfoLabel->text(); }
    void pick(int i, int height, int width)
    {
        area(i).HeightCombo->setCurrentIndex(height);
        area(i).WidthCombo->setCurrentIndex(width);
    }
    // The enabled state of every control of the window, by name and index.
    std::map<std::string, bool> enabledStates() const
    {
        std::map<std::string, bool> states;
        for (const QWidget* w : window.findChildren<QWidget*>()) {
            const QString name = w->objectName();
            if (!name.isEmpty() && !name.startsWith("qt_"))
                states[key(w)] = w->isEnabled();
        }
        return states;
    }
    static std::string key(const QWidget* w)
    {
        const QVariant index = w->property(ControlArray::IndexProperty);
        const QString name = index.isValid() ? QString("%1(%2)").arg(w->objectName(), index.toString()) : w->objectName();
        return name.toStdString();
    }

    test::RecordingMidiRig midi;
    MainWindow window{midi.layer};
};

TEST_F(MainWindowTest, TheWindowAndItsGeneralControls)
{
    EXPECT_EQ(window.objectName(), "frmMain");
    EXPECT_EQ(window.windowTitle(), "Kelmar");
    EXPECT_EQ(window.centralWidget()->size(), QSize(603, 397)); // 9045 x 5955 twips

    const struct {
        int index;
        const char* caption;
        QRect place;
    } frames[] = {
        {0, "General Controls", {5, 3, 507, 48}},
        {1, "Mouse Performance Controls", {5, 53, 594, 342}},
        {2, "Formulator", {245, 12, 264, 22}},
    };
    for (const auto& f : frames) {
        const QGroupBox* frame = ControlArray::member<QGroupBox>(&window, "ControlFrame", f.index);
        ASSERT_NE(frame, nullptr) << f.index;
        EXPECT_EQ(frame->title(), f.caption);
        EXPECT_EQ(frame->geometry(), f.place);
    }

    const struct {
        const char* name;
        int maximum;
    } bars[] = {{"MidiChannelScroll", 15}, {"VolumeScroll", 127}, {"OctaveScroll", 3}, {"PanScroll", 127}};
    for (const auto& b : bars) {
        const QScrollBar* bar = window.findChild<QScrollBar*>(b.name);
        ASSERT_NE(bar, nullptr) << b.name;
        EXPECT_EQ(bar->minimum(), 0) << b.name;
        EXPECT_EQ(bar->maximum(), b.maximum) << b.name;
        EXPECT_EQ(bar->singleStep(), 1) << b.name;
        EXPECT_EQ(bar->pageStep(), 1) << b.name;
    }

    const struct {
        const char* name;
        const char* text;
    } labels[] = {
        {"MIDIChannelOutLabel", "1"}, {"LabelVolume", "100"}, {"LabelOctave", "0"},      {"LabelPan", "64"},
        {"Label13", "Volume"},        {"Label5", "Octave"},   {"LabelPanText", "Pan"}, {"LabelPatch", "Patch"},
    };
    for (const auto& l : labels) {
        const QLabel* label = window.findChild<QLabel*>(l.name);
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), l.text) << l.name;
    }
    EXPECT_EQ(ControlArray::member<QLabel>(&window, "FormulatorLabel", 0)->text(), "MIDI Channel");
    EXPECT_EQ(window.findChild<QPushButton*>("Command1")->text(), ">|<");
    EXPECT_EQ(window.findChild<QPushButton*>("AllOff")->text(), "&All Notes Off");
    for (const char* list : {"ComboPatch", "FavouritePatch"}) {
        ASSERT_NE(window.findChild<QComboBox*>(list), nullptr) << list;
        EXPECT_FALSE(window.findChild<QComboBox*>(list)->isEditable()) << list;
    }
    EXPECT_NE(window.findChild<QLabel*>("GoImage"), nullptr);
    EXPECT_NE(window.findChild<QLabel*>("AllOffImage"), nullptr);
}

TEST_F(MainWindowTest, EveryAreaHasOneMemberOfEachArrayInItsFrame)
{
    const char* arrays[] = {"PerfCheck", "MouseDownCheck", "PerformanceImage", "PerfModeLabel", "InfoLabel",
                            "HeightCombo", "WidthCombo", "VelText", "PitchText", "VLimitMin",
                            "VLimitMax", "HLimitMin", "HLimitMax"};
    const QWidget* performanceFrame = ControlArray::member<QWidget>(&window, "ControlFrame", 1);
    for (int i = 0; i < 4; ++i) {
        const QWidget* frame = ControlArray::member<QWidget>(&window, "PerfArea", i);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->parentWidget(), performanceFrame);
        for (const char* name : arrays) {
            const QWidget* member = ControlArray::member<QWidget>(&window, name, i);
            ASSERT_NE(member, nullptr) << name << '(' << i << ')';
            EXPECT_EQ(member->parentWidget(), frame) << name << '(' << i << ')';
        }
        for (int k = 1 + 6 * i; k <= 6 + 6 * i; ++k) // the area's static captions
            EXPECT_EQ(ControlArray::member<QWidget>(&window, "FormulatorLabel", k)->parentWidget(), frame) << k;
    }
}

TEST_F(MainWindowTest, AreasStartOnPitchAndVelocity)
{
    const QStringList parameters = {"Pitch", "Velocity", "Pan", "Channel", "Volume", "Programme"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const PerformanceAreaWidgets& a = area(i);
        EXPECT_EQ(a.PerfCheck->text(), "Mouse &Performance Enabled");
        EXPECT_TRUE(a.PerfCheck->isChecked());
        EXPECT_EQ(a.MouseDownCheck->text(), "Mouse &Down Only");
        EXPECT_FALSE(a.MouseDownCheck->isChecked());
        for (QComboBox* list : {a.HeightCombo, a.WidthCombo}) {
            ASSERT_EQ(list->count(), 6);
            for (int p = 0; p < 6; ++p)
                EXPECT_EQ(list->itemText(p), parameters[p]);
        }
        EXPECT_EQ(a.HeightCombo->currentText(), "Pitch");
        EXPECT_EQ(a.WidthCombo->currentText(), "Velocity");
        EXPECT_EQ(window.areas().performance().pairs().PairCode(i), 1);
        EXPECT_EQ(a.PerfModeLabel->text(), "1");
        EXPECT_EQ(a.InfoLabel->text(), "active");
        EXPECT_EQ(a.VelText->text(), "120");
        EXPECT_EQ(a.PitchText->text(), "63");
        EXPECT_FALSE(a.VelText->isEnabled());
        EXPECT_FALSE(a.PitchText->isEnabled());
        EXPECT_EQ(a.VLimitMin->text(), "VLimitMin");
        EXPECT_EQ(a.VLimitMax->text(), "VLimitMax");
        EXPECT_EQ(a.HLimitMin->text(), "HLMin");
        EXPECT_EQ(a.HLimitMax->text(), "HLMax");
    }
    EXPECT_TRUE(midi.sent().empty()); // building the window sends nothing
}

TEST_F(MainWindowTest, EachAreaPlaysItsOwnPairAndWritesItsOwnReadout)
{
    pick(1, 0, 2); // area 1: Pitch / Pan
    move(picture(0), centre(picture(0)));
    EXPECT_EQ(info(0), "Pitch 65, Vel 63");
    midi.clear();

    move(picture(1), centre(picture(1)));
    EXPECT_EQ(midi.sent(), (Bytes{{0x90, 65, 120}, {0xB0, 10, 63}}));
    EXPECT_EQ(info(1), "Pitch 65, Pan 63");
    EXPECT_EQ(info(0), "Pitch 65, Vel 63");
    EXPECT_EQ(window.areas().performance().state().CurrentArea, 1);
}

TEST_F(MainWindowTest, ADragThatLeavesThePictureIsClampedToItsEdges)
{
    move(picture(0), {-30, 400}, Qt::LeftButton);
    EXPECT_EQ(midi.sent(), (Bytes{{0x90, 2, 0}}));
    EXPECT_EQ(info(0), "Pitch 2, Vel 0");
    move(picture(0), {1000, -5}, Qt::LeftButton);
    EXPECT_EQ(info(0), "Pitch 128, Vel 126"); // sent as note 127
}

TEST_F(MainWindowTest, MouseDownCheckDecidesWhetherMovementOrLeftPressesPlay)
{
    enum Event { Move, LeftPress, MiddlePress };
    const struct {
        bool mouseDownOnly;
        Event event;
        bool plays;
    } cases[] = {
        {false, Move, true},       {false, LeftPress, false}, {false, MiddlePress, false},
        {true, Move, false},       {true, LeftPress, true},   {true, MiddlePress, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "down only " << c.mouseDownOnly << " event " << c.event);
        area(2).MouseDownCheck->setChecked(c.mouseDownOnly);
        area(2).InfoLabel->setText("-");
        midi.clear();
        const QPointF at = centre(picture(2));
        if (c.event == Move)
            move(picture(2), at);
        else
            click(picture(2), c.event == LeftPress ? Qt::LeftButton : Qt::MiddleButton, at);
        const Bytes expected = c.plays ? Bytes{{0x90, 65, 63}} : Bytes{};
        EXPECT_EQ(midi.sent(), expected);
        EXPECT_EQ(info(2), c.plays ? "Pitch 65, Vel 63" : "-");
    }
}

TEST_F(MainWindowTest, ARightPressSweepsWhateverTheCheckBoxesSay)
{
    midi.layer.channels().CurrentChannel = 4;
    for (const bool mouseDownOnly : {false, true}) {
        area(3).MouseDownCheck->setChecked(mouseDownOnly);
        midi.clear();
        click(picture(3), Qt::RightButton, centre(picture(3)));
        ASSERT_EQ(midi.device->sent.size(), 2048u) << mouseDownOnly;
        EXPECT_EQ(midi.sent().front(), (std::vector<std::uint8_t>{0x90, 0, 0}));
        EXPECT_EQ(midi.sent().back(), (std::vector<std::uint8_t>{0x9F, 127, 0}));
        EXPECT_EQ(midi.layer.channels().CurrentChannel, 4);
    }
    // a switched-off area's picture takes no events: it neither plays nor sweeps
    area(3).PerfCheck->setChecked(false);
    midi.clear();
    click(picture(3), Qt::RightButton, centre(picture(3)));
    move(picture(3), centre(picture(3)));
    EXPECT_TRUE(midi.sent().empty());
}

TEST_F(MainWindowTest, ClearingPerfCheck2SwitchesExactlyArea2sMembers)
{
    const auto before = enabledStates();
    QCheckBox* box = area(2).PerfCheck;
    const QPointF indicator(6, box->height() / 2.0);

    click(box, Qt::LeftButton, indicator);
    ASSERT_FALSE(box->isChecked());
    std::map<std::string, bool> expected = before;
    for (const QWidget* member : area(2).switchedMembers())
        expected.at(key(member)) = false;
    EXPECT_EQ(enabledStates(), expected);
    EXPECT_FALSE(area(2).PerformanceImage->isEnabled());
    EXPECT_FALSE(area(2).MouseDownCheck->isEnabled());

    click(box, Qt::LeftButton, indicator);
    ASSERT_TRUE(box->isChecked());
    EXPECT_EQ(enabledStates(), before);

    // the keyboard toggles the box and the area together
    typeKey(box, Qt::Key_Space, " ");
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(area(2).PerformanceImage->isEnabled());
    typeKey(box, Qt::Key_Space, " ");
    EXPECT_EQ(enabledStates(), before);
}

TEST_F(MainWindowTest, PickingVelocityAndPanInArea3)
{
    pick(3, 1, 2);
    EXPECT_EQ(window.areas().performance().pairs().PairCode(3), 12);
    EXPECT_EQ(area(3).PerfModeLabel->text(), "12");
    EXPECT_EQ(info(3), "active");
    EXPECT_TRUE(area(3).PitchText->isEnabled());
    EXPECT_FALSE(area(3).VelText->isEnabled());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(area(i).PerfModeLabel->text(), "1") << i;

    move(picture(3), centre(picture(3)));
    EXPECT_EQ(midi.sent(), (Bytes{{0x90, 63, 65}, {0xB0, 10, 63}}));
    EXPECT_EQ(info(3), "Velocity 65, Pan 63");
}

TEST_F(MainWindowTest, PanOnBothAxesIsTheSameParameterAndNotYetAvailable)
{
    pick(3, 2, 2);
    EXPECT_EQ(window.areas().performance().pairs().PairCode(3), 22);
    EXPECT_EQ(area(3).PerfModeLabel->text(), "22");
    EXPECT_EQ(info(3), "same parameter");
    EXPECT_FALSE(area(3).PitchText->isEnabled());
    EXPECT_FALSE(area(3).VelText->isEnabled());

    move(picture(3), centre(picture(3)));
    EXPECT_EQ(info(3), "Not yet available");
    EXPECT_TRUE(midi.sent().empty());
}

TEST_F(MainWindowTest, Codes0And52PlayNothingAndCode33IsNotYetAvailable)
{
    const struct {
        int height;
        int width;
        const char* info; // after a pointer movement
    } cases[] = {{0, 0, "same parameter"}, {3, 3, "Not yet available"}, {5, 2, "active"}};
    for (const auto& c : cases) {
        pick(0, c.height, c.width);
        EXPECT_EQ(area(0).PerfModeLabel->text(), QString::number(10 * c.height + c.width));
        midi.clear();
        move(picture(0), centre(picture(0)));
        EXPECT_EQ(midi.sent(), Bytes{}) << c.height << c.width;
        EXPECT_EQ(info(0), c.info);
    }
}

TEST_F(MainWindowTest, FixedValueBoxesTakeOnlyWholeNumbers0To127)
{
    for (QLineEdit* box : {area(0).PitchText, area(0).VelText}) {
        box->setEnabled(true);
        box->clear();
        for (const char* key : {"1", "2", "8", "-", "a", "7"})
            typeKey(box, Qt::Key_unknown, QString::fromLatin1(key));
        EXPECT_EQ(box->text(), "127") << box->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, AnEmptyFixedValueBoxSendsNothingForItsMessageOnly)
{
    pick(0, 1, 2); // Velocity / Pan: the note comes from PitchText
    area(0).PitchText->clear();
    move(picture(0), centre(picture(0)));
    EXPECT_EQ(midi.sent(), (Bytes{{0xB0, 10, 63}}));
    EXPECT_EQ(info(0), "Velocity 65, Pan 63");
}

TEST_F(MainWindowTest, PicturesOverlapNeitherEachOtherNorTheirAreasControls)
{
    const auto inWindow = [this](const QWidget* w) { return QRect(w->mapTo(&window, QPoint(0, 0)), w->size()); };
    for (int i = 0; i < 4; ++i) {
        const QRect own = inWindow(picture(i));
        EXPECT_FALSE(own.isEmpty());
        for (int j = i + 1; j < 4; ++j)
            EXPECT_FALSE(own.intersects(inWindow(picture(j)))) << i << " and " << j;
        for (const QWidget* control : area(i).PerfArea->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control == picture(i))
                continue;
            EXPECT_FALSE(own.intersects(inWindow(control)))
                << "picture " << i << " and " << control->objectName().toStdString();
        }
    }
}

} // namespace
} // namespace kelmar
