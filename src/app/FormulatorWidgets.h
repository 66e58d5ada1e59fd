#pragma once

#include <QCoreApplication>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QWidget;

namespace kelmar {

// The formulator panel: display only, nothing reads it. Six rows of a check
// box frm_param(r), an editable list var_num(r) and a label valueLabel(r),
// and the list obtype. Its frame is one row high, so only the top row and
// obtype fall inside it. The lists are filled at start-up.
struct FormulatorWidgets {
    static constexpr int RowCount = 6;
    std::array<QCheckBox*, RowCount> frm_param{};
    std::array<QComboBox*, RowCount> var_num{};
    std::array<QLabel*, RowCount> valueLabel{};
    QComboBox* obtype = nullptr;

    // Builds the panel inside `frame`, ControlFrame(2).
    static FormulatorWidgets build(QWidget* frame);

    Q_DECLARE_TR_FUNCTIONS(kelmar::FormulatorWidgets)
};

} // namespace kelmar
