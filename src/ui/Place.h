#pragma once

#include <QString>

#include "ui/ControlArray.h"
#include "ui/Twips.h"

namespace kelmar {

// Names a control and puts it at its place in its container.
template <typename T>
T* place(T* widget, const char* name, const TwipRect& where)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(Twips::toPixels(where));
    return widget;
}

// The same for member `index` of the control array `name`.
template <typename T>
T* place(T* widget, const char* name, int index, const TwipRect& where)
{
    ControlArray::tag(widget, QString::fromLatin1(name), index);
    widget->setGeometry(Twips::toPixels(where));
    return widget;
}

} // namespace kelmar
