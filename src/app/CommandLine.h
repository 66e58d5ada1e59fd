#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "performance/Scale.h"

namespace kelmar {

class Translation;

// The program's command line, read before anything else starts (no
// QCoreApplication, display or MIDI system is needed): --help, --version
// and --list-devices, the devices the setup dialog starts on, Extended
// Play's --extended and --scale, and Qt's own
// window-system options, which are left for QApplication.
class CommandLine {
public:
    // What main() does next.
    enum class Action {
        Run,         // start the program
        ListDevices, // print the device lists and end
        Print,       // print text() on standard output and end with status 0
        Refuse,      // print text() on standard error and end with UsageStatus
    };
    static constexpr int UsageStatus = 2;

    // `arguments` as the program got them, its name first; the texts in
    // the language of `translation`.
    CommandLine(const QStringList& arguments, const Translation& translation);

    Action action() const { return action_; }
    const QString& text() const { return text_; }
    // Part of the name of the output / input the setup dialog starts on; empty for the default.
    const QString& output() const { return output_; }
    const QString& input() const { return input_; }
    // --extended: Extended Play on from the start.
    bool extended() const { return extended_; }
    // --scale: the scale Extended Play keeps pitch axes to; none for the default.
    const std::optional<Scale>& scale() const { return scale_; }
    // --big-picture: the Big Picture window on area 0 once the setup dialog is done.
    bool bigPicture() const { return bigPicture_; }
    // --setup: a performance setup to open once the setup dialog is done.
    const QString& setup() const { return setup_; }
    // --record: the file a take is recorded to from the start.
    const QString& record() const { return record_; }

private:
    Action action_ = Action::Run;
    QString text_;
    QString output_;
    QString input_;
    bool extended_ = false;
    bool bigPicture_ = false;
    std::optional<Scale> scale_;
    QString setup_;
    QString record_;
};

} // namespace kelmar
