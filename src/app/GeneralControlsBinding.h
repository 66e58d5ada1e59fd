#pragma once

#include <QObject>

#include "app/GeneralControlWidgets.h"
#include "app/GeneralControls.h"

class QPushButton;

namespace kelmar {

class MidiMessageLayer;

// Binds the general channel controls the window built, and its All Notes
// Off button, to their handling: bars report every value (also while a
// thumb is dragged) and show what the handling returns in their value box,
// lists report every change of position and every user pick, buttons their
// clicks. The handling moves the patch list and the bars through this binding.
class GeneralControlsBinding : public QObject, private GeneralControls::Controls {
    Q_OBJECT

public:
    GeneralControlsBinding(const GeneralControlWidgets& widgets, QPushButton* allOff, MidiMessageLayer& midi,
                           QObject* parent);

    GeneralControls& controls() { return controls_; }

private:
    void setPatchPosition(int position) override;
    void setVolumeScroll(int value) override;
    void setOctaveScroll(int value) override;
    void setPanScroll(int value) override;

    GeneralControlWidgets widgets_;
    GeneralControls controls_;
};

} // namespace kelmar
