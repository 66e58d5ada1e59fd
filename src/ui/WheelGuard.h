#pragma once

#include <QObject>

class QWidget;

namespace kelmar {

// Keeps the mouse wheel from changing a window's lists and bars: on a
// performance desk a wheel touched by accident must not change the
// instrument or the channel. Clicks and keys work as before, and an open
// list's entries still scroll.
class WheelGuard : public QObject {
    Q_OBJECT
public:
    // Guards every list and bar that `window` holds now.
    static void guard(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit WheelGuard(QObject* parent) : QObject(parent) {}
};

} // namespace kelmar
