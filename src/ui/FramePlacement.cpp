#include "ui/FramePlacement.h"

#include "ui/WindowSystem.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace kelmar {

FramePlacement::FramePlacement(QWidget* window, Kind kind, QRect rect)
    : QObject(window)
    , window_(window)
    , kind_(kind)
    , rect_(rect)
{
    window_->winId(); // creates the window system's window, whose frame is asked for
    apply();
    if (QWindow* handle = window_->windowHandle())
        handle->installEventFilter(this);
}

void FramePlacement::place(QWidget* window, QRect frame)
{
    new FramePlacement(window, Kind::Place, frame);
}

void FramePlacement::centre(QWidget* window, QRect area)
{
    new FramePlacement(window, Kind::Centre, area);
}

QMargins FramePlacement::marginsOf(QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

// A top-level window's move() places its frame's top-left corner.
void FramePlacement::apply()
{
    counted_ = marginsOf(window_);
    const QSize around(counted_.left() + counted_.right(), counted_.top() + counted_.bottom());
    if (kind_ == Kind::Place) {
        window_->resize(rect_.size() - around);
        if (windowsArePlaced())
            window_->move(rect_.topLeft());
        return;
    }
    if (!windowsArePlaced())
        return;
    const QSize outer = window_->size() + around;
    window_->move(rect_.left() + (rect_.width() - outer.width()) / 2,
                  rect_.top() + (rect_.height() - outer.height()) / 2);
}

bool FramePlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Expose) {
        watched->removeEventFilter(this);
        if (marginsOf(window_) != counted_)
            apply();
        deleteLater();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelmar
