// Performance setups: saved from one started window and opened in another,
// through the real controls, and documents that are no usable setup
// refused whole.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>

#include "app/DocumentMenu.h"
#include "app/PlayMenu.h"
#include "app/SetupBinding.h"
#include "performance/widgets/PerformanceAreas.h"
#include "performance/widgets/PerformancePicture.h"
#include "support/LoadedMainWindow.h"

using namespace kelmar;
using Bytes = std::vector<std::vector<std::uint8_t>>;

namespace {

// Plays a pointer movement over the middle of each area's picture.
Bytes playEachArea(test::LoadedMainWindow& started)
{
    started.midi.clear();
    for (int i = 0; i < AreaCount; ++i) {
        QWidget* picture = started.window.areas().area(i).PerformanceImage;
        const QPointF at(picture->width() / 3.0, picture->height() / 4.0);
        QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(picture, &move);
    }
    return started.midi.sent();
}

} // namespace

TEST(SetupTest, ASavedSetupOpensInAFreshWindowWithTheSameControlsAndMessages)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath("setup.json");
    QStringList told;
    PerformanceSetup saved;
    Bytes played;
    {
        test::LoadedMainWindow first;
        MainWindow& w = first.window;
        w.play().setScale(Scale(ScaleKind::Dorian, 2));
        w.play().setExtended(true);
        const PerformanceAreaWidgets& a1 = w.areas().area(1);
        a1.HeightCombo->setCurrentIndex(4); // Volume / Pan: an XY pad
        a1.WidthCombo->setCurrentIndex(2);
        w.areas().area(2).VLimitMin->setText("48");
        w.areas().area(3).MouseDownCheck->setChecked(true);
        w.general().MidiChannelScroll->setValue(5);
        w.general().ComboPatch->setCurrentIndex(40);
        w.general().PanScroll->setValue(30);
        w.general().MidiChannelScroll->setValue(2);
        saved = SetupBinding::capture(w);
        ASSERT_TRUE(DocumentMenu(w, [&](const QString& t) { told << t; }).saveSetup(path));
        played = playEachArea(first);
    }
    test::LoadedMainWindow second;
    ASSERT_TRUE(DocumentMenu(second.window, [&](const QString& t) { told << t; }).openSetup(path));
    EXPECT_TRUE(told.isEmpty()) << told.join("\n").toStdString();
    EXPECT_EQ(SetupBinding::capture(second.window), saved);
    // Opening sent channel 6's programme and pan as choosing it does, and
    // ends on channel 3.
    const Bytes opened = second.midi.sent();
    EXPECT_NE(std::find(opened.begin(), opened.end(), std::vector<std::uint8_t>{0xC5, 40}), opened.end());
    EXPECT_NE(std::find(opened.begin(), opened.end(), std::vector<std::uint8_t>{0xB5, 10, 30}), opened.end());
    EXPECT_EQ(second.midi.layer.channels().CurrentChannel, 2);
    EXPECT_EQ(playEachArea(second), played);
}

TEST(SetupTest, DocumentsThatAreNoUsableSetupAreRefusedWholeNamingTheProblem)
{
    const QByteArray good = PerformanceSetup{}.toJson();
    QByteArray wrongArea = good;
    wrongArea.replace("\"width\": 1", "\"width\": \"wide\"");
    QByteArray outOfRange = good;
    outOfRange.replace("\"octave\": 0", "\"octave\": 9");
    QByteArray otherVersion = good;
    otherVersion.replace("\"version\": 1", "\"version\": 2");
    const struct {
        QByteArray document;
        const char* problem;
    } cases[] = {
        {good.left(good.size() / 2), "not a setup"},
        {"{\"format\": \"something-else\"}", "not a Kelmar setup"},
        {otherVersion, "another version (2)"},
        {wrongArea, "area 0: width must be a whole number from 0 to 5"},
        {outOfRange, "channel 1: octave must be a whole number from 0 to 3"},
        {QByteArray("\x00\xff\xfe binary", 10), "not a setup"},
    };
    for (const auto& c : cases) {
        const auto read = PerformanceSetup::fromJson(c.document);
        ASSERT_TRUE(std::holds_alternative<QString>(read)) << c.problem;
        EXPECT_TRUE(std::get<QString>(read).contains(c.problem)) << std::get<QString>(read).toStdString();
    }
    EXPECT_TRUE(std::holds_alternative<PerformanceSetup>(PerformanceSetup::fromJson(good)));

    // A huge file is refused unread, and nothing of the window changes.
    const QTemporaryDir dir;
    QFile huge(dir.filePath("huge.json"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write(QByteArray(PerformanceSetup::MaxBytes + 10, ' '));
    huge.close();
    test::LoadedMainWindow started;
    const PerformanceSetup before = SetupBinding::capture(started.window);
    QStringList told;
    EXPECT_FALSE(DocumentMenu(started.window, [&](const QString& t) { told << t; }).openSetup(huge.fileName()));
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains("too large")) << told[0].toStdString();
    EXPECT_EQ(SetupBinding::capture(started.window), before);
    EXPECT_EQ(started.midi.sent(), Bytes{});
}

TEST(SetupTest, ASaveThatCannotBeWrittenIsTold)
{
    const QTemporaryDir dir;
    test::LoadedMainWindow started;
    QStringList told;
    DocumentMenu documents(started.window, [&](const QString& t) { told << t; });
    EXPECT_FALSE(documents.saveSetup(dir.filePath("missing/folder/setup.json")));
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains("was not saved")) << told[0].toStdString();
}
