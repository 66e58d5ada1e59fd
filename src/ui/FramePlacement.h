#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>

class QWidget;

namespace kelmar {

// Places a top-level window by its outer frame (title bar and borders
// included), as the window's place and size are given: the client area is
// what the frame leaves inside. The frame's margins are known once the
// window system has framed the window (offscreen and many window managers:
// when it is created; others: when it is first shown); the place is taken
// again then, once, if they differ from what was counted.
class FramePlacement : public QObject {
    Q_OBJECT
public:
    // Gives `window` the outer place `frame`.
    static void place(QWidget* window, QRect frame);
    // Moves `window` so that its outer frame is centred in `area`.
    static void centre(QWidget* window, QRect area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Kind { Place, Centre };
    FramePlacement(QWidget* window, Kind kind, QRect rect);
    void apply();
    static QMargins marginsOf(QWidget* window);

    QWidget* window_;
    Kind kind_;
    QRect rect_;
    QMargins counted_;
};

} // namespace kelmar
