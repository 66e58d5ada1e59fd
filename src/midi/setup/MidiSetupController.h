#pragma once

#include <QPointer>

#include "midi/setup/MidiSetupForm.h"

namespace kelmar {

class MidiMessageLayer;

// Owns the one MIDI setup dialog and shows it modally: it is loaded on its
// first showing and again after a Cancel; after Ok it is only hidden, so it
// keeps its lists, selections and place.
class MidiSetupController {
public:
    MidiSetupController(MidiMessageLayer& midi, QWidget* parent);
    ~MidiSetupController();

    void setFailurePresenter(MidiSetupForm::FailurePresenter present) { present_ = std::move(present); }
    // Loads the dialog if needed and shows it modally; returns when it is hidden or closed.
    void showModal();
    // The loaded dialog, or null while it is not loaded.
    MidiSetupForm* form() const { return form_; }
    // Parts of the names of the devices each loading of the dialog starts
    // on (see MidiSetupForm::preselectOutput); empty: the defaults.
    void setPreselection(QString output, QString input);
    // Loads the dialog without showing it (start-up opens the defaults this way in tests).
    MidiSetupForm& load();

private:
    MidiMessageLayer& midi_;
    QWidget* parent_;
    QPointer<MidiSetupForm> form_;
    MidiSetupForm::FailurePresenter present_;
    QString preselectedOutput_;
    QString preselectedInput_;
};

} // namespace kelmar
