#include "performance/widgets/PerformanceAreas.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "performance/AxisParameter.h"
#include "ui/FillList.h"
#include "ui/PickList.h"
#include "ui/ValueBox.h"
#include "performance/ExtendedPairs.h"
#include "performance/PairTable.h"
#include "performance/widgets/PerformancePicture.h"
#include "performance/widgets/PerformanceWords.h"

namespace kelmar {

namespace {

PointerButton pointerButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return PointerButton::Left;
    case Qt::RightButton:
        return PointerButton::Right;
    case Qt::MiddleButton:
        return PointerButton::Middle;
    default:
        return PointerButton::Other;
    }
}

template <std::size_t N>
QStringList namesOf(const std::array<std::string_view, N>& list, std::size_t from = 0)
{
    QStringList names;
    for (std::size_t k = from; k < N; ++k)
        names.append(PerformanceWords::parameter(list[k]));
    return names;
}

QStringList axisParameterNames() { return namesOf(AxisParameterNames); }

// What Extended Play's lists hold beyond the classic ones.
QStringList extendedOnlyNames() { return namesOf(ExtendedAxisParameterNames, AxisParameterNames.size()); }

} // namespace

PerformanceAreas::PerformanceAreas(MidiMessageLayer& midi, QWidget* container)
    : QObject(container)
    , performance_(midi)
{
    for (int i = 0; i < AreaCount; ++i) {
        areas_.at(static_cast<std::size_t>(i)) = PerformanceAreaWidgets::build(i, container);
        connectArea(area(i));
    }
    QAccessible::installActivationObserver(this);
}

PerformanceAreas::~PerformanceAreas()
{
    QAccessible::removeActivationObserver(this);
}

// The readouts' accessible names are not kept while nobody listens.
void PerformanceAreas::accessibilityActiveChanged(bool active)
{
    if (!active)
        return;
    for (const PerformanceAreaWidgets& w : areas_)
        showValue(w.InfoLabel, w.InfoLabel->text());
}

void PerformanceAreas::connectArea(const PerformanceAreaWidgets& w)
{
    const int i = w.index;
    playFrom(i, w.PerformanceImage);
    for (QLineEdit* box : {w.VLimitMin, w.VLimitMax, w.HLimitMin, w.HLimitMax})
        connect(box, &QLineEdit::textChanged, this, [this, i] { LimitChanged(i); });
    for (QLineEdit* box : {w.VLimitMin, w.VLimitMax})
        connect(box, &QLineEdit::editingFinished, this, [this, i] { LimitFinished(i, PictureAxis::Vertical); });
    for (QLineEdit* box : {w.HLimitMin, w.HLimitMax})
        connect(box, &QLineEdit::editingFinished, this, [this, i] { LimitFinished(i, PictureAxis::Horizontal); });
    // Following the box's own change of state keeps box and area in step
    // however the box is toggled (mouse click or keyboard).
    connect(w.PerfCheck, &QCheckBox::toggled, this, [this, i](bool checked) { PerfCheckToggled(i, checked); });
    // Every pick runs again, also of the parameter shown: it resets the
    // pair and what the area shows.
    connectPicks(w.HeightCombo, this, [this, i](int position) { HeightComboPicked(i, position); });
    connectPicks(w.WidthCombo, this, [this, i](int position) { WidthComboPicked(i, position); });
}

void PerformanceAreas::playFrom(int index, PerformancePicture* picture)
{
    connect(picture, &PerformancePicture::pointerMoved, this,
            [this, index, picture](QPointF at) { PerformanceImageMouseMove(index, picture, at); });
    connect(picture, &PerformancePicture::buttonPressed, this, [this, index, picture](Qt::MouseButton button, QPointF at) {
        PerformanceImageMouseDown(index, picture, button, at);
    });
    connect(picture, &PerformancePicture::buttonReleased, this,
            [this, index, picture](Qt::MouseButton button, QPointF at) {
                PerformanceImageMouseUp(index, picture, button, at);
            });
    connect(picture, &PerformancePicture::pointerLeft, this, [this, index] { PerformanceImageLeft(index); });
}

void PerformanceAreas::fillAxisLists()
{
    const QStringList names = axisParameterNames();
    for (const PerformanceAreaWidgets& w : areas_)
        fillList(w.HeightCombo, names, static_cast<int>(AxisParameter::Pitch));
    for (const PerformanceAreaWidgets& w : areas_)
        fillList(w.WidthCombo, names, static_cast<int>(AxisParameter::Velocity));
}

void PerformanceAreas::resetPairTables() { performance_.pairs().reset(); }

void PerformanceAreas::setExtended(bool on)
{
    if (on == performance_.extended())
        return;
    if (on) {
        for (const PerformanceAreaWidgets& w : areas_)
            classic_.at(static_cast<std::size_t>(w.index))
                = {performance_.pairs().PairCode(w.index), w.InfoLabel->text(), w.PitchText->isEnabled(),
                   w.VelText->isEnabled()};
    }
    performance_.setExtended(on);
    for (const PerformanceAreaWidgets& w : areas_) {
        if (on)
            showExtended(w);
        else
            showClassic(w);
        emit areaChanged(w.index);
    }
}

void PerformanceAreas::showExtended(const PerformanceAreaWidgets& w)
{
    for (QComboBox* list : {w.HeightCombo, w.WidthCombo})
        list->addItems(extendedOnlyNames());
    showPair(w.index, performance_.view(w.index));
}

void PerformanceAreas::showClassic(const PerformanceAreaWidgets& w)
{
    const ClassicLook& look = classic_.at(static_cast<std::size_t>(w.index));
    w.PitchText->setEnabled(look.pitchTextEnabled);
    w.VelText->setEnabled(look.velTextEnabled);
    const int code = performance_.pairs().PairCode(w.index);
    if (ExtendedPairs::extendedOnly(code)) {
        // A parameter the classic lists lack: back to the start pair, as picks.
        pickEntry(w.HeightCombo, static_cast<int>(AxisParameter::Pitch));
        pickEntry(w.WidthCombo, static_cast<int>(AxisParameter::Velocity));
    } else if (look.code == code) {
        showValue(w.InfoLabel, look.info);
    } else {
        showPair(w.index, performance_.view(w.index)); // picked meanwhile: as that pick shows it
    }
    for (QComboBox* list : {w.HeightCombo, w.WidthCombo}) {
        while (list->count() > static_cast<int>(AxisParameterNames.size()))
            list->removeItem(list->count() - 1);
    }
}

void PerformanceAreas::showGuides(int index, PerformancePicture* picture) const
{
    const PerformanceAreaWidgets& w = area(index);
    constexpr int MostBands = 128; // more lines than that are no help
    auto guides = [&](PictureAxis axis, const QLineEdit* low, const QLineEdit* high, double length) {
        std::vector<PerformancePicture::Guide> lines;
        const auto found = performance_.guides(index, axis, low->text().toStdString(), high->text().toStdString(),
                                               length, MostBands);
        if (!found)
            return lines;
        // With many bands only the Cs are named.
        const bool every = found->edges.size() < 24;
        for (std::size_t k = 0; k < found->edges.size(); ++k) {
            // A row's label stands above its line, a column's right of it:
            // it names that band.
            const std::size_t band = axis == PictureAxis::Vertical ? k : k + 1;
            QString name;
            if (band < found->noteNames.size()) {
                name = QString::fromStdString(found->noteNames[band]);
                name = every || (name.startsWith('C') && !name.startsWith("C#")) ? PerformanceWords::note(name)
                                                                                  : QString();
            }
            lines.push_back({found->edges[k], name});
        }
        return lines;
    };
    picture->setGuides(guides(PictureAxis::Vertical, w.VLimitMin, w.VLimitMax, picture->height()),
                       guides(PictureAxis::Horizontal, w.HLimitMin, w.HLimitMax, picture->width()));
}

void PerformanceAreas::PerformanceImageMouseMove(int index, const PerformancePicture* picture, QPointF position)
{
    showReadout(index, performance_.pointerMoved(index, sample(index, picture, position)));
}

void PerformanceAreas::PerformanceImageMouseDown(int index, const PerformancePicture* picture, Qt::MouseButton button,
                                                 QPointF position)
{
    showReadout(index, performance_.buttonPressed(index, pointerButton(button), sample(index, picture, position)));
}

void PerformanceAreas::PerformanceImageMouseUp(int index, const PerformancePicture* picture, Qt::MouseButton button,
                                               QPointF position)
{
    performance_.buttonReleased(index, pointerButton(button), sample(index, picture, position));
}

void PerformanceAreas::PerformanceImageLeft(int index) { performance_.pointerLeft(index); }

// Checked: the area's members are enabled, in the switching order; cleared:
// disabled (and its note ended). PitchText and VelText follow the area's
// pair instead.
void PerformanceAreas::PerfCheckToggled(int index, bool checked)
{
    for (QWidget* member : area(index).switchedMembers())
        member->setEnabled(checked);
    if (!checked)
        performance_.endNote(index);
}

void PerformanceAreas::HeightComboPicked(int index, int position)
{
    showPair(index, performance_.pickHeight(index, position));
    emit areaChanged(index);
}

void PerformanceAreas::WidthComboPicked(int index, int position)
{
    showPair(index, performance_.pickWidth(index, position));
    emit areaChanged(index);
}

void PerformanceAreas::LimitChanged(int index)
{
    performance_.endNote(index);
    emit areaChanged(index);
}

void PerformanceAreas::LimitFinished(int index, PictureAxis axis)
{
    if (!performance_.extended())
        return;
    const PerformanceAreaWidgets& w = area(index);
    const bool vertical = axis == PictureAxis::Vertical;
    QLineEdit* low = vertical ? w.VLimitMin : w.HLimitMin;
    QLineEdit* high = vertical ? w.VLimitMax : w.HLimitMax;
    const ResolvedLimits used =
        performance_.limitsInUse(index, axis, low->text().toStdString(), high->text().toStdString());
    // A number shows the value in use; other text is left as typed.
    auto show = [](QLineEdit* box, bool isNumber, int value) {
        if (isNumber && box->text() != QString::number(value))
            box->setText(QString::number(value));
    };
    show(low, used.minIsNumber, used.range.min);
    show(high, used.maxIsNumber, used.range.max);
}

PointerSample PerformanceAreas::sample(int index, const PerformancePicture* picture, QPointF position) const
{
    const PerformanceAreaWidgets& w = area(index);
    PointerSample s;
    s.x = position.x();
    s.y = position.y();
    s.width = picture->width();
    s.height = picture->height();
    s.perfEnabled = w.PerfCheck->isChecked();
    s.mouseDownOnly = w.MouseDownCheck->isChecked();
    s.pitchText = w.PitchText->text().toStdString();
    s.velText = w.VelText->text().toStdString();
    if (performance_.extended()) {
        s.leftButtonHeld = picture->buttonsHeld().testFlag(Qt::LeftButton);
        s.penPressure = picture->penPressure();
        s.vLimitMinText = w.VLimitMin->text().toStdString();
        s.vLimitMaxText = w.VLimitMax->text().toStdString();
        s.hLimitMinText = w.HLimitMin->text().toStdString();
        s.hLimitMaxText = w.HLimitMax->text().toStdString();
    }
    return s;
}

void PerformanceAreas::showReadout(int index, const std::optional<std::string>& readout)
{
    if (!readout)
        return;
    const QString text = PerformanceWords::readout(*readout);
    showReadoutText(area(index).InfoLabel, text);
    emit readoutShown(index, text);
}

void PerformanceAreas::showPair(int index, const PairView& view)
{
    const PerformanceAreaWidgets& w = area(index);
    showValue(w.PerfModeLabel, QString::fromStdString(view.modeText));
    showValue(w.InfoLabel, PerformanceWords::readout(view.infoText));
    w.PerformanceImage->setAccessibleDescription(PerformanceAreaWidgets::tr("Pair %1: height %2, width %3")
                                                     .arg(w.PerfModeLabel->text().trimmed(),
                                                          w.HeightCombo->currentText(), w.WidthCombo->currentText()));
    if (view.velTextEnabled)
        w.VelText->setEnabled(*view.velTextEnabled);
    if (view.pitchTextEnabled)
        w.PitchText->setEnabled(*view.pitchTextEnabled);
}

} // namespace kelmar
