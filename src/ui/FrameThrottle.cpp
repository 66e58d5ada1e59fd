#include "ui/FrameThrottle.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cmath>

namespace kelmar {

namespace {
constexpr double FallbackRate = 60.0; // frames a second where the screen does not say
}

FrameThrottle::FrameThrottle(QWidget* window)
    : QObject(window)
    , window_(window)
{
    window_->installEventFilter(this);
}

void FrameThrottle::install(QWidget* window)
{
    new FrameThrottle(window);
}

int FrameThrottle::frameMilliseconds() const
{
    const QScreen* screen = window_->screen();
    const double rate = screen && screen->refreshRate() >= 1.0 ? screen->refreshRate() : FallbackRate;
    return std::max(1, static_cast<int>(std::floor(1000.0 / rate)));
}

// The repaint manager sends one request and sends none more until it is
// handled; one that is held back is sent again when its frame is due.
bool FrameThrottle::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_ || event->type() != QEvent::UpdateRequest)
        return QObject::eventFilter(watched, event);
    if (released_) {
        released_ = false;
        sinceLastPaint_.start();
        return false; // the held request, now due
    }
    if (waiting_)
        return true;
    const int frame = frameMilliseconds();
    if (!sinceLastPaint_.isValid() || sinceLastPaint_.elapsed() >= frame) {
        sinceLastPaint_.start();
        return false; // painted now
    }
    waiting_ = true;
    QTimer::singleShot(static_cast<int>(frame - sinceLastPaint_.elapsed()), Qt::PreciseTimer, this, [this] {
        waiting_ = false;
        released_ = true;
        QCoreApplication::postEvent(window_, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
    });
    return true;
}

} // namespace kelmar
