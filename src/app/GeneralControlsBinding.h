#pragma once

#include <QObject>

#include "app/GeneralControlWidgets.h"
#include "app/GeneralControls.h"
#include "app/GeneralControlsView.h"

class QPushButton;

namespace kelmar {

class MidiMessageLayer;

// Binds the general channel controls the window built, and its All Notes
// Off button, to their handling: bars report every value (also while a
// thumb is dragged), lists every change of position, buttons their clicks.
class GeneralControlsBinding : public QObject, private GeneralControlsView {
    Q_OBJECT

public:
    GeneralControlsBinding(const GeneralControlWidgets& widgets, QPushButton* allOff, MidiMessageLayer& midi,
                           QObject* parent);

    GeneralControls& controls() { return controls_; }

private:
    void showChannel(const QString& text) override;
    void showVolume(const QString& text) override;
    void showOctave(const QString& text) override;
    void showPan(const QString& text) override;
    void setPatchPosition(int position) override;
    void setVolumeScroll(int value) override;
    void setOctaveScroll(int value) override;
    void setPanScroll(int value) override;

    GeneralControlWidgets widgets_;
    GeneralControls controls_;
};

} // namespace kelmar
