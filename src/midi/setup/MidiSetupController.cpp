#include "midi/setup/MidiSetupController.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace kelmar {

MidiSetupController::MidiSetupController(MidiMessageLayer& midi, QWidget* parent)
    : midi_(midi)
    , parent_(parent)
    , present_([parent](const QString& text) { QMessageBox::warning(parent, MidiSetupForm::tr("MIDI Setup"), text); })
{
}

MidiSetupController::~MidiSetupController()
{
    delete form_.data();
}

void MidiSetupController::setPreselection(QString output, QString input)
{
    preselectedOutput_ = std::move(output);
    preselectedInput_ = std::move(input);
}

MidiSetupForm& MidiSetupController::load()
{
    if (form_)
        return *form_;
    form_ = new MidiSetupForm(midi_, present_, parent_);
    // Told on standard error: the user named it on the command line.
    if (!preselectedOutput_.isEmpty() && !form_->preselectOutput(preselectedOutput_))
        qWarning("%s", qUtf8Printable(QCoreApplication::translate("kelmar::MidiSetupController",
                                                                  "kelmar: no MIDI output's name contains \"%1\"")
                                          .arg(preselectedOutput_)));
    if (!preselectedInput_.isEmpty() && !form_->preselectInput(preselectedInput_))
        qWarning("%s", qUtf8Printable(QCoreApplication::translate("kelmar::MidiSetupController",
                                                                  "kelmar: no MIDI input's name contains \"%1\"")
                                          .arg(preselectedInput_)));
    return *form_;
}

void MidiSetupController::showModal()
{
    MidiSetupForm& form = load();
    if (form.exec() == QDialog::Rejected) {
        // Cancel (or closing the window) unloads the dialog.
        delete form_.data();
    }
}

} // namespace kelmar
