#pragma once

#include <QElapsedTimer>
#include <QObject>

class QWidget;

namespace kelmar {

// Paints a window at most once per display frame. Qt asks a window to
// repaint what changed by an update request after every turn of the event
// loop that changed something; a pointer that moves 200 or 1,000 times a
// second over a performance picture would repaint its readout as often. A
// request that comes sooner than a frame after the last paint waits for
// that frame, and then paints all that changed meanwhile, with the latest
// texts. What the window shows is never older than one frame.
class FrameThrottle : public QObject {
    Q_OBJECT
public:
    // Throttles `window`'s repaints; it owns the throttle.
    static void install(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FrameThrottle(QWidget* window);
    int frameMilliseconds() const;

    QWidget* window_;
    QElapsedTimer sinceLastPaint_;
    bool waiting_ = false;  // a request is held back for the next frame
    bool released_ = false; // the held request is on its way and paints
};

} // namespace kelmar
