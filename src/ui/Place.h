#pragma once

#include <QLabel>
#include <QString>

#include <type_traits>

#include "ui/ControlArray.h"
#include "ui/Twips.h"

namespace kelmar {

// Puts a control at `where`. A label is also held at that size: a new text
// then asks its container for no new layout (a readout changes at every
// pointer movement).
template <typename T>
void setPlace(T* widget, const TwipRect& where)
{
    const QRect rect = Twips::toPixels(where);
    widget->setGeometry(rect);
    if constexpr (std::is_base_of_v<QLabel, T>)
        widget->setFixedSize(rect.size());
}

// Names a control and puts it at its place in its container.
template <typename T>
T* place(T* widget, const char* name, const TwipRect& where)
{
    widget->setObjectName(QString::fromLatin1(name));
    setPlace(widget, where);
    return widget;
}

// The same for member `index` of the control array `name`.
template <typename T>
T* place(T* widget, const char* name, int index, const TwipRect& where)
{
    ControlArray::tag(widget, QString::fromLatin1(name), index);
    setPlace(widget, where);
    return widget;
}

} // namespace kelmar
