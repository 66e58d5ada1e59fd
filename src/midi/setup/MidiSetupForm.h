#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace kelmar {

class MidiMessageLayer;

// The MIDI setup dialog: lists the input and output devices and opens the
// chosen ones. Loading it (constructing) lists the devices afresh and opens
// the defaults: the first real output (position 1) and the first input.
// Ok opens the chosen pair (input first) and hides; Cancel closes it, and
// its owner discards it so the next showing loads afresh. When the device
// lists change by themselves (a JACK server that answered late, a device
// plugged in or a program started), the shown dialog lists them afresh and
// keeps the chosen entries; a dialog shown again after Ok lists what exists
// then, the same way. What the backends say about devices they cannot list
// yet is the lists' tool tip.
class MidiSetupForm : public QDialog {
    Q_OBJECT

public:
    // Shows a message naming a device that failed to open and why.
    using FailurePresenter = std::function<void(const QString&)>;

    MidiSetupForm(MidiMessageLayer& midi, FailurePresenter presentFailure, QWidget* parent = nullptr);

    static constexpr const char* NoInputText = QT_TRANSLATE_NOOP("kelmar::MidiSetupForm", "(no MIDI input device)");
    // NoInputText in the user's language.
    static QString noInputText();
    // A device as the lists show it: the names the program gives its own
    // devices and the mark of one that is away in the user's language; the
    // names devices have elsewhere (JACK, ALSA) as they are.
    static QString shownName(const std::string& listed);

    // Chooses the first output / input whose listed name contains `part`
    // (in any case), for Ok to open; false, with the choice left as it
    // was, where no name does. The command line's --output / --input.
    bool preselectOutput(const QString& part) { return preselect(comboMidiOut_, part); }
    bool preselectInput(const QString& part) { return hasInputs_ && preselect(comboMidiIn_, part); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    static bool preselect(QComboBox* list, const QString& part);
    // Fills `list` with `names` as shown; each entry keeps its listed name.
    static void fill(QComboBox* list, const std::vector<std::string>& names);
    // The listed name of entry `position` (the shown one for the no-input entry).
    static QString listedName(const QComboBox* list, int position);
    void buildLayout();
    void load();
    // Lists the devices afresh as load() does, keeping the chosen entries
    // by name; opens nothing.
    void relist();
    void showNotice();
    void centreOnScreen();
    void openInput(int position);
    void openOutput(int position);
    enum class Kind { Input, Output };
    void tell(const std::string& error, const std::string& pending, Kind kind, const QString& device);
    // A listed name without the mark of a device that is not present.
    static QString deviceName(const QString& listed);
    // The same of a shown name.
    static QString shownDeviceName(const QString& shown);
    void onOk();

    MidiMessageLayer& midi_;
    FailurePresenter presentFailure_;
    QComboBox* comboMidiIn_;
    QComboBox* comboMidiOut_;
    QLabel* label1_;
    QLabel* label2_;
    QPushButton* cmdOk_;
    QPushButton* cmdCancel_;
    bool hasInputs_ = false;
    bool shownOnce_ = false; // since it was loaded
};

} // namespace kelmar
