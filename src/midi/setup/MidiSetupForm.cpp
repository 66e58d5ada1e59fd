#include "midi/setup/MidiSetupForm.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <array>

#include "midi/MessageTranslation.h"
#include "midi/MidiDeviceCatalogue.h"
#include "midi/MidiMessageLayer.h"
#include "ui/FramePlacement.h"
#include "ui/Place.h"
#include "ui/Twips.h"
#include "ui/WindowFonts.h"

namespace kelmar {

namespace {

constexpr const char* Context = "kelmar::MidiSetupForm";

// The names the program itself gives devices: the default output and the
// built-in synthesizer (FluidSynthBackend::DeviceLabel).
constexpr std::array<const char*, 2> OwnDeviceNames = {
    QT_TRANSLATE_NOOP("kelmar::MidiSetupForm", "Default output"),
    QT_TRANSLATE_NOOP("kelmar::MidiSetupForm", "Built-in synthesizer"),
};

// What the lists add to the name of a device that is away (MidiDeviceEntry::AbsentMark).
QString shownAbsentMark()
{
    return QCoreApplication::translate(Context, QT_TRANSLATE_NOOP("kelmar::MidiSetupForm", " (not present)"));
}

} // namespace

QString MidiSetupForm::noInputText()
{
    return QCoreApplication::translate(Context, NoInputText);
}

QString MidiSetupForm::shownName(const std::string& listed)
{
    QString name = QString::fromStdString(listed);
    const QString mark = QString::fromLatin1(MidiDeviceEntry::AbsentMark);
    const bool absent = name.endsWith(mark);
    if (absent)
        name.chop(mark.size());
    for (const char* own : OwnDeviceNames) {
        if (name == QLatin1String(own))
            name = QCoreApplication::translate(Context, own);
    }
    if (absent)
        name += shownAbsentMark();
    return name;
}

void MidiSetupForm::fill(QComboBox* list, const std::vector<std::string>& names)
{
    for (const std::string& name : names)
        list->addItem(shownName(name), QString::fromStdString(name));
}

QString MidiSetupForm::listedName(const QComboBox* list, int position)
{
    const QVariant listed = list->itemData(position);
    return listed.isValid() ? listed.toString() : list->itemText(position);
}

MidiSetupForm::MidiSetupForm(MidiMessageLayer& midi, FailurePresenter presentFailure, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
    , midi_(midi)
    , presentFailure_(std::move(presentFailure))
{
    buildLayout();
    load();
    connect(&midi_.output().catalogue(), &MidiDeviceCatalogue::listsChanged, this, &MidiSetupForm::relist);
}

void MidiSetupForm::buildLayout()
{
    setObjectName("MIDISetupForm");
    setWindowTitle(tr("MIDI Setup"));
    setModal(true);
    setFont(WindowFonts::sansBold());
    setFixedSize(Twips::toPixels(TwipRect{0, 0, 6315, 1200}).size());

    // Created in tab order.
    comboMidiIn_ = place(new QComboBox(this), "ComboMidiIn", {120, 540, 2265, 315});
    comboMidiOut_ = place(new QComboBox(this), "ComboMidiOut", {2460, 540, 2265, 315});
    label1_ = place(new QLabel(tr("MIDI In Device"), this), "Label1", {150, 240, 2115, 255});
    label2_ = place(new QLabel(tr("MIDI Out Device"), this), "Label2", {2490, 240, 2025, 255});
    cmdOk_ = place(new QPushButton(tr("Ok"), this), "CmdOk", {5010, 240, 1005, 375});
    cmdOk_->setDefault(true);
    cmdCancel_ = place(new QPushButton(tr("Cancel"), this), "CmdCancel", {5010, 690, 1005, 375});
    comboMidiIn_->setAccessibleName(label1_->text());
    comboMidiOut_->setAccessibleName(label2_->text());

    for (QWidget* w : std::initializer_list<QWidget*>{comboMidiIn_, comboMidiOut_, label1_, label2_, cmdOk_, cmdCancel_})
        w->setFont(WindowFonts::sans());
    setTabOrder(comboMidiIn_, comboMidiOut_);
    setTabOrder(comboMidiOut_, cmdOk_);
    setTabOrder(cmdOk_, cmdCancel_);

    connect(cmdOk_, &QPushButton::clicked, this, &MidiSetupForm::onOk);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void MidiSetupForm::load()
{
    centreOnScreen();
    // Device names are often longer than the lists are wide: the open list shows them whole.
    for (QComboBox* list : {comboMidiIn_, comboMidiOut_})
        list->view()->setMinimumWidth(2 * list->width());

    fill(comboMidiOut_, midi_.ListMidiOutDevices());
    // The first real device; the default output where there is none.
    comboMidiOut_->setCurrentIndex(comboMidiOut_->count() > 1 ? 1 : 0);
    midi_.output().setDeviceIndex(-1);
    openOutput(comboMidiOut_->currentIndex());

    const std::vector<std::string> inputs = midi_.ListMidiInDevices();
    hasInputs_ = !inputs.empty();
    fill(comboMidiIn_, inputs);
    if (!hasInputs_)
        comboMidiIn_->addItem(noInputText());
    comboMidiIn_->setCurrentIndex(0);
    midi_.input().setDeviceIndex(0);
    openInput(0);
    showNotice();
}

// Loading has just listed for the first showing; a later one (after Ok)
// lists what exists then.
void MidiSetupForm::showEvent(QShowEvent* event)
{
    if (shownOnce_)
        relist();
    shownOnce_ = true;
    QDialog::showEvent(event);
}

void MidiSetupForm::relist()
{
    // The positions stay what the ports number: the ports list afresh too,
    // keeping the chosen devices listed (marked not present) while they are
    // away. Each port's DeviceIndex follows its open device to its new position.
    auto refill = [](QComboBox* list, const std::vector<std::string>& names, const QString& fallback) {
        const QString chosen = deviceName(listedName(list, list->currentIndex()));
        list->clear();
        fill(list, names);
        if (list->count() == 0)
            list->addItem(fallback);
        int found = 0;
        for (int i = 0; i < list->count(); ++i) {
            if (deviceName(listedName(list, i)) == chosen)
                found = i;
        }
        list->setCurrentIndex(found);
    };
    auto position = [](const std::vector<std::string>& names, const std::string& name) {
        const auto found = std::ranges::find_if(names, [&](const std::string& listed) {
            return deviceName(QString::fromStdString(listed)).toStdString() == name;
        });
        return found == names.end() ? -1 : static_cast<int>(found - names.begin());
    };

    MidiOutputPort& out = midi_.output();
    const int outIndex = out.DeviceIndex();
    out.keepListed(comboMidiOut_->currentIndex() - 1);
    const std::vector<std::string> outputs = midi_.ListMidiOutDevices();
    refill(comboMidiOut_, outputs, {});
    const int openOut = position(outputs, out.OpenDeviceName());
    out.setDeviceIndex(openOut >= 0 ? openOut - 1 : outIndex);

    MidiInputPort& in = midi_.input();
    const int inIndex = in.DeviceIndex();
    if (hasInputs_)
        in.keepListed(comboMidiIn_->currentIndex());
    const std::vector<std::string> inputs = midi_.ListMidiInDevices();
    hasInputs_ = !inputs.empty();
    refill(comboMidiIn_, inputs, noInputText());
    const int openIn = position(inputs, in.OpenDeviceName());
    in.setDeviceIndex(openIn >= 0 ? openIn : inIndex);
    showNotice();
}

QString MidiSetupForm::deviceName(const QString& listed)
{
    const QString mark = QString::fromLatin1(MidiDeviceEntry::AbsentMark);
    return listed.endsWith(mark) ? listed.chopped(mark.size()) : listed;
}

QString MidiSetupForm::shownDeviceName(const QString& shown)
{
    const QString mark = shownAbsentMark();
    return shown.endsWith(mark) ? shown.chopped(mark.size()) : shown;
}

void MidiSetupForm::showNotice()
{
    const QString notice = MessageTranslation::translated(midi_.output().catalogue().notice());
    for (QComboBox* list : {comboMidiIn_, comboMidiOut_})
        list->setToolTip(notice);
}

void MidiSetupForm::centreOnScreen()
{
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    FramePlacement::centre(this, screen->geometry()); // the whole dialog, its frame included
}

void MidiSetupForm::openInput(int position)
{
    if (!hasInputs_)
        return; // nothing to open; the list says so
    midi_.OpenMidiIn(position);
    tell(midi_.input().LastError(), midi_.input().LastPending(), Kind::Input, comboMidiIn_->itemText(position));
}

void MidiSetupForm::openOutput(int position)
{
    midi_.OpenMidiOut(position);
    tell(midi_.output().LastError(), midi_.output().LastPending(), Kind::Output, comboMidiOut_->itemText(position));
}

// An open that failed says why; one that is not working yet says what it waits for.
void MidiSetupForm::tell(const std::string& error, const std::string& pending, Kind kind, const QString& device)
{
    const QString failed = kind == Kind::Input ? tr("The MIDI input \"%1\" could not be opened.\n%2")
                                               : tr("The MIDI output \"%1\" could not be opened.\n%2");
    if (!error.empty())
        presentFailure_(failed.arg(shownDeviceName(device), MessageTranslation::translated(error)));
    else if (!pending.empty())
        presentFailure_(MessageTranslation::translated(pending));
}

void MidiSetupForm::onOk()
{
    openInput(comboMidiIn_->currentIndex());
    openOutput(comboMidiOut_->currentIndex());
    accept(); // hides; the dialog stays loaded
}

// The name as listed or as shown.
bool MidiSetupForm::preselect(QComboBox* list, const QString& part)
{
    int found = list->findText(part, Qt::MatchContains);
    if (found < 0)
        found = list->findData(part, Qt::UserRole, Qt::MatchContains);
    if (found < 0)
        return false;
    list->setCurrentIndex(found);
    return true;
}

} // namespace kelmar
