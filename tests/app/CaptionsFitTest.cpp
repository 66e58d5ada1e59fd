// Every caption of the program's windows fits its control in the fonts the
// set-up installs, in English and in every language the program is
// translated to: text advance against the room the style leaves it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>

#include "app/PlayMenu.h"
#include "app/Translation.h"
#include "help/AboutBox.h"
#include "settings/PreferencesWindow.h"
#include "support/LoadedMainWindow.h"
#include "ui/WindowFonts.h"
#include "midi/MidiDeviceCatalogue.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiMessageLayer.h"
#include "midi/MidiOutputPort.h"
#include "midi/setup/MidiSetupForm.h"
#include "midi/synth/FluidSynthBackend.h"
#include "support/RecordingBackend.h"

namespace kelmar::test {
namespace {

QString shown(QString text)
{
    return text.remove(QRegularExpression("&(?!&)")).replace("&&", "&");
}

// The room a control leaves its caption, and the caption.
struct Room {
    int width = -1; // -1: not a control with a one-line caption
    QStringList texts;
};

Room buttonRoom(const QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(button))
        contents = QStyle::SE_RadioButtonContents;
    return {button->style()->subElementRect(contents, &option, button).width(), {shown(button->text())}};
}

Room comboRoom(const QComboBox* combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    Room room{combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width(),
              {}};
    for (int i = 0; i < combo->count(); ++i)
        room.texts << combo->itemText(i);
    return room;
}

Room labelRoom(const QLabel* label)
{
    if (label->wordWrap() || label->text().isEmpty() || Qt::mightBeRichText(label->text()))
        return {};
    int width = label->contentsRect().width() - 2 * label->margin();
    if (label->indent() > 0)
        width -= label->indent();
    else if (label->indent() < 0 && label->frameWidth() > 0)
        width -= label->fontMetrics().horizontalAdvance('x') / 2;
    return {width, shown(label->text()).split('\n')};
}

Room groupRoom(const QGroupBox* group)
{
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    // The frame's width less its corners: the caption may take the rest.
    const int frame = group->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, group);
    return {group->width() - 4 * frame, {shown(group->title())}};
}

Room roomOf(const QWidget* widget)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return buttonRoom(button);
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return comboRoom(combo);
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return labelRoom(label);
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        return groupRoom(group);
    return {};
}

// "Name: 'text' needs 80 px, has 72" for every caption of `window` that does not fit.
QStringList captionsCut(const QWidget& window)
{
    QStringList cut;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const Room room = roomOf(widget);
        for (const QString& text : room.texts) {
            const int needed = widget->fontMetrics().horizontalAdvance(text);
            if (needed > room.width)
                cut << QString("%1: '%2' needs %3 px, has %4")
                           .arg(widget->objectName(), text)
                           .arg(needed)
                           .arg(room.width);
        }
    }
    return cut;
}

TEST(CaptionsFit, TheWindowFontsComeFromAFaceTheWindowNames)
{
    // Not the last fallback: the set-up installs Liberation Sans.
    const QString family = QFontInfo(WindowFonts::sans()).family();
    EXPECT_NE(family, "DejaVu Sans");
    EXPECT_TRUE(QStringList({"Nimbus Sans", "Liberation Sans", "Arial", "Helvetica"}).contains(family))
        << family.toStdString();
}

// The windows built with one language's translation installed.
class CaptionsFitIn : public ::testing::TestWithParam<const char*> {
protected:
    CaptionsFitIn()
        : translation({QString::fromLatin1(GetParam())}, KELMAR_TRANSLATIONS_DIR)
    {
        translation.install();
    }

    Translation translation;
};

TEST_P(CaptionsFitIn, EveryWindow)
{
    LoadedMainWindow loaded;
    loaded.window.play().setExtended(true); // Extended Play's entries in the areas' lists
    PreferencesWindow preferences;
    AboutBox about;
    const std::vector<std::pair<const char*, const QWidget*>> windows = {
        {"main window", &loaded.window},
        {"MIDI setup", loaded.window.setup().form()},
        {"preferences", &preferences},
        {"about box", &about},
    };
    for (const auto& [name, window] : windows) {
        ASSERT_NE(window, nullptr) << name;
        const QStringList cut = captionsCut(*window);
        EXPECT_TRUE(cut.isEmpty()) << name << ":\n  " << cut.join("\n  ").toStdString();
    }
}

// The names the system's own devices are listed by, in the setup dialog's lists.
TEST_P(CaptionsFitIn, TheSystemsOwnDeviceNamesInTheSetupLists)
{
    MidiDeviceCatalogue catalogue;
    auto backend = std::make_unique<RecordingBackend>(std::vector<std::string>{FluidSynthBackend::DeviceLabel},
                                                      std::vector<std::string>{});
    RecordingBackend* device = backend.get();
    catalogue.addBackend(std::move(backend));
    catalogue.setMapper(device, FluidSynthBackend::DeviceLabel, "Default output");
    MidiOutputPort out(catalogue);
    MidiInputPort in(catalogue);
    MidiMessageLayer layer(out, in);
    const MidiSetupForm form(layer, [](const QString&) {});
    const QStringList cut = captionsCut(form);
    EXPECT_TRUE(cut.isEmpty()) << cut.join("\n  ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionsFitIn, ::testing::Values("en", "de", "fr", "es"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
} // namespace kelmar::test
