#include "ui/WheelGuard.h"

#include <QAbstractSlider>
#include <QComboBox>
#include <QEvent>
#include <QWidget>

namespace kelmar {

void WheelGuard::guard(QWidget* window)
{
    auto* guard = new WheelGuard(window);
    for (QComboBox* list : window->findChildren<QComboBox*>())
        list->installEventFilter(guard);
    // Not the bars of an open list's popup, a window of its own.
    for (QAbstractSlider* bar : window->findChildren<QAbstractSlider*>()) {
        if (bar->window() == window)
            bar->installEventFilter(guard);
    }
}

bool WheelGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel)
        return true; // taken here: neither the control nor what holds it moves
    return QObject::eventFilter(watched, event);
}

} // namespace kelmar
