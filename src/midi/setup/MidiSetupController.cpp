#include "midi/setup/MidiSetupController.h"

#include <QMessageBox>

namespace kelmar {

MidiSetupController::MidiSetupController(MidiMessageLayer& midi, QWidget* parent)
    : midi_(midi)
    , parent_(parent)
    , present_([parent](const QString& text) { QMessageBox::warning(parent, "MIDI Setup", text); })
{
}

MidiSetupController::~MidiSetupController()
{
    delete form_.data();
}

MidiSetupForm& MidiSetupController::load()
{
    if (!form_)
        form_ = new MidiSetupForm(midi_, present_, parent_);
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
