#pragma once

#include <QObject>

#include "app/GeneralControls.h"
#include "app/GeneralControlsView.h"

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QWidget;

namespace kelmar {

class MidiMessageLayer;

// Binds the general channel controls of a window, found by their object
// names, to their handling: bars report every value (also while a thumb is
// dragged), lists every change of position, buttons their clicks.
class GeneralControlsBinding : public QObject, private GeneralControlsView {
    Q_OBJECT

public:
    GeneralControlsBinding(QWidget& window, MidiMessageLayer& midi);

    GeneralControls& controls() { return controls_; }

private:
    template <typename T>
    T* child(QWidget& window, const char* name);

    void showChannel(const QString& text) override;
    void showVolume(const QString& text) override;
    void showOctave(const QString& text) override;
    void showPan(const QString& text) override;
    void setPatchPosition(int position) override;
    void setVolumeScroll(int value) override;
    void setOctaveScroll(int value) override;
    void setPanScroll(int value) override;

    GeneralControls controls_;
    QScrollBar* channelScroll_;
    QScrollBar* volumeScroll_;
    QScrollBar* octaveScroll_;
    QScrollBar* panScroll_;
    QLabel* channelLabel_;
    QLabel* volumeLabel_;
    QLabel* octaveLabel_;
    QLabel* panLabel_;
    QComboBox* comboPatch_;
    QComboBox* favouritePatch_;
    QPushButton* panCentre_;
    QPushButton* allOff_;
};

} // namespace kelmar
