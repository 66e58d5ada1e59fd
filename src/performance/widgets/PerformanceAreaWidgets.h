#pragma once

#include <QCoreApplication>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace kelmar {

class PerformancePicture;

// The controls of performance area `index`: one member of each control
// array, each with that array's object name and the dynamic property
// "Index" = the area (see ControlArray). The widgets belong to their frame.
struct PerformanceAreaWidgets {
    int index = 0;
    QGroupBox* PerfArea = nullptr;
    QCheckBox* PerfCheck = nullptr;
    QCheckBox* MouseDownCheck = nullptr;
    PerformancePicture* PerformanceImage = nullptr;
    QLabel* PerfModeLabel = nullptr;
    QLabel* InfoLabel = nullptr;
    QComboBox* HeightCombo = nullptr;
    QComboBox* WidthCombo = nullptr;
    QLineEdit* VelText = nullptr;
    QLineEdit* PitchText = nullptr;
    QLineEdit* VLimitMin = nullptr;
    QLineEdit* VLimitMax = nullptr;
    QLineEdit* HLimitMin = nullptr;
    QLineEdit* HLimitMax = nullptr;

    // Builds area `index` (0..3) inside `container`, the "Mouse Performance
    // Controls" frame, with its initial contents.
    static PerformanceAreaWidgets build(int index, QWidget* container);

    // The members that PerfCheck switches on and off, in switching order.
    std::array<QWidget*, 10> switchedMembers() const;

    Q_DECLARE_TR_FUNCTIONS(kelmar::PerformanceAreaWidgets)
};

} // namespace kelmar
