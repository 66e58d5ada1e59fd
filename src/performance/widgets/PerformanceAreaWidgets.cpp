#include "performance/widgets/PerformanceAreaWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/ClassicFrame.h"
#include "ui/ControlArray.h"
#include "ui/Place.h"
#include "ui/TabOrder.h"
#include "ui/Twips.h"
#include "ui/ValueBox.h"
#include "ui/WindowFonts.h"
#include "performance/widgets/FixedValueValidator.h"
#include "performance/widgets/PerformanceAreaLayout.h"
#include "performance/widgets/PerformancePicture.h"

namespace kelmar {

namespace {

// The static captions of area i are FormulatorLabel(1 + 6i) .. (6 + 6i).
constexpr int FirstCaptionIndex = 1;
// Controls whose tops differ by less than this stand on one row.
constexpr int RowTolerance = 150;

QCheckBox* checkBox(QWidget* parent, const QString& caption, bool checked)
{
    auto* box = new QCheckBox(caption, parent);
    box->setFont(WindowFonts::sans());
    box->setChecked(checked);
    return box;
}

QLineEdit* textBox(QWidget* parent, const char* text)
{
    auto* box = new QLineEdit(QString::fromLatin1(text), parent);
    box->setFont(WindowFonts::small());
    box->setTextMargins(0, 0, 0, 0);
    box->setCursorPosition(0); // a text wider than the box shows its start
    return box;
}

QLineEdit* fixedValueBox(QWidget* parent, const char* text)
{
    QLineEdit* box = textBox(parent, text);
    box->setValidator(new FixedValueValidator(box));
    return box;
}

QComboBox* axisList(QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setFont(WindowFonts::small());
    list->setEditable(false); // pick only
    return list;
}

QLabel* modeBox(QWidget* parent)
{
    auto* box = new QLabel(QStringLiteral("1"), parent);
    box->setFont(WindowFonts::smallBold());
    styleAsValueBox(box);
    setValueCaption(box, PerformanceAreaWidgets::tr("Pair"));
    return box;
}

QLabel* infoLine(QWidget* parent)
{
    auto* line = new QLabel(PerformanceAreaWidgets::tr("off"), parent);
    // The readout changes with every move: plain text, and a font that
    // skips shaping where the script needs none (note names, numbers), so
    // that each repaint only looks up glyphs.
    QFont font = WindowFonts::small();
    font.setStyleStrategy(QFont::PreferNoShaping);
    line->setFont(font);
    line->setTextFormat(Qt::PlainText);
    line->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    line->setFrameShape(QFrame::Box);
    // Opaque: the readout changes with every move, and repainting it then
    // needs nothing of the frames behind it.
    line->setAutoFillBackground(true);
    setValueCaption(line, PerformanceAreaWidgets::tr("Played"));
    return line;
}

template <typename T>
T* described(T* control, const QString& name, const QString& description = {})
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
    return control;
}

// Names each control for assistive tools, with the area's number.
void describeArea(const PerformanceAreaWidgets& w)
{
    const int area = w.index + 1;
    const auto named = [area](const char* name) { return PerformanceAreaWidgets::tr(name).arg(area); };
    described(w.PerfArea, named(QT_TRANSLATE_NOOP("kelmar::PerformanceAreaWidgets", "Performance area %1")));
    described(w.PerformanceImage, named(QT_TRANSLATE_NOOP("kelmar::PerformanceAreaWidgets", "Performance area %1")));
    described(w.PerfCheck, named(QT_TRANSLATE_NOOP("kelmar::PerformanceAreaWidgets", "Mouse performance enabled %1")),
              PerformanceAreaWidgets::tr("Plays the area's pointer movements"));
    described(w.MouseDownCheck, named(QT_TRANSLATE_NOOP("kelmar::PerformanceAreaWidgets", "Mouse down only %1")),
              PerformanceAreaWidgets::tr("Plays on presses only"));
    described(w.HeightCombo, named(QT_TRANSLATE_NOOP("kelmar::PerformanceAreaWidgets", "Height parameter %1")),
              PerformanceAreaWidgets::tr("What the vertical position plays"));
    described(w.WidthCombo, named(QT_TRANSLATE_NOOP("kelmar::PerformanceAreaWidgets", "Width parameter %1")),
              PerformanceAreaWidgets::tr("What the horizontal position plays"));
    described(w.VelText, named(QT_TRANSLATE_NOOP("kelmar::PerformanceAreaWidgets", "Fixed velocity %1")),
              PerformanceAreaWidgets::tr("Velocity when no axis plays it"));
    described(w.PitchText, named(QT_TRANSLATE_NOOP("kelmar::PerformanceAreaWidgets", "Fixed pitch %1")),
              PerformanceAreaWidgets::tr("Pitch when no axis plays it"));
    described(w.VLimitMin, named(QT_TRANSLATE_NOOP("kelmar::PerformanceAreaWidgets", "Vertical lower limit %1")));
    described(w.VLimitMax, named(QT_TRANSLATE_NOOP("kelmar::PerformanceAreaWidgets", "Vertical upper limit %1")));
    described(w.HLimitMin, named(QT_TRANSLATE_NOOP("kelmar::PerformanceAreaWidgets", "Horizontal lower limit %1")));
    described(w.HLimitMax, named(QT_TRANSLATE_NOOP("kelmar::PerformanceAreaWidgets", "Horizontal upper limit %1")));
}

void addCaptions(QWidget* frame, int index, const PerformanceAreaLayout& layout)
{
    for (std::size_t k = 0; k < layout.captions.size(); ++k) {
        auto* caption = new QLabel(PerformanceAreaWidgets::tr(PerformanceAreaCaptions[k]), frame);
        caption->setFont(WindowFonts::small());
        place(caption, "FormulatorLabel", FirstCaptionIndex + 6 * index + static_cast<int>(k), layout.captions[k]);
    }
}

} // namespace

PerformanceAreaWidgets PerformanceAreaWidgets::build(int index, QWidget* container)
{
    const PerformanceAreaLayout& at = PerformanceAreaLayouts.at(static_cast<std::size_t>(index));
    PerformanceAreaWidgets w;
    w.index = index;
    w.PerfArea = place(new ClassicFrame(container), "PerfArea", index, at.PerfArea);
    QWidget* f = w.PerfArea;

    // Alt+M stays with the MIDI menu; P marks the box.
    w.PerfCheck = place(checkBox(f, tr("Mouse &Performance Enabled"), true), "PerfCheck", index, at.PerfCheck);
    w.MouseDownCheck = place(checkBox(f, tr("Mouse &Down Only"), false), "MouseDownCheck", index, at.MouseDownCheck);
    w.PerformanceImage = place(new PerformancePicture(f), "PerformanceImage", index, at.PerformanceImage);
    w.PerfModeLabel = place(modeBox(f), "PerfModeLabel", index, at.PerfModeLabel);
    w.InfoLabel = place(infoLine(f), "InfoLabel", index, at.InfoLabel);
    w.HeightCombo = place(axisList(f), "HeightCombo", index, at.HeightCombo);
    w.WidthCombo = place(axisList(f), "WidthCombo", index, at.WidthCombo);
    w.VelText = place(fixedValueBox(f, "120"), "VelText", index, at.VelText);
    w.PitchText = place(fixedValueBox(f, "63"), "PitchText", index, at.PitchText);
    w.VLimitMin = place(textBox(f, "VLimitMin"), "VLimitMin", index, at.VLimitMin);
    w.VLimitMax = place(textBox(f, "VLimitMax"), "VLimitMax", index, at.VLimitMax);
    w.HLimitMin = place(textBox(f, "HLMin"), "HLimitMin", index, at.HLimitMin);
    w.HLimitMax = place(textBox(f, "HLMax"), "HLimitMax", index, at.HLimitMax);
    addCaptions(f, index, at);
    describeArea(w);
    // The areas are mirror images of each other: Tab follows each one's own rows.
    setReadingTabOrder({w.PerfCheck, w.MouseDownCheck, w.PerformanceImage, w.HeightCombo, w.WidthCombo, w.VelText,
                        w.PitchText, w.VLimitMin, w.VLimitMax, w.HLimitMin, w.HLimitMax},
                       Twips::toPixels(RowTolerance));
    return w;
}

std::array<QWidget*, 10> PerformanceAreaWidgets::switchedMembers() const
{
    return {WidthCombo, HeightCombo, PerformanceImage, InfoLabel, MouseDownCheck,
            PerfModeLabel, VLimitMin, VLimitMax, HLimitMin, HLimitMax};
}

} // namespace kelmar
