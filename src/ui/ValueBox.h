#pragma once

#include <QAccessible>
#include <QLabel>
#include <QPalette>

namespace kelmar {

// The look of the window's value boxes: centred text on white inside a
// single-line border.
inline void styleAsValueBox(QLabel* box)
{
    box->setAlignment(Qt::AlignCenter);
    box->setFrameShape(QFrame::Box);
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, Qt::white);
    box->setPalette(palette);
}

// A value box's accessible name is its caption followed by what it shows,
// so that assistive tools read the value with what it is.
inline void setValueCaption(QLabel* box, const QString& caption)
{
    box->setProperty("ValueCaption", caption);
    box->setAccessibleName(caption + QStringLiteral(": ") + box->text().trimmed());
}

inline void showValue(QLabel* box, const QString& text)
{
    box->setText(text);
    box->setAccessibleName(box->property("ValueCaption").toString() + QStringLiteral(": ") + text.trimmed());
}

// A text that changes at every pointer movement (a readout): its
// accessible name follows only while an assistive technology listens;
// whoever shows readouts names them afresh when one starts to.
inline void showReadoutText(QLabel* box, const QString& text)
{
    box->setText(text);
    if (QAccessible::isActive())
        box->setAccessibleName(box->property("ValueCaption").toString() + QStringLiteral(": ") + text.trimmed());
}

} // namespace kelmar
