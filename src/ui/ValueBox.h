#pragma once

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

} // namespace kelmar
