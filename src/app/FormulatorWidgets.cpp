#include "app/FormulatorWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "ui/ControlArray.h"
#include "ui/Twips.h"
#include "ui/WindowFonts.h"

namespace kelmar {

namespace {

struct Row {
    const char* parameter;
    TwipRect check;
    int listTop;
    const char* value;
    int valueTop;
};

constexpr std::array<Row, FormulatorWidgets::RowCount> Rows = {{
    {QT_TRANSLATE_NOOP("kelmar::FormulatorWidgets", "Pitch (p)"), {120, 210, 855, 285}, 225, "p = p", 270},
    {QT_TRANSLATE_NOOP("kelmar::FormulatorWidgets", "Velocity (v)"), {120, 720, 1005, 285}, 750, "v = v", 795},
    {QT_TRANSLATE_NOOP("kelmar::FormulatorWidgets", "Pan (n)"), {120, 1020, 825, 285}, 1035, "n = n", 1095},
    {QT_TRANSLATE_NOOP("kelmar::FormulatorWidgets", "Channel (c)"), {120, 1320, 1110, 285}, 1320, "c = c", 1395},
    {QT_TRANSLATE_NOOP("kelmar::FormulatorWidgets", "Volume (l)"), {120, 1635, 945, 285}, 1605, "l = l", 1665},
    {QT_TRANSLATE_NOOP("kelmar::FormulatorWidgets", "Programme (g)"), {120, 1950, 1260, 285}, 1890, "g = g", 1950},
}};
constexpr int VolumeRow = 4; // its check box is disabled
constexpr double ObtypePointSize = 6;

} // namespace

FormulatorWidgets FormulatorWidgets::build(QWidget* frame)
{
    FormulatorWidgets f;
    for (int r = 0; r < RowCount; ++r) {
        const Row& row = Rows.at(static_cast<std::size_t>(r));
        const auto i = static_cast<std::size_t>(r);

        const QString parameter = tr(row.parameter);
        auto* check = new QCheckBox(parameter, frame);
        check->setFont(WindowFonts::small());
        check->setGeometry(Twips::toPixels(row.check));
        check->setEnabled(r != VolumeRow);
        check->setFocusPolicy(Qt::NoFocus); // the panel lies behind the general controls: no tab stop
        ControlArray::tag(check, QStringLiteral("frm_param"), r);
        f.frm_param.at(i) = check;

        auto* list = new QComboBox(frame);
        list->setFont(WindowFonts::small());
        list->setEditable(true);
        list->setEditText(QStringLiteral("1"));
        list->setFocusPolicy(Qt::NoFocus);
        list->setGeometry(Twips::toPixels(TwipRect{1395, row.listTop, 675, 285}));
        ControlArray::tag(list, QStringLiteral("var_num"), r);
        list->setAccessibleName(tr("Formulator number: %1").arg(parameter));
        f.var_num.at(i) = list;

        auto* value = new QLabel(QString::fromLatin1(row.value), frame);
        value->setFont(WindowFonts::small());
        value->setGeometry(Twips::toPixels(TwipRect{2205, row.valueTop, 360, 195}));
        ControlArray::tag(value, QStringLiteral("valueLabel"), r);
        value->setAccessibleName(tr("Formulator value: %1").arg(QString::fromLatin1(row.value)));
        f.valueLabel.at(i) = value;
    }
    f.obtype = new QComboBox(frame);
    f.obtype->setObjectName(QStringLiteral("obtype"));
    f.obtype->setFont(WindowFonts::small(ObtypePointSize));
    f.obtype->setEditable(false);
    f.obtype->setFocusPolicy(Qt::NoFocus);
    f.obtype->setGeometry(Twips::toPixels(TwipRect{2625, 210, 795, 270}));
    f.obtype->setAccessibleName(tr("Formulator object type"));
    return f;
}

} // namespace kelmar
